#include "automation/script_text_files.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>
#include <csignal>

#include "automation/step_codes.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "text_file_projects.h"

namespace korvix {
namespace {

using testing::AlarmProject;
using testing::EveryStepProject;
using testing::Fixture;
using testing::MakeScript;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

constexpr const char* kInvalidScripts = "The file format of Scripts.txt is invalid.";
constexpr const char* kInvalidConditionals = "The file format of Conditionals.txt is invalid.";

// Everything an import may change, as one comparable text.
std::string Snapshot(const CKorvixDoc& doc) {
  std::string out = doc.IsModified() ? "modified\n" : "unmodified\n";
  for (const ScriptRecord& script : doc.m_scripts) {
    out += "S[" + script.idlabel + "] running " + std::to_string(script.isrunning) + "\n";
    const std::vector<int> depths = ComputeStepDepths(script.steps);
    for (int i = 0; i < script.steps.Count(); ++i) {
      const ScriptStep& s = script.steps[i];
      out += "  " + std::to_string(s.code) + "|" + s.param1 + "|" + s.param2 + "|" + std::to_string(s.color1) + "|" +
             std::to_string(s.color2) + "|" + std::to_string(s.fontsize) + "|" + s.barcode + "|" +
             std::to_string(s.barsize) + "|" + std::to_string(s.spare4) + "|" +
             std::to_string(depths[static_cast<std::size_t>(i)]) + "\n";
    }
  }
  for (const ConditionalRecord& c : doc.m_conditionals) {
    out += "C[" + c.idlabel + "] [" + c.expression + "] started " + std::to_string(c.actionstarted) + "\n";
  }
  return out;
}

std::vector<std::string> Texts(const RecordingMessageSink& sink) {
  std::vector<std::string> texts;
  for (const auto& shown : sink.shown) {
    if (shown.buttons == MessageButtons::Ok) texts.push_back(shown.caption + ": " + shown.text);
  }
  return texts;
}

class TextFiles : public ::testing::Test {
protected:
  TextFileJob Job(const char* name) { return TextFileJob{(m_folder / name).string(), m_sink}; }

  TextFileOutcome ExportScriptsOf(const CKorvixDoc& doc) { return ExportScripts(doc, Job(kScriptsFileName)); }
  TextFileOutcome ImportScriptsFrom(CKorvixDoc& doc, const std::string& bytes) {
    WriteBytes(m_folder / kScriptsFileName, bytes);
    return ImportScripts(doc, Job(kScriptsFileName), m_memfile);
  }
  TextFileOutcome ImportConditionalsFrom(CKorvixDoc& doc, const std::string& bytes) {
    WriteBytes(m_folder / kConditionalsFileName, bytes);
    return ImportConditionals(doc, Job(kConditionalsFileName), m_memfile);
  }
  std::string Written(const char* name) { return ReadBytes(m_folder / name); }

