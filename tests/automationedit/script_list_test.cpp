#include "automationedit/script_list.h"

#include <gtest/gtest.h>

#include "automation/step_codes.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "text_file_projects.h"

namespace korvix {
namespace {

constexpr int kStepStartScript = 4;
constexpr const char* kScriptsOverLimit = "Over Limit: Korvix can not contain more than 2000 Scripts.";
const std::string kAction = std::string("Guard") + kActionScriptMarker;

void AddLabelled(CKorvixDoc& doc, const std::string& label, int startstep = -1) {
  ScriptRecord script;
  script.idlabel = label;
  if (startstep >= 0) {
    ScriptStep step = NewScriptStep(startstep);
    step.param1 = "Pump";
    script.steps.Add(step);
  }
  doc.m_scripts.Add(std::move(script));
}

std::vector<std::string> Labels(const CKorvixDoc& doc) {
  std::vector<std::string> labels;
  for (const ScriptRecord& script : doc.m_scripts) labels.push_back(script.idlabel);
  return labels;
}

class ScriptList : public ::testing::Test {
protected:
  ScriptListEditor& Editor() {
    if (!m_editor) m_editor.emplace(m_doc, m_sink, m_clipkind, [this](int index) { m_configured.push_back(index); });
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
  std::vector<int> m_configured;
  std::optional<ScriptListEditor> m_editor;
};

TEST_F(ScriptList, NewOpensTheConfigurationUpToTheLimitAndKeepsAnEmptyScript) {
  for (int i = 0; i < kMaxScripts - 1; ++i) AddLabelled(m_doc, "S" + std::to_string(i));
  VariableRecord variable;
  variable.idlabel = "Script1";
  m_doc.m_variables.Add(variable);
  Editor().New();
  ASSERT_EQ(m_doc.m_scripts.Count(), kMaxScripts);
  EXPECT_EQ(m_configured, std::vector<int>{kMaxScripts - 1});
  EXPECT_EQ(m_doc.m_scripts[kMaxScripts - 1].idlabel, "Script2");
  EXPECT_EQ(m_doc.m_scripts[kMaxScripts - 1].steps.Count(), 0);
  EXPECT_EQ(Editor().Selected(), "Script2");
  EXPECT_TRUE(m_doc.IsModified());

  Editor().New();
  Editor().Select("S1");
  Editor().Copy();
  Editor().Paste();
  EXPECT_EQ(Messages(), (std::vector<std::string>{kScriptsOverLimit, kScriptsOverLimit}));
  EXPECT_EQ(m_doc.m_scripts.Count(), kMaxScripts);
  EXPECT_EQ(m_configured.size(), 1u);
}

TEST_F(ScriptList, PastedLabelsAreMadeUniqueAndTheClipboardStays) {
  AddLabelled(m_doc, "Pump", kStepWaitForData);
  Editor().Select("Pump");
  Editor().Copy();
  EXPECT_EQ(m_clipkind, -1);
  EXPECT_FALSE(Editor().HasSelection());
  Editor().Paste();
  Editor().Paste();
  EXPECT_EQ(Labels(m_doc), (std::vector<std::string>{"Pump", "Pump1", "Pump2"}));
  EXPECT_EQ(Editor().Selected(), "Pump2");
  EXPECT_EQ(m_doc.m_scripts[2].steps.Count(), 1);
  Editor().Select("Pump");
  Editor().Delete();
  Editor().Paste();
  EXPECT_EQ(Labels(m_doc), (std::vector<std::string>{"Pump1", "Pump2", "Pump"}));
  EXPECT_EQ(Editor().Lines(), (std::vector<std::string>{"Pump", "Pump1", "Pump2"}));
}

TEST_F(ScriptList, AnActionScriptIsNeverListedDeletedOrCopied) {
  AddLabelled(m_doc, "Start", kStepStartScript);
  AddLabelled(m_doc, kAction);
  AddLabelled(m_doc, "Pump");
  EXPECT_EQ(Editor().Lines(), (std::vector<std::string>{"Pump", "Start"}));
  Editor().Select("Pump");
  Editor().Copy();
  for (const char* line : {"Pump", "Start"}) {
    Editor().Select(line);
    Editor().Delete();
  }
  Editor().Select(kAction);
  Editor().Delete();
  Editor().Copy();
  Editor().Paste();
  EXPECT_EQ(Labels(m_doc), (std::vector<std::string>{kAction, "Pump"}));
  EXPECT_EQ(Editor().Lines(), std::vector<std::string>{"Pump"});
}

TEST_F(ScriptList, DeleteRemovesOneScriptAndLeavesItsReferences) {
  AddLabelled(m_doc, "Tank");
  AddLabelled(m_doc, "Starter", kStepStartScript);
  AddLabelled(m_doc, "Tank");
  m_doc.m_scripts[0].steps.Add(NewScriptStep(kStepExitScript));
  AddLabelled(m_doc, "Pump");
  Editor().Select("Pump");
  Editor().Delete();
  EXPECT_EQ(m_doc.m_scripts[1].steps[0].param1, "Pump");
  Editor().Select("Tank");
  Editor().Delete();
  EXPECT_EQ(Labels(m_doc), (std::vector<std::string>{"Starter", "Tank"}));
  EXPECT_EQ(m_doc.m_scripts[1].steps.Count(), 0);
  EXPECT_EQ(Editor().Lines(), (std::vector<std::string>{"Starter", "Tank"}));
  EXPECT_FALSE(Editor().HasSelection());
}

TEST_F(ScriptList, EditSelectsTheLabelTheConfigurationLeft) {
  AddLabelled(m_doc, "Fill");
  m_editor.emplace(m_doc, m_sink, m_clipkind, [this](int index) { m_doc.m_scripts[index].idlabel = "Drain"; });
  Editor().Select("Fill");
  Editor().Edit();
  EXPECT_EQ(Editor().Selected(), "Drain");
  EXPECT_EQ(Editor().Lines(), std::vector<std::string>{"Drain"});
}

TEST_F(ScriptList, ExportAndImportRoundTripAndRefill) {
  testing::ScratchFolder folder;
  FakeMillisecondClock clock;
  TextMemFile memfile(m_sink, clock);
  m_doc = testing::EveryStepProject();
  const TextFileJob job{(folder / kScriptsFileName).string(), m_sink};
  ASSERT_EQ(Editor().Export(job), TextFileOutcome::Done);
  EXPECT_EQ(testing::ReadBytes(folder / kScriptsFileName), testing::Fixture("every-step.Scripts.txt"));

  Editor().Select("Empty");
  Editor().Delete();
  AddLabelled(m_doc, "Extra");
  Editor().Select("Extra");
  ASSERT_EQ(Editor().Import(job, memfile), TextFileOutcome::Done);
  EXPECT_EQ(Editor().Lines(), (std::vector<std::string>{"Empty", "Every Step"}));
  EXPECT_FALSE(Editor().HasSelection());
  EXPECT_EQ(Labels(m_doc), (std::vector<std::string>{kAction, "Empty", "Every Step"}));
  EXPECT_EQ(m_doc.m_scripts[2].steps.Count(), testing::EveryStepProject().m_scripts[2].steps.Count());
}

}  // namespace
}  // namespace korvix
