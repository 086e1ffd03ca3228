#include "automationedit/script_configuration.h"

#include <gtest/gtest.h>

#include "automation/step_codes.h"
#include "automationedit/script_list.h"
#include "automationedit/script_step_properties.h"
#include "platform/testing/recording_message_sink.h"

namespace korvix {
namespace {

constexpr const char* kStepsOverLimit = "Over Limit: A Script can not contain more than 1000 Steps.";

class ScriptConfiguration : public ::testing::Test {
protected:
  int AddScript(const std::string& label, std::initializer_list<int> codes = {}) {
    ScriptRecord script;
    script.idlabel = label;
    for (const int code : codes) script.steps.Add(NewScriptStep(code));
    return m_doc.m_scripts.Add(std::move(script));
  }
  ScriptConfigurationEditor& Editor(int script) {
    m_editor.emplace(m_doc, m_sink, m_clipkind, script, [this, script](int step) {
      m_edited.push_back(step);
      if (m_deletes) DeleteScriptStep(m_doc, script, step);
      return true;
    });
    return *m_editor;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : m_sink.shown) texts.push_back(shown.caption + ": " + shown.text);
    return texts;
  }
  std::vector<int> Codes(int script) const {
    std::vector<int> codes;
    for (const ScriptStep& step : m_doc.m_scripts[script].steps) codes.push_back(step.code);
    return codes;
  }

