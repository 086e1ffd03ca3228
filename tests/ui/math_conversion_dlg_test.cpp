#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "modal_driver.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/global_variables_dlg.h"
#include "ui/id_label_selector_dlg.h"
#include "ui/latin1_edits.h"
#include "ui/math_conversion_dlg.h"
#include "ui/math_function_dlg.h"

namespace korvix::testing {
namespace {

const std::string kNameList = "<Data Windows>\xA2\tTank1\xA2\tTank2\xA2<Global Variables>\xA2\trecdata\xA2";

struct Opened {
  Opened(std::string formulatext, std::string targettext, int targetfixed)
      : dialog(nullptr, sink, kNameList, std::move(formulatext), std::move(targettext), targetfixed) {
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
    formula = dialog.findChild<Latin1TextEdit*>();
    target = dialog.findChild<Latin1LineEdit*>();
  }
  QPushButton* Button(const char* text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      if (button->text() == QLatin1String(text)) return button;
    return nullptr;
  }
  RecordingMessageSink sink;
  CMathConversionDlg dialog;
  Latin1TextEdit* formula;
  Latin1LineEdit* target;
};

TEST(MathConversionDlg, OkShowsTheTrimmedTextsAndHandsThemBack) {
  Opened opened("  {Tank1} * 2  ", "Tank2", 1);
  EXPECT_EQ(opened.dialog.windowTitle(), QStringLiteral("Math Conversion Properties"));
  EXPECT_FALSE(opened.target->isEnabled());
  EXPECT_TRUE(opened.Button("OK")->isDefault());
  opened.formula->appendPlainText("\n");
  opened.Button("OK")->click();
  EXPECT_EQ(opened.dialog.result(), QDialog::Accepted);
  EXPECT_EQ(opened.formula->toPlainText(), QStringLiteral("{Tank1} * 2"));
  EXPECT_EQ(opened.dialog.Formula(), "{Tank1} * 2");
  EXPECT_EQ(opened.dialog.Target(), "Tank2");
  EXPECT_TRUE(opened.sink.shown.empty());
}

TEST(MathConversionDlg, ARefusedFormulaKeepsTheDialogOpenOnTheFormula) {
  Opened opened(" Tank1 * 2", "", 0);
  ModalDriver<CIdLabelSelectorDlg> selectors([](CIdLabelSelectorDlg& selector) { selector.reject(); });
  opened.Button("OK")->setFocus(Qt::MouseFocusReason);
  opened.Button("OK")->click();
  QApplication::processEvents();
  ASSERT_EQ(opened.sink.shown.size(), 1u);
  EXPECT_EQ(opened.sink.shown[0].caption, "Entry Error");
  EXPECT_TRUE(opened.dialog.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), opened.formula);
  EXPECT_EQ(opened.formula->toPlainText(), QStringLiteral("Tank1 * 2"));
  EXPECT_EQ(selectors.served, 0);

  opened.Button("Cancel")->click();
  EXPECT_EQ(opened.dialog.result(), QDialog::Rejected);
  EXPECT_EQ(opened.dialog.Formula(), " Tank1 * 2");
}

void PressSelect(QDialog& selector, int row) {
  selector.findChild<QListWidget*>()->setCurrentRow(row);
  for (QPushButton* button : selector.findChildren<QPushButton*>())
    if (button->text() == QLatin1String("Select")) button->click();
}

TEST(MathConversionDlg, TheButtonsWriteIntoTheFormulaAtTheCaret) {
  Opened opened("2 * ", "Out", 1);
  opened.formula->moveCursor(QTextCursor::End);
  ModalDriver<CIdLabelSelectorDlg> labels([](CIdLabelSelectorDlg& selector) { PressSelect(selector, 4); });
  ModalDriver<CMathFunctionDlg> functions([](CMathFunctionDlg& selector) { PressSelect(selector, 0); });
  ModalDriver<CGlobalVariablesDlg> globals([](CGlobalVariablesDlg& reference) { reference.reject(); });

  opened.Button("Object ID Labels")->click();
  EXPECT_EQ(opened.formula->toPlainText(), QStringLiteral("2 * {recdata}"));
  opened.formula->insertPlainText(" + ");
  opened.Button("Math Functions")->click();
  EXPECT_EQ(opened.formula->toPlainText(), QStringLiteral("2 * {recdata} + $ABS(  )"));
  // Offscreen, a window stays inactive once a modal dialog over it closes;
  // the dialog still knows which of its widgets has the focus.
  EXPECT_EQ(opened.dialog.focusWidget(), opened.formula);
  opened.formula->insertPlainText("1");
  EXPECT_EQ(opened.formula->toPlainText(), QStringLiteral("2 * {recdata} + $ABS( 1 )"));

  opened.Button("Global Variables")->click();
  EXPECT_EQ(globals.served, 1);
  EXPECT_EQ(opened.dialog.focusWidget(), opened.Button("OK"));
}

TEST(MathConversionDlg, MovingIntoTheTargetOffersTheLabelsOnce) {
  Opened opened("1", "Old", 0);
  ModalDriver<CIdLabelSelectorDlg> selectors([](CIdLabelSelectorDlg& selector) {
    EXPECT_EQ(selector.findChild<QListWidget*>()->count(), 3);  // no global variables for a target
    PressSelect(selector, 2);
  });
  opened.target->setFocus(Qt::TabFocusReason);
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_EQ(selectors.served, 1);
  EXPECT_EQ(opened.target->text(), QStringLiteral("Tank2"));
}

}  // namespace
}  // namespace korvix::testing
