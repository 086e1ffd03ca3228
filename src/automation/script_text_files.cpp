#include "automation/script_text_files.h"

#include <vector>

#include "automation/step_lines.h"
#include "document/atomic_file.h"
#include "texts/label_texts.h"

namespace korvix {

namespace {

constexpr const char* kFileAccessCaption = "File Access Error";
constexpr const char* kIllegalFormatCaption = "Illegal File Format";
constexpr const char* kExportingText = "Exporting files, please wait.";
constexpr const char* kLineEnd = "\r\n";

// What differs between the two files' exports and imports.
struct FileTexts {
  const char* exportcaption;
  const char* exportquestion;
  const char* importcaption;
  const char* importquestion;
  const char* openfailed;
  const char* writefailed;
  const char* invalid;
};

constexpr FileTexts kScriptTexts{
    "Export Script Configuration to File",
    "Caution, you are about to replace any data in the file \rScripts.txt with the current Script "
    "configuration. \rDo you wish to continue?",
    "Import Script Configuration from File",
    "Caution, you are about to replace the current Script \rconfiguration with the data from the file "
    "Scripts.txt. \rDo you wish to continue?",
    "The Script export file could not be opened.",
    "Error while writing Script configuration to file.",
    "The file format of Scripts.txt is invalid.",
};

constexpr FileTexts kConditionalTexts{
    "Export Conditional Configuration to File",
    "Caution, you are about to replace any data in the file \rConditionals.txt with the current "
    "Conditional configuration. \rDo you wish to continue?",
    "Import Conditional Configuration from File",
    "Caution, you are about to replace the current Conditional \rconfiguration with the data from the "
    "file Conditionals.txt. \rDo you wish to continue?",
    "The Conditional export file could not be opened.",
    "Error while writing Conditional configuration to file.",
    "The file format of Conditionals.txt is invalid.",
};

bool IsHidden(const ScriptRecord& script) { return script.idlabel.find(kActionScriptMarker) != std::string::npos; }

bool Agreed(const TextFileJob& job, const char* caption, const char* question) {
  return job.sink.Show(caption, question, MessageIcon::Warning, MessageButtons::YesNoDefaultNo) == MessageResult::Yes;
}

bool Pump(const TextFileJob& job) { return !job.pump || job.pump(); }

// Closes the busy window however the export ends.
class BusyWindow {
public:
  BusyWindow(BusyProgress* busy, int count) : m_busy(busy) {
    if (!m_busy) return;
    m_busy->Show(kExportingText);
    m_busy->SetRange(0, count);
  }
  ~BusyWindow() {
    if (m_busy) m_busy->Close();
  }
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;