  ScratchFolder m_folder;
  RecordingMessageSink m_sink;
  FakeMillisecondClock m_clock;
  TextMemFile m_memfile{m_sink, m_clock};
};

// A project with visible Old, then a hidden action Script, and its Conditional.
CKorvixDoc ProjectToReplace() {
  CKorvixDoc doc;
  doc.m_scripts.Add(MakeScript("Old", {{2, "1"}}));
  doc.m_scripts.Add(MakeScript(std::string("Guard") + kActionScriptMarker, {{2, "10"}}));
  ConditionalRecord guard;
  guard.idlabel = "Guard";
  doc.m_conditionals.Add(guard);
  return doc;
}

TEST_F(TextFiles, EveryStepScriptsRoundTripByteForByte) {
  const CKorvixDoc original = EveryStepProject();
  ASSERT_EQ(ExportScriptsOf(original), TextFileOutcome::Done);
  EXPECT_EQ(Written(kScriptsFileName), Fixture("every-step.Scripts.txt"));
  EXPECT_EQ(m_sink.shown.size(), 1u) << "only the question";
  EXPECT_EQ(m_sink.shown[0].buttons, MessageButtons::YesNoDefaultNo);
  EXPECT_EQ(m_sink.shown[0].caption, "Export Script Configuration to File");

  CKorvixDoc doc = ProjectToReplace();
  doc.m_scripts[0].isrunning = 1;
  ASSERT_EQ(ImportScriptsFrom(doc, Fixture("every-step.Scripts.txt")), TextFileOutcome::Done);
  EXPECT_TRUE(Texts(m_sink).empty());
  ASSERT_EQ(doc.m_scripts.Count(), 3);
  EXPECT_EQ(doc.m_scripts[0].idlabel, std::string("Guard") + kActionScriptMarker);
  CKorvixDoc wanted;
  wanted.m_scripts.Add(MakeScript("Empty", {}));
  wanted.m_scripts.Add(MakeScript("Every Step", testing::EveryStepRows()));
  // IF, Loop, Exit Loop IF, End Loop, Else IF, Exit Script, Else, End IF.
  const std::vector<int> depths = ComputeStepDepths(doc.m_scripts[2].steps);
  ASSERT_GE(depths.size(), 8u);
  EXPECT_EQ(std::vector<int>(depths.end() - 8, depths.end()), (std::vector<int>{0, 1, 2, 1, 0, 1, 0, 0}));
  CKorvixDoc visible;
  visible.m_scripts.Add(doc.m_scripts[1]);
  visible.m_scripts.Add(doc.m_scripts[2]);
  EXPECT_EQ(Snapshot(visible), Snapshot(wanted));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(m_memfile.IsEmpty());

  ASSERT_EQ(ExportScriptsOf(doc), TextFileOutcome::Done);
  EXPECT_EQ(Written(kScriptsFileName), Fixture("every-step.Scripts.txt"));
}

TEST_F(TextFiles, AlarmConditionalsRoundTripByteForByte) {
  const CKorvixDoc original = AlarmProject();
  ASSERT_EQ(ExportConditionals(original, Job(kConditionalsFileName)), TextFileOutcome::Done);
  EXPECT_EQ(Written(kConditionalsFileName), Fixture("alarm.Conditionals.txt"));

  CKorvixDoc doc = ProjectToReplace();
  doc.m_conditionals[0].actionstarted = 1;
  ASSERT_EQ(ImportConditionalsFrom(doc, Fixture("alarm.Conditionals.txt")), TextFileOutcome::Done);
  EXPECT_TRUE(Texts(m_sink).empty());
  // Old stays first; the action Scripts follow in file order.
  CKorvixDoc wanted = AlarmProject();
  wanted.m_scripts[0] = doc.m_scripts[0];
  EXPECT_EQ(ComputeStepDepths(doc.m_scripts[2].steps), (std::vector<int>{0, 0, 1, 0}));
  wanted.SetModifiedFlag();
  EXPECT_EQ(Snapshot(doc), Snapshot(wanted));
  EXPECT_EQ(doc.m_scripts[0].idlabel, "Old");

  ASSERT_EQ(ExportConditionals(doc, Job(kConditionalsFileName)), TextFileOutcome::Done);
  EXPECT_EQ(Written(kConditionalsFileName), Fixture("alarm.Conditionals.txt"));
}

TEST_F(TextFiles, ExportWritesEachPartOfTheStepLine) {
  const std::string hidden = std::string("Guard") + kActionScriptMarker;
  struct Case {
    std::vector<ScriptRecord> scripts;
    std::string file;
  } cases[] = {
      {{MakeScript("Tank", {{2, "500"}})}, "\r\nTank\r\n\r\n<Pause Milliseconds> , 500\r\n"},
      {{MakeScript("P", {{31, "Printer", "Label text"}})},
       "\r\nP\r\n\r\n<Print Label> , Printer , 12 , 10 ,  , Label text\r\n"},
      {{MakeScript("M", {{41, "Title", "one\r\ntwo"}})}, "\r\nM\r\n\r\n<Show Popup Box> , Title , one \x1b two\r\n"},
      {{MakeScript("B", {{41, "a  b", "c    d"}})}, "\r\nB\r\n\r\n<Show Popup Box> , a b , c d\r\n"},
      {{MakeScript("Second only", {{0, "", "Tank"}})}, "\r\nSecond only\r\n\r\n<Transmit Command> ,  , Tank\r\n"},
      {{MakeScript(hidden, {{2, "1"}}), MakeScript("Seen", {})}, "\r\nSeen\r\n\r\n"},
      {{MakeScript(hidden, {{2, "1"}})}, ""},
      {{}, ""},
  };
  for (const Case& c : cases) {
    CKorvixDoc doc;
    for (const ScriptRecord& script : c.scripts) doc.m_scripts.Add(script);
    ASSERT_EQ(ExportScriptsOf(doc), TextFileOutcome::Done);
    EXPECT_EQ(Written(kScriptsFileName), c.file);
  }
}

TEST_F(TextFiles, RefusedScriptsFilesChangeNothing) {
  const std::string block = "\r\nTank\r\n\r\n";
  std::string many;
  for (int i = 0; i < 1999; ++i) many += "\r\nS" + std::to_string(i) + "\r\n\r\n";
  std::string longscript = block;
  for (int i = 0; i < 1001; ++i) longscript += "<Exit Script>\r\n";
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> messages;
  } cases[] = {
      {"empty", "", {}},
      {"first field not empty", "Tank\r\n\r\n", {}},
      {"empty label", "\r\n\r\n\r\n", {}},
      {"misspelled name",
       block + "<Pause Milisecs> , 5 , x\r\n<Exit Script>\r\n",
       {"Illegal Function Name: The function <Pause Milisecs> is not a legal function name."}},
      {"comma in a Transmit Command's second text", block + "<Transmit Command> , ARD , Tank, Level\r\n", {}},
      {"LF-only lines", "\nTank\n\n<Pause Milliseconds> , 500\n", {}},
      {"2001 Scripts with the hidden one", many + block, {}},
      {"1001 steps", longscript, {}},
      {"label holding the action-Script marker", "\r\nTank\xa0\r\n\r\n", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    m_sink.shown.clear();
    CKorvixDoc doc = ProjectToReplace();
    const std::string before = Snapshot(doc);
    EXPECT_EQ(ImportScriptsFrom(doc, c.file), TextFileOutcome::Refused);
    std::vector<std::string> messages = c.messages;
    messages.push_back(std::string("Illegal File Format: ") + kInvalidScripts);
    EXPECT_EQ(Texts(m_sink), messages);
    EXPECT_EQ(Snapshot(doc), before);
    EXPECT_TRUE(m_memfile.IsEmpty());
  }
}

TEST_F(TextFiles, RefusedConditionalsFilesChangeNothing) {
  const std::string alarm = "\r\nAlarm\r\n\r\n{T} > 1\r\n\r\n";
  std::string thousand;
  for (int i = 0; i < 1000; ++i) thousand += "\r\nC" + std::to_string(i) + "\r\n\r\n{T} > 1\r\n\r\n";
  struct Case {
    const char* what;
    std::string file;
  } cases[] = {
      {"empty", ""},
      {"broken third block", alarm + "\r\nB\r\n\r\n{B} = 1\r\n\r\n" + "\r\nC\r\n{C} = 1\r\n\r\n"},
      {"labels equal as ID Labels", alarm + "\r\nalarm\r\n\r\n{T} > 2\r\n\r\n"},
      {"label holding the action-Script marker", "\r\nA\xa0\r\n\r\n{T} > 1\r\n\r\n"},
      {"expression line missing", "\r\nAlarm\r\n\r\n"},
      {"1001 Conditionals", thousand + alarm},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    m_sink.shown.clear();
    CKorvixDoc doc = ProjectToReplace();
    const std::string before = Snapshot(doc);
    EXPECT_EQ(ImportConditionalsFrom(doc, c.file), TextFileOutcome::Refused);
    ASSERT_FALSE(Texts(m_sink).empty());
    EXPECT_EQ(Texts(m_sink).back(), std::string("Illegal File Format: ") + kInvalidConditionals);
    EXPECT_EQ(Snapshot(doc), before);
  }
}

TEST_F(TextFiles, LabelsAreTakenAsReadSoOneLabelMayComeTwice) {
  CKorvixDoc doc;
  ASSERT_EQ(ImportScriptsFrom(doc, "\r\nTank\r\n\r\n\r\nTank\r\n\r\n<Exit Script>\r\n"), TextFileOutcome::Done);
  ASSERT_EQ(doc.m_scripts.Count(), 2);
  EXPECT_EQ(doc.m_scripts[0].idlabel, "Tank");
  EXPECT_EQ(doc.m_scripts[1].idlabel, "Tank");
  EXPECT_EQ(doc.m_scripts[1].steps.Count(), 1);
}

TEST_F(TextFiles, ToleratedScriptsFiles) {
  const std::string block = "\r\nTank\r\n\r\n";
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> messages;
    ScriptStep want;
  };
  ScriptStep noend;
  noend.code = 2;
  noend.param1 = "500";
  ScriptStep purple;
  purple.code = 3;
  purple.param1 = "Hi";
  purple.param2 = "TW1";
  purple.color1 = 0;
  purple.color2 = 0xFFFFFF;
  ScriptStep older = noend;
  older.code = 2;
  older.param1 = "7";
  ScriptStep popup;
  popup.code = 41;
  popup.param1 = "T";
  popup.param2 = "a, b";
  ScriptStep transmit;
  transmit.code = 0;
  transmit.param1 = "ARD";
  const Case cases[] = {
      {"no final line end",
       block + "<Pause Milliseconds> , 500",
       {"File Access Error: Unexpected end of m_memfile."},
       noend},
      {"Purple",
       block + "<Show Message> , Hi , TW1 , Purple , white\r\n",
       {"Illegal Color Name: Purple is not a valid color format. \rThis color will be replaced with Black."},
       purple},
      {"older name and indentation", block + "\t    <Pause for this long> , 7\r\n", {}, older},
      {"comma in a Show Popup Box message", block + "<Show Popup Box> , T , a,b\r\n", {}, popup},
      {"no second text means none", block + "<Transmit Command> , ARD\r\n", {}, transmit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    m_sink.shown.clear();
    CKorvixDoc doc;
    ASSERT_EQ(ImportScriptsFrom(doc, c.file), TextFileOutcome::Done);
    EXPECT_EQ(Texts(m_sink), c.messages);
    ASSERT_EQ(doc.m_scripts.Count(), 1);
    ASSERT_EQ(doc.m_scripts[0].steps.Count(), 1);
    CKorvixDoc got;
    got.m_scripts.Add(MakeScript("Tank", {}));
    got.m_scripts[0].steps.Add(doc.m_scripts[0].steps[0]);
    CKorvixDoc want;
    want.m_scripts.Add(MakeScript("Tank", {}));
    want.m_scripts[0].steps.Add(c.want);
    EXPECT_EQ(Snapshot(got), Snapshot(want));
  }
}

TEST_F(TextFiles, DeclinedOrCancelledExportKeepsTheOldFile) {
  class Busy final : public BusyProgress {
  public:
    void Show(const std::string& text) override { shown = text; }
    void SetRange(int low, int high) override { range = {low, high}; }
    void SetPos(int position) override { positions.push_back(position); }
    bool Running() const override { return positions.size() < 2; }
    void Close() override { closed = true; }
    std::string shown;
    std::pair<int, int> range;
    std::vector<int> positions;
    bool closed = false;
  } busy;
  WriteBytes(m_folder / kScriptsFileName, "old");
  const CKorvixDoc doc = EveryStepProject();

  m_sink.answers.push_back(MessageResult::No);
  EXPECT_EQ(ExportScriptsOf(doc), TextFileOutcome::Declined);
  TextFileJob job = Job(kScriptsFileName);
  job.busy = &busy;
  EXPECT_EQ(ExportScripts(doc, job), TextFileOutcome::Cancelled);
  EXPECT_EQ(Written(kScriptsFileName), "old");
  EXPECT_EQ(busy.shown, "Exporting files, please wait.");
  EXPECT_EQ(busy.range, std::make_pair(0, 3));
  EXPECT_EQ(busy.positions, (std::vector<int>{0, 1}));
  EXPECT_TRUE(busy.closed);
}

TEST_F(TextFiles, FailedWritesKeepTheOldFile) {
  const CKorvixDoc doc = EveryStepProject();
  // A file size limit stands in for a disk that fills up.
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldhandler = std::signal(SIGXFSZ, SIG_IGN);
  WriteBytes(m_folder / kScriptsFileName, "old");
  rlimit small = old;
  small.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const TextFileOutcome full = ExportScriptsOf(doc);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldhandler);
  EXPECT_EQ(full, TextFileOutcome::Failed);
  EXPECT_EQ(Written(kScriptsFileName), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()), {}), 1) << "no temporary left";

  const TextFileJob nofolder{(m_folder / "missing" / kConditionalsFileName).string(), m_sink};
  EXPECT_EQ(ExportConditionals(AlarmProject(), nofolder), TextFileOutcome::Failed);
  EXPECT_EQ(Texts(m_sink),
            (std::vector<std::string>{"File Access Error: Error while writing Script configuration to file.",
                                      "File Access Error: The Conditional export file could not be opened."}));
}

