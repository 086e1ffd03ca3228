#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <functional>
#include <memory>

#include "help_page_catcher.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/expression_examples_dlg.h"
#include "ui/global_variables_dlg.h"
#include "ui/id_label_selector_dlg.h"
#include "ui/math_conversion_dlg.h"
#include "ui/math_function_dlg.h"
#include "widget_input.h"

namespace korvix::testing {
namespace {

TEST(DialogHelp, F1FocusesTheFirstButtonAndOpensTheTopicWhereThereIsOne) {
  RecordingMessageSink sink;
  const struct {
    std::function<std::unique_ptr<QDialog>()> make;
    const char* topic;   // empty: F1 does nothing
    const char* button;  // focused by F1
  } cases[] = {
      {[] { return std::make_unique<CIdLabelSelectorDlg>(nullptr, "<Global Variables>\xA2\trecdata\xA2", 1); },
       "IDLabels.htm", "Cancel"},
      {[] { return std::make_unique<CMathFunctionDlg>(nullptr); }, "MathFunction.htm", "Cancel"},
      {[&sink] { return std::make_unique<CMathConversionDlg>(nullptr, sink, "", "1", "", 0); }, "MathCalculation.htm",
       "OK"},
      {[] { return std::make_unique<CGlobalVariablesDlg>(nullptr); }, "", nullptr},
      {[] { return std::make_unique<CExpressionExamplesDlg>(nullptr); }, "", nullptr},
  };
  for (const auto& c : cases) {
    HelpPageCatcher help(*c.topic == '\0' ? QStringLiteral("index.html") : QLatin1String(c.topic));
    std::unique_ptr<QDialog> dialog = c.make();
    dialog->show();
    dialog->activateWindow();
    QApplication::processEvents();
    QWidget* focus = QApplication::focusWidget();
    PressKey(focus != nullptr ? focus : dialog.get(), Qt::Key_F1);
    QApplication::processEvents();
    if (*c.topic == '\0') {
      EXPECT_TRUE(help.m_opened.isEmpty()) << dialog->windowTitle().toStdString();
      EXPECT_TRUE(dialog->isVisible());
      continue;
    }
    EXPECT_EQ(help.m_opened, QStringList{QLatin1String(c.topic)});
    auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
    ASSERT_NE(button, nullptr) << c.topic;
    EXPECT_EQ(button->text(), QLatin1String(c.button));
  }
}

}  // namespace
}  // namespace korvix::testing
