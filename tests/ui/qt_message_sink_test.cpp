#include "ui/qt_message_sink.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "shown_text.h"

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

// Every message box of the program comes here, many with a text from
// outside in them: a server's reply, a file name, a label a Script names.
TEST(QtMessageSink, ShowsTheTextAsGivenWhateverMarkupItHolds) {
  for (const char* text : testing::kMarkupLikeTexts) {
    QtMessageSink sink;
    QString shown;
    QTimer::singleShot(0, [&shown] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
      ASSERT_NE(label, nullptr);
      shown = testing::ShownText(label);
      box->button(QMessageBox::Ok)->click();
    });
    sink.Show("Send Email Failed", text, MessageIcon::Exclamation);
    EXPECT_EQ(shown, QString::fromLatin1(text));
  }
}

}  // namespace
}  // namespace korvix
