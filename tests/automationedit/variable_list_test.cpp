#include "automationedit/variable_list.h"

#include <gtest/gtest.h>

#include "automationedit/variable_properties.h"
#include "platform/testing/recording_message_sink.h"

namespace korvix {
namespace {

constexpr const char* kOverLimit = "Over Limit: Korvix can not contain more than 1000 Variables.";

void AddLabelled(CKorvixDoc& doc, const std::string& label, int logcolumn = kNoLogColumn) {
  VariableRecord variable;
  variable.idlabel = label;
  variable.logcolumn = logcolumn;
  doc.m_variables.Add(variable);
}

// What the properties dialog does when it closes.
enum class Answer { Cancel, Ok, Delete };

class VariableList : public ::testing::Test {
protected:
  VariableListEditor& Editor() {
    if (!m_editor) {
      m_editor.emplace(m_doc, m_states, m_sink, m_clipkind, [this](int index) {
        m_edited.push_back(index);
        if (m_answer == Answer::Delete) DeleteVariable(m_doc, m_states, index);
        if (m_answer == Answer::Ok) {
          VariableFields fields = VariableFieldsOf(m_doc.m_variables[index]);
          fields.m_idlabel = m_newlabel;
          ASSERT_TRUE(CheckVariableFields(m_sink, m_doc, index, fields));
          StoreVariableFields(m_doc, m_states, index, fields);
        }
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
  VariableRunStates m_states;
  RecordingMessageSink m_sink;
  int m_clipkind = 0;
  Answer m_answer = Answer::Cancel;
  std::string m_newlabel;
  std::vector<int> m_edited;
  std::optional<VariableListEditor> m_editor;
};

TEST_F(VariableList, LinesAreSortedWithCaseFoldedAndNothingIsSelected) {
  for (const char* label : {"beta", "Alpha", "_x", "alpha", "Gamma"}) AddLabelled(m_doc, label);
  EXPECT_EQ(Editor().Lines(), (std::vector<std::string>{"_x", "Alpha", "alpha", "beta", "Gamma"}));
  EXPECT_FALSE(Editor().HasSelection());
  EXPECT_FALSE(Editor().CanPaste());
}

TEST_F(VariableList, NewAddsOneUpToTheLimitAndKeepsItOnCancel) {
  for (int i = 0; i < kMaxVariables - 1; ++i) AddLabelled(m_doc, "V" + std::to_string(i));
  ConditionalRecord conditional;
  conditional.idlabel = "variable1";
  m_doc.m_conditionals.Add(conditional);
  Editor().New();
  ASSERT_EQ(m_doc.m_variables.Count(), kMaxVariables);
  EXPECT_EQ(m_edited, std::vector<int>{kMaxVariables - 1});
  EXPECT_EQ(m_doc.m_variables[kMaxVariables - 1].idlabel, "Variable2");
  EXPECT_EQ(Editor().Selected(), "Variable2");
  EXPECT_TRUE(m_doc.IsModified());
  EXPECT_TRUE(m_sink.shown.empty());

  m_doc.SetModifiedFlag(false);
  Editor().New();
  Editor().Select("V1");
  Editor().Copy();
  Editor().Paste();
  EXPECT_EQ(Messages(), (std::vector<std::string>{kOverLimit, kOverLimit}));
  EXPECT_EQ(m_doc.m_variables.Count(), kMaxVariables);
  EXPECT_FALSE(m_doc.IsModified());
  // Edit and Delete still work at the limit.
  Editor().Select("V2");
  Editor().Edit();
  EXPECT_EQ(m_edited.back(), 2);
  Editor().Select("V2");
  Editor().Delete();
  EXPECT_EQ(m_doc.m_variables.Count(), kMaxVariables - 1);
}

TEST_F(VariableList, PasteMakesAnUnloggedCopyUnderAUniqueLabel) {
  AddLabelled(m_doc, "Tank", 0);
  AddLabelled(m_doc, "tank", 1);
  m_states[0].ddelink = 1;
  m_doc.m_variables[0].valuetext = "12.5";
  Editor().Select("Tank");
  Editor().Copy();
  EXPECT_FALSE(Editor().HasSelection());
  EXPECT_EQ(m_clipkind, -4);
  EXPECT_TRUE(Editor().CanPaste());
  Editor().Paste();
  Editor().Paste();
  ASSERT_EQ(m_doc.m_variables.Count(), 4);
  EXPECT_EQ(m_doc.m_variables[2].idlabel, "Tank1");
  EXPECT_EQ(m_doc.m_variables[3].idlabel, "Tank2");
  EXPECT_EQ(m_doc.m_variables[2].logcolumn, kNoLogColumn);
  EXPECT_EQ(m_states[2].ddelink, 0);
  EXPECT_EQ(m_doc.m_variables[2].valuetext, "12.5");
  EXPECT_EQ(Editor().Selected(), "Tank2");
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(VariableList, DeleteFreesTheLogColumnAndRenumbersTheLaterOnes) {
  AddLabelled(m_doc, "A", 0);
  AddLabelled(m_doc, "B", 1);
  AddLabelled(m_doc, "C", 2);
  m_doc.m_logfieldcount = 3;
  Editor().Select("A");
  Editor().Delete();
  EXPECT_EQ(Editor().Lines(), (std::vector<std::string>{"B", "C"}));
  EXPECT_FALSE(Editor().HasSelection());
  EXPECT_EQ(m_doc.m_variables[0].logcolumn, 0);
  EXPECT_EQ(m_doc.m_variables[1].logcolumn, 1);
  EXPECT_EQ(m_doc.m_logfieldcount, 2);
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(VariableList, SelectionAfterTheDialogDeletedOrRenamed) {
  struct Case {
    const char* what;
    void (*request)(VariableListEditor&);
    Answer answer;
    std::optional<std::string> selected;
    std::vector<std::string> lines;
  } cases[] = {
      {"New then Delete selects the last", [](VariableListEditor& e) { e.New(); }, Answer::Delete, "B", {"A", "B"}},
      {"Edit deleting the last selects nothing",
       [](VariableListEditor& e) {
         e.Select("B");
         e.Edit();
       },
       Answer::Delete,
       std::nullopt,
       {"A"}},
      {"Edit renaming selects the new label",
       [](VariableListEditor& e) {
         e.Select("B");
         e.Edit();
       },
       Answer::Ok,
       "Renamed",
       {"A", "Renamed"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    m_doc = CKorvixDoc();
    m_editor.reset();
    AddLabelled(m_doc, "A");
    AddLabelled(m_doc, "B");
    m_answer = c.answer;
    m_newlabel = "Renamed";
    c.request(Editor());
    EXPECT_EQ(Editor().Selected(), c.selected);
    EXPECT_EQ(Editor().Lines(), c.lines);
  }
}

}  // namespace
}  // namespace korvix
