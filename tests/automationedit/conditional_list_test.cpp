#include "automationedit/conditional_list.h"

#include <gtest/gtest.h>

#include "automationedit/action_scripts.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "text_file_projects.h"

namespace korvix {
namespace {

using testing::MakeScript;
using testing::ScratchFolder;

constexpr const char* kTooManyConditionals = "Over Limit: Korvix can not contain more than 1000 Conditionals.";
constexpr const char* kTooManyScripts = "Over Limit: Korvix can not contain more than 2000 Scripts.";
const std::string kA0(1, kActionScriptMarker);

VariableRecord NamedVariable(const char* label) {
  VariableRecord variable;
  variable.idlabel = label;
  return variable;
}

void AddConditional(CKorvixDoc& doc, const std::string& label, bool withaction = true,
                    std::vector<testing::StepRow> steps = {}) {
  ConditionalRecord conditional;
  conditional.idlabel = label;
  conditional.expression = "{Temp} > 80";
  conditional.armed = 1;
  doc.m_conditionals.Add(conditional);
  if (withaction) doc.m_scripts.Add(MakeScript(label + kA0, steps));
}

std::vector<std::string> ScriptLabels(const CKorvixDoc& doc) {
  std::vector<std::string> labels;
  for (const ScriptRecord& script : doc.m_scripts) labels.push_back(script.idlabel);
  return labels;
}

class ConditionalList : public ::testing::Test {
protected:
  ConditionalListEditor& Editor() {
    if (!m_editor) {
      m_editor.emplace(m_doc, m_sink, m_clipkind, [this](int index) {
        m_edited.push_back(index);
        if (!m_renameto.empty()) RenameConditional(m_doc, index, m_renameto);
      });
    }
    return *m_editor;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : m_sink.shown) texts.push_back(shown.caption + ": " + shown.text);
    return texts;
  }

