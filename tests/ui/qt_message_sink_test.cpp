#include "ui/qt_message_sink.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

namespace korvix {
namespace {

// Enter on a question answers with its default button.
TEST(QtMessageSink, EnterAnswersNoWhereNoIsTheDefault) {
  struct Case {
    MessageButtons buttons;
    MessageResult answer;
  } cases[] = {
      {MessageButtons::YesNoDefaultNo, MessageResult::No},
      {MessageButtons::YesNo, MessageResult::Yes},
  };
  for (const Case& c : cases) {
    QtMessageSink sink;
    QTimer::singleShot(0, [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QApplication::sendEvent(box, &enter);
    });
    EXPECT_EQ(sink.Show("Export Script Configuration to File", "Caution", MessageIcon::Warning, c.buttons), c.answer);
  }
}

}  // namespace
}  // namespace korvix