  // False once the user closed it.
  bool Step(int position) {
    if (!m_busy) return true;
    m_busy->SetPos(position);
    return m_busy->Running();
  }

private:
  BusyProgress* m_busy;
};

// Appends the block of item `index` to the text; false when it is skipped.
using BlockWriter = std::function<void(int index, std::string& text)>;

TextFileOutcome Export(const TextFileJob& job, const FileTexts& texts, int count, const BlockWriter& block) {
  if (!Agreed(job, texts.exportcaption, texts.exportquestion)) return TextFileOutcome::Declined;
  std::string text;
  {
    BusyWindow busy(job.busy, count);
    for (int i = 0; i < count; ++i) {
      block(i, text);
      if (!busy.Step(i)) return TextFileOutcome::Cancelled;
      if (!Pump(job)) return TextFileOutcome::Quit;
    }
  }
  AtomicWriteStage stage = AtomicWriteStage::Done;
  if (WriteFileAtomically(job.filename, text, &stage).empty()) return TextFileOutcome::Done;
  job.sink.Show(kFileAccessCaption, stage == AtomicWriteStage::Create ? texts.openfailed : texts.writefailed,
                MessageIcon::Warning);
  return TextFileOutcome::Failed;
}

void AppendLine(std::string& text, std::string_view line) {
  text += line;
  text += kLineEnd;
}

bool IsEndOfLine(std::string_view field) { return field == kEndOfLineMark; }

// The empty line between a block's parts: its line end, an empty field and
// the next line end.
bool ReadEmptyLineAfter(TextMemFile& file) {
  if (!IsEndOfLine(file.ReadMemFileLine())) return false;
  if (!file.ReadMemFileLine().empty()) return false;
  return IsEndOfLine(file.ReadMemFileLine());
}

// A label holding the marker would pass for a Conditional's action Script.
bool ReadLabel(TextMemFile& file, std::string& label) {
  label = file.ReadMemFileLine();
  if (label.empty() || IsEndOfLine(label)) return false;
  if (label.find(kActionScriptMarker) != std::string::npos) return false;
  if (label.size() > kMaxLabelLength) label.resize(kMaxLabelLength);
  return true;
}

enum class StepsRead { Done, Invalid, Quit };

StepsRead ReadSteps(TextMemFile& file, ScriptStepList& steps, const TextFileJob& job) {
  while (!file.AtEnd()) {
    const StepLineRead read = ReadStepLine(file, steps, job.sink);
    if (read == StepLineRead::BlockEnd) return StepsRead::Done;
    if (read == StepLineRead::Invalid) return StepsRead::Invalid;
    if (!Pump(job)) return StepsRead::Quit;
  }
  return StepsRead::Done;
}

// The file's start: present, and its first field an empty one.
bool ReadFileStart(TextMemFile& file) {
  if (file.IsEmpty()) return false;
  return file.ReadMemFileLine().empty();
}

enum class Parse { Done, Invalid, Quit };

TextFileOutcome Import(const TextFileJob& job, const FileTexts& texts, TextMemFile& memfile,
                       const std::function<Parse()>& parse, const std::function<void()>& commit) {
  if (!Agreed(job, texts.importcaption, texts.importquestion)) return TextFileOutcome::Declined;
  if (!memfile.LoadTextFile(job.filename, job.missing)) return TextFileOutcome::Failed;
  const Parse parsed = ReadFileStart(memfile) ? parse() : Parse::Invalid;
  memfile.Empty();
  if (parsed == Parse::Quit) return TextFileOutcome::Quit;
  if (parsed == Parse::Invalid) {
    job.sink.Show(kIllegalFormatCaption, texts.invalid, MessageIcon::Warning);
    return TextFileOutcome::Refused;
  }
  commit();
  return TextFileOutcome::Done;
}

int CountHidden(const ScriptList& scripts) {
  int hidden = 0;
  for (const ScriptRecord& script : scripts) hidden += IsHidden(script) ? 1 : 0;
  return hidden;
}

}  // namespace

TextFileOutcome ExportScripts(const CKorvixDoc& doc, const TextFileJob& job) {
  return Export(job, kScriptTexts, doc.m_scripts.Count(), [&](int index, std::string& text) {
    const ScriptRecord& script = doc.m_scripts[index];
    if (IsHidden(script)) return;
    text += kLineEnd;
    AppendLine(text, script.idlabel);
    text += kLineEnd;
    AppendStepLines(text, script.steps);
  });
}

TextFileOutcome ExportConditionals(const CKorvixDoc& doc, const TextFileJob& job) {
  return Export(job, kConditionalTexts, doc.m_conditionals.Count(), [&](int index, std::string& text) {
    const ConditionalRecord& conditional = doc.m_conditionals[index];
    text += kLineEnd;
    AppendLine(text, conditional.idlabel);
    text += kLineEnd;
    AppendLine(text, ToTextForm(conditional.expression));
    text += kLineEnd;
    const std::string action = conditional.idlabel + kActionScriptMarker;
    for (const ScriptRecord& script : doc.m_scripts) {
      if (script.idlabel == action) {
        AppendStepLines(text, script.steps);
        break;
      }
    }
  });
}

TextFileOutcome ImportScripts(CKorvixDoc& doc, const TextFileJob& job, TextMemFile& memfile) {
  const int room = kMaxScripts - CountHidden(doc.m_scripts);
  std::vector<ScriptRecord> staged;
  const auto parse = [&]() -> Parse {
    while (!memfile.AtEnd()) {
      std::string label;
      if (!IsEndOfLine(memfile.ReadMemFileLine()) || !ReadLabel(memfile, label) || !ReadEmptyLineAfter(memfile)) {
        return Parse::Invalid;
      }
      if (static_cast<int>(staged.size()) >= room) return Parse::Invalid;
      ScriptRecord& script = staged.emplace_back();
      script.idlabel = std::move(label);
      const StepsRead steps = ReadSteps(memfile, script.steps, job);
      if (steps == StepsRead::Invalid) return Parse::Invalid;
      if (steps == StepsRead::Quit) return Parse::Quit;
    }
    return Parse::Done;
  };
  const auto commit = [&] {
    ScriptList scripts;
    for (const ScriptRecord& script : doc.m_scripts) {
      if (IsHidden(script)) scripts.Add(script);
    }
    for (ScriptRecord& script : staged) scripts.Add(std::move(script));
    scripts.Spare(0) = doc.m_scripts.Spare(0);
    doc.m_scripts = std::move(scripts);
    doc.SetModifiedFlag();
  };
  return Import(job, kScriptTexts, memfile, parse, commit);
}

TextFileOutcome ImportConditionals(CKorvixDoc& doc, const TextFileJob& job, TextMemFile& memfile) {
  const int room = kMaxScripts - (doc.m_scripts.Count() - CountHidden(doc.m_scripts));
  std::vector<ConditionalRecord> conditionals;
  std::vector<ScriptRecord> actions;
  const auto parse = [&]() -> Parse {
    while (!memfile.AtEnd()) {
      std::string label;
      if (!IsEndOfLine(memfile.ReadMemFileLine()) || !ReadLabel(memfile, label) || !ReadEmptyLineAfter(memfile)) {
        return Parse::Invalid;
      }
      std::string expression = memfile.ReadMemFileLine();
      if (IsEndOfLine(expression) || !ReadEmptyLineAfter(memfile)) return Parse::Invalid;
      if (expression.size() > kMaxExpressionLength) expression.resize(kMaxExpressionLength);
      // The run time finds an action Script by a label compare, so a second
      // Conditional of an equal label would run the first one's steps.
      for (const ConditionalRecord& earlier : conditionals) {
        if (LabelsEqual(earlier.idlabel, label)) return Parse::Invalid;
      }
      if (static_cast<int>(conditionals.size()) >= std::min(kMaxConditionals, room)) return Parse::Invalid;
      ConditionalRecord& conditional = conditionals.emplace_back();
      conditional.idlabel = label;
      conditional.expression = std::move(expression);
      ScriptRecord& action = actions.emplace_back();
      action.idlabel = label + kActionScriptMarker;
      const StepsRead steps = ReadSteps(memfile, action.steps, job);
      if (steps == StepsRead::Invalid) return Parse::Invalid;
      if (steps == StepsRead::Quit) return Parse::Quit;
    }
    return Parse::Done;
  };
  const auto commit = [&] {
    ScriptList scripts;
    for (const ScriptRecord& script : doc.m_scripts) {
      if (!IsHidden(script)) scripts.Add(script);
    }
    for (ScriptRecord& action : actions) scripts.Add(std::move(action));
    scripts.Spare(0) = doc.m_scripts.Spare(0);
    ConditionalList list;
    for (ConditionalRecord& conditional : conditionals) list.Add(std::move(conditional));
    list.Spare(0) = doc.m_conditionals.Spare(0);
    doc.m_scripts = std::move(scripts);
    doc.m_conditionals = std::move(list);
    doc.SetModifiedFlag();
  };
  return Import(job, kConditionalTexts, memfile, parse, commit);
}

}  // namespace korvix