TEST_F(TextFiles, QuitOrUnreadableImportLeavesTheDocument) {
  CKorvixDoc doc = ProjectToReplace();
  const std::string before = Snapshot(doc);
  WriteBytes(m_folder / kScriptsFileName, Fixture("every-step.Scripts.txt"));
  TextFileJob job = Job(kScriptsFileName);
  int pumps = 0;
  job.pump = [&] { return ++pumps < 10; };
  EXPECT_EQ(ImportScripts(doc, job, m_memfile), TextFileOutcome::Quit);
  EXPECT_EQ(pumps, 10);
  EXPECT_EQ(Snapshot(doc), before);

  // Held by another opener for longer than the retry.
  const int holder = ::open((m_folder / kScriptsFileName).c_str(), O_RDONLY);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  m_sink.shown.clear();
  EXPECT_EQ(ImportScripts(doc, Job(kScriptsFileName), m_memfile), TextFileOutcome::Failed);
  ::close(holder);
  EXPECT_EQ(Texts(m_sink),
            (std::vector<std::string>{"File Access Error: The file " + (m_folder / kScriptsFileName).string() +
                                      " could not be opened."}));
  EXPECT_EQ(Snapshot(doc), before);

  // An absent file is created empty, and empty is invalid.
  m_sink.shown.clear();
  std::filesystem::remove(m_folder / kConditionalsFileName);
  EXPECT_EQ(ImportConditionals(doc, Job(kConditionalsFileName), m_memfile), TextFileOutcome::Refused);
  EXPECT_TRUE(std::filesystem::exists(m_folder / kConditionalsFileName));
  EXPECT_EQ(Snapshot(doc), before);
}

}  // namespace
}  // namespace korvix