  CKorvixDoc m_doc;
  RecordingMessageSink m_sink;
  int m_clipkind = 0;
  std::string m_renameto;
  std::vector<int> m_edited;
  std::optional<ConditionalListEditor> m_editor;
};

TEST_F(ConditionalList, NewAddsAConditionalWithItsActionScriptUntilEitherListIsFull) {
  struct Case {
    int conditionals;
    int scripts;
    std::vector<std::string> messages;
  } cases[] = {
      {kMaxConditionals - 1, kMaxScripts - 1, {kTooManyConditionals, kTooManyConditionals}},
      {10, kMaxScripts, {kTooManyScripts, kTooManyScripts, kTooManyScripts}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.conditionals);
    m_doc = CKorvixDoc();
    m_editor.reset();
    m_sink.shown.clear();
    for (int i = 0; i < c.conditionals; ++i) AddConditional(m_doc, "C" + std::to_string(i));
    while (m_doc.m_scripts.Count() < c.scripts) m_doc.m_scripts.Add(MakeScript("S", {}));
    const int before = m_doc.m_conditionals.Count();
    Editor().Select("C1");
    Editor().Copy();
    Editor().New();
    Editor().New();
    Editor().Paste();
    const int added = m_doc.m_conditionals.Count() - before;
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_EQ(m_doc.m_scripts.Count() - c.scripts, added);
    if (c.scripts < kMaxScripts) {
      ASSERT_EQ(added, 1);
      EXPECT_EQ(Editor().Selected(), "Conditional1");
      EXPECT_EQ(m_doc.m_scripts[kMaxScripts - 1].idlabel, "Conditional1" + kA0);
    }
  }
}

TEST_F(ConditionalList, TwoNewsGiveTwoLabelsAndStayAfterCancel) {
  m_doc.m_variables.Add(NamedVariable("Conditional1"));
  Editor().New();
  Editor().New();
  ASSERT_EQ(m_doc.m_conditionals.Count(), 2);
  EXPECT_EQ(m_doc.m_conditionals[0].idlabel, "Conditional2");
  EXPECT_EQ(m_doc.m_conditionals[1].idlabel, "Conditional3");
  EXPECT_EQ(ScriptLabels(m_doc), (std::vector<std::string>{"Conditional2" + kA0, "Conditional3" + kA0}));
  EXPECT_EQ(m_doc.m_conditionals[1].expression, "");
  EXPECT_EQ(m_doc.m_conditionals[1].actionstarted, 0);
  EXPECT_EQ(m_edited, (std::vector<int>{0, 1}));
  EXPECT_EQ(Editor().Lines(), (std::vector<std::string>{"Conditional2", "Conditional3"}));
  EXPECT_TRUE(m_doc.IsModified());

  // What a cancelled New leaves behind goes through the text file and back.
  ScratchFolder folder;
  FakeMillisecondClock clock;
  TextMemFile memfile(m_sink, clock);
  const TextFileJob job{(folder / kConditionalsFileName).string(), m_sink};
  EXPECT_EQ(Editor().Export(job), TextFileOutcome::Done);
  Editor().Select("Conditional2");
  Editor().Delete();
  EXPECT_EQ(Editor().Import(job, memfile), TextFileOutcome::Done);
  EXPECT_EQ(Editor().Lines(), (std::vector<std::string>{"Conditional2", "Conditional3"}));
  EXPECT_EQ(ScriptLabels(m_doc), (std::vector<std::string>{"Conditional2" + kA0, "Conditional3" + kA0}));
  EXPECT_FALSE(Editor().HasSelection());
}

TEST_F(ConditionalList, PasteGivesUniqueLabelsAndCopiesOfTheSteps) {
  struct Case {
    std::vector<std::string> existing;
    const char* copied;
    std::vector<std::string> pasted;
  } cases[] = {
      {{"HighTemp"}, "HighTemp", {"HighTemp1", "HighTemp2"}},
      {{"Hightemp", "hightemp"}, "hightemp", {"hightemp1", "hightemp2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.copied);
    m_doc = CKorvixDoc();
    m_editor.reset();
    m_doc.m_scripts.Add(MakeScript("Visible", {}));
    for (const std::string& label : c.existing) AddConditional(m_doc, label, true, {{41, label, "Drain"}});
    Editor().Select(c.copied);
    Editor().Copy();
    Editor().Paste();
    Editor().Paste();
    EXPECT_EQ(Editor().Selected(), c.pasted.back());
    ASSERT_EQ(m_doc.m_conditionals.Count(), static_cast<int>(c.existing.size() + 2));
    for (std::size_t i = 0; i < 2; ++i) {
      const ConditionalRecord& pasted = m_doc.m_conditionals[static_cast<int>(c.existing.size() + i)];
      EXPECT_EQ(pasted.idlabel, c.pasted[i]);
      EXPECT_EQ(pasted.expression, "{Temp} > 80");
      EXPECT_EQ(pasted.armed, 1);
      const int action = FindActionScript(m_doc, pasted.idlabel);
      ASSERT_GE(action, 0);
      ASSERT_EQ(m_doc.m_scripts[action].steps.Count(), 1);
      EXPECT_EQ(m_doc.m_scripts[action].steps[0].param1, c.copied);
    }
    EXPECT_EQ(m_doc.m_scripts[0].idlabel, "Visible");
    EXPECT_TRUE(m_doc.IsModified());
  }
}

TEST_F(ConditionalList, DeleteTakesTheActionScriptAndLeavesTheVisibleScripts) {
  m_doc.m_scripts.Add(MakeScript("Fill", {}));
  AddConditional(m_doc, "Alarm");
  m_doc.m_scripts.Add(MakeScript("Drain", {}));
  AddConditional(m_doc, "Guard");
  Editor().Select("Alarm");
  Editor().Delete();
  EXPECT_EQ(Editor().Lines(), std::vector<std::string>{"Guard"});
  EXPECT_FALSE(Editor().HasSelection());
  EXPECT_EQ(ScriptLabels(m_doc), (std::vector<std::string>{"Fill", "Drain", "Guard" + kA0}));
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ConditionalList, CopyEnablesPasteUntilAnotherKindIsCopied) {
  AddConditional(m_doc, "Alarm");
  Editor().Select("Alarm");
  EXPECT_TRUE(Editor().HasSelection());
  EXPECT_FALSE(Editor().CanPaste());
  Editor().Copy();
  EXPECT_FALSE(Editor().HasSelection());
  EXPECT_EQ(m_clipkind, -3);
  EXPECT_TRUE(Editor().CanPaste());
  EXPECT_FALSE(m_doc.IsModified());
  // A Script copied in the Script List.
  m_clipkind = -1;
  EXPECT_FALSE(Editor().CanPaste());
  Editor().Paste();
  EXPECT_EQ(m_doc.m_conditionals.Count(), 1);
}

TEST_F(ConditionalList, EditSelectsTheLabelThePropertiesLeft) {
  AddConditional(m_doc, "Alarm");
  AddConditional(m_doc, "Guard");
  m_renameto = "Beacon";
  Editor().Select("Guard");
  Editor().Edit();
  EXPECT_EQ(m_edited, std::vector<int>{1});
  EXPECT_EQ(Editor().Selected(), "Beacon");
  EXPECT_EQ(Editor().Lines(), (std::vector<std::string>{"Alarm", "Beacon"}));
  EXPECT_EQ(FindActionScript(m_doc, "Beacon"), 1);
}

// Project data made elsewhere may hold a Conditional without its Script.
TEST_F(ConditionalList, AMissingActionScriptIsMadeBeforeEditAndCopy) {
  struct Case {
    const char* what;
    void (ConditionalListEditor::*request)();
    bool full;
    std::vector<std::string> messages;
    bool edited;
  } cases[] = {
      {"Edit", &ConditionalListEditor::Edit, false, {}, true},
      {"Copy", &ConditionalListEditor::Copy, false, {}, false},
      {"Edit at the limit", &ConditionalListEditor::Edit, true, {kTooManyScripts}, false},
      {"Copy at the limit", &ConditionalListEditor::Copy, true, {kTooManyScripts}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    m_doc = CKorvixDoc();
    m_editor.reset();
    m_sink.shown.clear();
    m_edited.clear();
    m_clipkind = 0;
    if (c.full)
      for (int i = 0; i < kMaxScripts; ++i) m_doc.m_scripts.Add(MakeScript("S" + std::to_string(i), {}));
    AddConditional(m_doc, "Orphan", false);
    Editor().Select("Orphan");
    (Editor().*c.request)();
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_EQ(!m_edited.empty(), c.edited);
    EXPECT_EQ(FindActionScript(m_doc, "Orphan") >= 0, !c.full);
    EXPECT_EQ(m_doc.IsModified(), !c.full);
    EXPECT_EQ(m_clipkind == -3, !c.full && c.edited == false);
  }
  // Delete takes the Conditional alone.
  m_doc = CKorvixDoc();
  m_editor.reset();
  m_doc.m_scripts.Add(MakeScript("Fill", {}));
  AddConditional(m_doc, "Orphan", false);
  Editor().Select("Orphan");
  Editor().Delete();
  EXPECT_EQ(m_doc.m_conditionals.Count(), 0);
  EXPECT_EQ(ScriptLabels(m_doc), std::vector<std::string>{"Fill"});
}

}  // namespace
}  // namespace korvix