  CKorvixDoc m_doc;
  RecordingMessageSink m_sink;
  int m_clipkind = 0;
  bool m_deletes = false;
  std::vector<int> m_edited;
  std::optional<ScriptConfigurationEditor> m_editor;
};

TEST_F(ScriptConfiguration, AddStepGoesAfterTheSelectionOrAtTheEnd) {
  const int script = AddScript("Fill", {2, 2, 2, 2});
  ScriptConfigurationEditor& editor = Editor(script);
  editor.Select(2);
  editor.AddStep("\tTransmit Command");
  EXPECT_EQ(Codes(script), (std::vector<int>{2, 2, 2, 0, 2}));
  EXPECT_EQ(editor.Selected(), 3);
  EXPECT_EQ(m_doc.m_scripts[script].steps[3].param2, "Discard");
  EXPECT_EQ(editor.Lines()[3], "<Transmit Command> , , Discard");
  EXPECT_TRUE(m_doc.IsModified());

  editor.Select(std::nullopt);
  editor.AddStep("\tIF");
  editor.AddStep(std::string(36, '-'));
  EXPECT_EQ(Codes(script), (std::vector<int>{2, 2, 2, 0, 2, kStepIf}));
  EXPECT_EQ(editor.Selected(), 5);
  EXPECT_FALSE(ScriptConfigurationEditor::CanAddStep(std::string(36, '-')));
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(ScriptConfiguration, AThousandStepsRefuseAddAndPaste) {
  const int script = AddScript("Full");
  for (int i = 0; i < kMaxScriptSteps; ++i) m_doc.m_scripts[script].steps.Add(NewScriptStep(2));
  ScriptConfigurationEditor& editor = Editor(script);
  editor.Select(0);
  editor.CopyStep();
  editor.AddStep("\tIF");
  editor.PasteStep();
  EXPECT_EQ(Messages(), (std::vector<std::string>{kStepsOverLimit, kStepsOverLimit}));
  EXPECT_EQ(m_doc.m_scripts[script].steps.Count(), kMaxScriptSteps);
  EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(ScriptConfiguration, MovesStopAtTheEndsAndEditDeleteFollowTheSelection) {
  const int script = AddScript("Order", {0, 1, 2});
  ScriptConfigurationEditor& editor = Editor(script);
  editor.Select(0);
  editor.MoveUp();
  editor.Select(2);
  editor.MoveDown();
  EXPECT_EQ(Codes(script), (std::vector<int>{0, 1, 2}));
  EXPECT_FALSE(m_doc.IsModified());
  editor.MoveUp();
  EXPECT_EQ(Codes(script), (std::vector<int>{0, 2, 1}));
  EXPECT_EQ(editor.Selected(), 1);

  editor.EditStep();
  EXPECT_EQ(m_edited, std::vector<int>{1});
  EXPECT_EQ(editor.Selected(), 1);
  m_deletes = true;
  editor.EditStep();
  EXPECT_EQ(Codes(script), (std::vector<int>{0, 1}));
  EXPECT_EQ(editor.Selected(), std::nullopt);

  editor.Select(0);
  editor.DeleteStep();
  EXPECT_EQ(Codes(script), (std::vector<int>{1}));
  EXPECT_EQ(editor.Selected(), std::nullopt);
  EXPECT_EQ(editor.Lines().size(), 1u);
}

TEST_F(ScriptConfiguration, EditStepIsOffForStepsWithoutFields) {
  const int script = AddScript("Flow", {kStepIf, kStepElse, kStepEndIf, kStepExitScript});
  ScriptConfigurationEditor& editor = Editor(script);
  EXPECT_FALSE(editor.CanEditStep());
  const bool expected[] = {true, false, false, false};
  for (int step = 0; step < 4; ++step) {
    editor.Select(step);
    EXPECT_EQ(editor.CanEditStep(), expected[step]) << step;
  }
}

TEST_F(ScriptConfiguration, PasteNeedsACopiedStepRepeatsAndYieldsToACopiedScript) {
  const int script = AddScript("Source", {0, 1});
  ScriptConfigurationEditor& editor = Editor(script);
  EXPECT_FALSE(editor.CanPaste());
  editor.Select(1);
  editor.PasteStep();
  EXPECT_EQ(Codes(script), (std::vector<int>{0, 1}));

  m_doc.m_scripts[script].steps[1].spare5 = 7;
  editor.CopyStep();
  EXPECT_EQ(m_clipkind, -2);
  EXPECT_EQ(editor.Selected(), std::nullopt);
  editor.Select(0);
  editor.PasteStep();
  editor.PasteStep();
  EXPECT_EQ(Codes(script), (std::vector<int>{0, 1, 1, 1}));
  EXPECT_EQ(m_doc.m_scripts[script].steps[1].spare5, 7);
  EXPECT_EQ(editor.Selected(), 2);

  ScriptListEditor list(m_doc, m_sink, m_clipkind, [](int) {});
  AddScript("Other", {5});
  list.Select("Other");
  list.Copy();
  EXPECT_FALSE(editor.CanPaste());
  m_clipkind = -2;
  editor.Select(std::nullopt);
  editor.PasteStep();
  EXPECT_EQ(m_doc.m_scripts[script].steps[4].code, 0) << "the copied Script brought an empty step slot";
}

TEST_F(ScriptConfiguration, CloseChecksTheLabelThenTheNestingThenOtherScripts) {
  AddScript("Pump");
  VariableRecord variable;
  variable.idlabel = "Level";
  m_doc.m_variables.Add(variable);
  ConditionalRecord conditional;
  conditional.idlabel = "Alarm";
  m_doc.m_conditionals.Add(conditional);
  const int script = AddScript("Fill", {kStepIf, kStepTransmitCommand});
  ScriptConfigurationEditor& editor = Editor(script);

  std::string label = "  p u M P ";
  EXPECT_EQ(editor.CheckClose(label), CloseRefusal::Nesting);
  EXPECT_EQ(label, "p u M P");
  EXPECT_EQ(editor.Selected(), 0);
  m_doc.m_scripts[script].steps.Add(NewScriptStep(kStepEndIf));
  EXPECT_EQ(editor.CheckClose(label), CloseRefusal::None);
  EXPECT_FALSE(editor.CommitLabel(label));
  EXPECT_EQ(m_doc.m_scripts[script].idlabel, "Fill");
  EXPECT_EQ(m_doc.m_scripts[script].steps.Count(), 3);

  label = "1 2";
  EXPECT_EQ(editor.CheckClose(label), CloseRefusal::Label);
  EXPECT_FALSE(m_doc.IsModified());
  for (const char* taken : {"Level", "Alarm"}) {
    label = taken;
    ASSERT_EQ(editor.CheckClose(label), CloseRefusal::None);
    EXPECT_TRUE(editor.CommitLabel(label));
    EXPECT_EQ(m_doc.m_scripts[script].idlabel, taken);
  }
  EXPECT_TRUE(m_doc.IsModified());
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                "Entry Error: <IF> function without a subsequent \r<End IF> function in this grouping level.",
                "Entry Error: The ID Label \"p u M P\" already exists. You \rmust rename the Script before "
                "continuing.",
                "Entry Error: ID label must contain at least one non-numerical character."}));
}

TEST_F(ScriptConfiguration, AnActionScriptsLabelIsNeitherCheckedNorChanged) {
  const std::string action = std::string(70, 'C') + kActionScriptMarker;
  AddScript(action);
  const int script = AddScript(action);
  ScriptConfigurationEditor& editor = Editor(script);
  EXPECT_TRUE(editor.IsActionScript());
  std::string label = "";
  EXPECT_EQ(editor.CheckClose(label), CloseRefusal::None);
  EXPECT_TRUE(editor.CommitLabel(label));
  EXPECT_EQ(m_doc.m_scripts[script].idlabel, action);
  EXPECT_TRUE(m_sink.shown.empty());
  EXPECT_FALSE(m_doc.IsModified());
}

}  // namespace
}  // namespace korvix
