#include <gtest/gtest.h>

#include "editor/button_arrays.h"
#include "editor/id_labels.h"

namespace korvix {
namespace {

template <class List>
void AddLabelled(List& list, const std::string& label) {
  typename List::value_type record;
  record.idlabel = label;
  list.Add(record);
}

TEST(MakeUniqueIdLabel, SkipsEveryTakenNumberFromOne) {
  CKorvixDoc doc;
  EXPECT_EQ(MakeUniqueIdLabel(doc, "Dial"), "Dial1");
  AddLabelled(doc.m_dialgauges, "Dial1");
  AddLabelled(doc.m_dialgauges, "Dial2");
  EXPECT_EQ(MakeUniqueIdLabel(doc, "Dial"), "Dial3");
}

TEST(MakeUniqueIdLabel, TakesTheFirstFreeNumberBelowATakenOne) {
  CKorvixDoc doc;
  AddLabelled(doc.m_dialgauges, "Dial2");
  EXPECT_EQ(MakeUniqueIdLabel(doc, "Dial"), "Dial1");
}

TEST(MakeUniqueIdLabel, ComparesBytesWithCaseSignificant) {
  CKorvixDoc doc;
  AddLabelled(doc.m_dialgauges, "dial1");
  AddLabelled(doc.m_dialgauges, "Dial 2");
  EXPECT_EQ(MakeUniqueIdLabel(doc, "Dial"), "Dial1");
  AddLabelled(doc.m_dialgauges, "Dial1");
  EXPECT_EQ(MakeUniqueIdLabel(doc, "Dial"), "Dial2");
}

// Labels of objects of another kind, Variables and Scripts block a number;
// Conditionals and Data Parsers keep their own labels apart.
TEST(MakeUniqueIdLabel, SearchesObjectsVariablesAndScriptsOnly) {
  struct Case {
    const char* holder;
    void (*add)(CKorvixDoc&);
    const char* expected;
  };
  const Case cases[] = {
      {"Variable", [](CKorvixDoc& d) { AddLabelled(d.m_variables, "Level1"); }, "Level2"},
      {"Script", [](CKorvixDoc& d) { AddLabelled(d.m_scripts, "Level1"); }, "Level2"},
      {"Chart Recorder", [](CKorvixDoc& d) { AddLabelled(d.m_chartrecorders, "Level1"); }, "Level2"},
      {"PI-Controller", [](CKorvixDoc& d) { AddLabelled(d.m_picontrollers, "Level1"); }, "Level2"},
      {"Data Window", [](CKorvixDoc& d) { AddLabelled(d.m_datawindows, "Level1"); }, "Level2"},
      {"Conditional", [](CKorvixDoc& d) { AddLabelled(d.m_conditionals, "Level1"); }, "Level1"},
      {"Data Parser", [](CKorvixDoc& d) { AddLabelled(d.m_dataparsers, "Level1"); }, "Level1"},
  };
  for (const Case& c : cases) {
    CKorvixDoc doc;
    c.add(doc);
    EXPECT_EQ(MakeUniqueIdLabel(doc, "Level"), c.expected) << c.holder;
  }
}

// New Variables and Conditionals also step over the Conditionals' labels,
// whatever their case and blanks.
TEST(MakeUniqueIdLabel, SkipsConditionalLabelsWhenAsked) {
  CKorvixDoc doc;
  AddLabelled(doc.m_conditionals, "variable 1");
  AddLabelled(doc.m_variables, "Variable2");
  EXPECT_EQ(MakeUniqueIdLabel(doc, "Variable"), "Variable1");
  EXPECT_EQ(MakeUniqueIdLabel(doc, "Variable", ConditionalLabels::Skipped), "Variable3");
}

TEST(AddButtonToArray, AppendsTheNextLetterWithPlainFields) {
  CKorvixDoc doc;
  doc.m_buttonarrays.Add();
  ASSERT_TRUE(AddButtonToArray(doc, 0));
  const ButtonArrayButtonList& buttons = doc.m_buttonarrays[0].buttons;
  ASSERT_EQ(buttons.Count(), 5);
  EXPECT_EQ(buttons[4].title, "E");
  EXPECT_EQ(buttons[4].textcolor, 0);
  EXPECT_EQ(buttons[4].action, 0);
  EXPECT_EQ(buttons[4].param, "");
  EXPECT_EQ(buttons[4].isdown, 0);
}

// A slot that once held a removed button's texts must not pass them on.
TEST(AddButtonToArray, GivesTheNewButtonTheTextsAndPrintSettingsOfAFreshAction) {
  CKorvixDoc doc;
  ButtonArrayRecord& array = doc.m_buttonarrays[doc.m_buttonarrays.Add()];
  array.buttons[3].second = "Tank1";
  array.buttons[3].fontsize = 240;
  array.buttons[3].barcode = "123";
  array.buttons[3].barsize = 30;
  array.buttons.Remove(3);
  ASSERT_TRUE(AddButtonToArray(doc, 0));
  const ButtonArrayButton& added = array.buttons[3];
  EXPECT_EQ(added.title, "D");
  EXPECT_EQ(added.second, "");
  EXPECT_EQ(added.fontsize, 120);
  EXPECT_EQ(added.barcode, "");
  EXPECT_EQ(added.barsize, 10);
}

TEST(AddButtonToArray, StopsAtTheHundredthButton) {
  CKorvixDoc doc;
  doc.m_buttonarrays.Add();
  while (doc.m_buttonarrays[0].buttons.Count() < kMaxButtonArrayButtons) ASSERT_TRUE(AddButtonToArray(doc, 0));
  EXPECT_EQ(doc.m_buttonarrays[0].buttons[99].title, std::string(1, static_cast<char>('A' + 99)));
  EXPECT_FALSE(AddButtonToArray(doc, 0));
  EXPECT_EQ(doc.m_buttonarrays[0].buttons.Count(), kMaxButtonArrayButtons);
}

}  // namespace
}  // namespace korvix
