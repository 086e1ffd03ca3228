#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <memory>

#include "modal_driver.h"
#include "ui/expression_examples_dlg.h"
#include "ui/global_variables_dlg.h"
#include "ui/id_label_selector_dlg.h"
#include "ui/math_function_dlg.h"
#include "ui/selector_fields.h"
#include "widget_input.h"

namespace korvix::testing {
namespace {

const std::string kNameList =
    "<Data Windows>\xA2\tTank1\xA2\tTank2\xA2<Global Variables>\xA2\trecdata\xA2"
    "\trawdata\xA2<Scripts>\xA2\tStart\xA2";

QPushButton* ButtonNamed(QWidget& dialog, const char* text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == QLatin1String(text)) return button;
  return nullptr;
}

QStringList Lines(QWidget& dialog) {
  QStringList lines;
  auto* list = dialog.findChild<QListWidget*>();
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

// Selects a line as a click would, then presses Select.
void ChooseLine(QDialog& dialog, const QString& line) {
  auto* list = dialog.findChild<QListWidget*>();
  list->setCurrentItem(list->findItems(line, Qt::MatchExactly).value(0));
  ButtonNamed(dialog, "Select")->click();
}

TEST(IdLabelSelector, OffersEntriesNeverHeadersAndReturnsTheLabelInBraces) {
  CIdLabelSelectorDlg dialog(nullptr, kNameList, 1);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ID Label Selector"));
  EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("ID Labels"));
  EXPECT_EQ(Lines(dialog),
            QStringList({"<Data Windows>", "\tTank1", "\tTank2", "<Global Variables>", "\trecdata", "\trawdata"}));
  QPushButton* select = ButtonNamed(dialog, "Select");
  EXPECT_TRUE(select->isDefault());
  EXPECT_FALSE(select->isEnabled());

  auto* list = dialog.findChild<QListWidget*>();
  list->setCurrentRow(4);
  EXPECT_TRUE(select->isEnabled());
  list->setCurrentRow(3);
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_FALSE(select->isEnabled());

  ChooseLine(dialog, "\trecdata");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Label(), "{recdata}");
}

TEST(IdLabelSelector, AMissingGroupShowsOneLineThatCannotBeChosen) {
  CIdLabelSelectorDlg dialog(nullptr, "<Global Variables>\xA2\trecdata\xA2", 0, "<Scripts>");
  EXPECT_EQ(Lines(dialog), QStringList({"No Scripts Found"}));
  dialog.findChild<QListWidget*>()->setCurrentRow(0);
  EXPECT_TRUE(dialog.findChild<QListWidget*>()->selectedItems().isEmpty());
  EXPECT_FALSE(ButtonNamed(dialog, "Select")->isEnabled());
}

TEST(IdLabelSelector, AShortListShrinksTheDialogALongOneScrolls) {
  auto listof = [](int entries) {
    std::string list = "<Variables>\xA2";
    for (int i = 0; i < entries; ++i) list += "\tV" + std::to_string(i) + "\xA2";
    return list;
  };
  CIdLabelSelectorDlg shortlist(nullptr, listof(2), 0);
  CIdLabelSelectorDlg longlist(nullptr, listof(100), 0);
  CIdLabelSelectorDlg longerlist(nullptr, listof(200), 0);
  EXPECT_LT(shortlist.height(), longlist.height());
  EXPECT_EQ(longlist.height(), longerlist.height());
  longlist.show();
  EXPECT_GT(longlist.findChild<QListWidget*>()->verticalScrollBar()->maximum(), 0);
}

TEST(MathFunctionSelector, ReturnsTheFunctionWithRoomForItsArgument) {
  CMathFunctionDlg dialog(nullptr);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Math Function Selector"));
  EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Function Labels"));
  const QStringList lines = Lines(dialog);
  ASSERT_EQ(lines.size(), 16);
  EXPECT_EQ(lines.first(), QStringLiteral("$ABS(  )\tAbsolute value"));
  EXPECT_EQ(lines.last(), QStringLiteral("$NRAD(  )\tNormalize Radians"));
  EXPECT_FALSE(ButtonNamed(dialog, "Select")->isEnabled());
  ChooseLine(dialog, "$SQRT(  )\tSquare root");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Function(), "$SQRT(  )");
}

TEST(ReferenceDialogs, ShowTheirTextsWithoutButtonsAndCloseOnEnter) {
  const struct {
    std::function<std::unique_ptr<QDialog>()> make;
    const char* caption;
    const char* text;
  } cases[] = {
      {[] { return std::make_unique<CGlobalVariablesDlg>(nullptr); }, "Global Variables",
       "{systemdow} = current day of week retrieved from the system date. 1 = Sun, 2 = Mon, 3 = Tue, etc."},
      {[] { return std::make_unique<CExpressionExamplesDlg>(nullptr); }, "Expression Examples",
       ">   >=   <   <=   =   <>"},
  };
  for (const auto& c : cases) {
    std::unique_ptr<QDialog> dialog = c.make();
    EXPECT_EQ(dialog->windowTitle(), QLatin1String(c.caption));
    EXPECT_TRUE(dialog->findChildren<QPushButton*>().isEmpty());
    bool found = false;
    for (QLabel* label : dialog->findChildren<QLabel*>()) found = found || label->text() == QLatin1String(c.text);
    EXPECT_TRUE(found) << c.text;
    dialog->show();
    PressKey(dialog.get(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible()) << c.caption;
  }
}

TEST(SelectorFields, ALabelReferenceReplacesTheSelectionInBraces) {
  QLineEdit field("A + B");
  field.setSelection(4, 1);
  ModalDriver<CIdLabelSelectorDlg> driver([](CIdLabelSelectorDlg& selector) { ChooseLine(selector, "\tTank2"); });
  InsertLabelReference(&field, kNameList);
  EXPECT_EQ(field.text(), QStringLiteral("A + {Tank2}"));
  EXPECT_EQ(field.cursorPosition(), 11);
}

TEST(SelectorFields, AFunctionLeavesTheCaretBetweenItsBlanks) {
  QPlainTextEdit field("2 * \n+ 1");
  QTextCursor caret = field.textCursor();
  caret.setPosition(4);
  field.setTextCursor(caret);
  ModalDriver<CMathFunctionDlg> driver(
      [](CMathFunctionDlg& selector) { ChooseLine(selector, "$LOG(  )\tBase-10 logarithm"); });
  InsertMathFunction(&field);
  EXPECT_EQ(field.toPlainText(), QStringLiteral("2 * $LOG(  )\n+ 1"));
  EXPECT_EQ(field.textCursor().position(), 10);
}

TEST(SelectorFields, ATargetTakesTheBareLabelWholeAndCancelKeepsIt) {
  QLineEdit field("Old");
  {
    ModalDriver<CIdLabelSelectorDlg> driver([](CIdLabelSelectorDlg& selector) { selector.reject(); });
    OfferTargetLabel(&field, kNameList);
    EXPECT_EQ(field.text(), QStringLiteral("Old"));
  }
  ModalDriver<CIdLabelSelectorDlg> driver([](CIdLabelSelectorDlg& selector) {
    EXPECT_EQ(Lines(selector), QStringList({"<Scripts>", "\tStart"}));
    ChooseLine(selector, "\tStart");
  });
  OfferTargetLabel(&field, kNameList, "<Scripts>");
  EXPECT_EQ(field.text(), QStringLiteral("Start"));
}

}  // namespace
}  // namespace korvix::testing
