#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <filesystem>
#include <string>
#include <vector>

#include "automation/step_codes.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "shown_text.h"
#include "smtp_peer.h"
#include "ui/main_frame.h"
#include "ui/view_subsystems.h"

namespace korvix {
namespace {

constexpr int kStepSendEmail = 27;
constexpr qint64 kRunLimitMs = 30000;

struct ShownPopup {
  QString title;
  QString text;
};

constexpr char kPopupTitle[] = "Tank [*] <b>high</b>";

// Takes down what every popup window shows at the moment it appears: a later
// popup may replace it before the test gets to look.
class PopupWatcher final : public QObject {
public:
  PopupWatcher() { qApp->installEventFilter(this); }
  ~PopupWatcher() override { qApp->removeEventFilter(this); }

  std::vector<ShownPopup> shown;

  bool Saw(const QString& title) const {
    for (const ShownPopup& popup : shown)
      if (popup.title == title) return true;
    return false;
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog && event->type() == QEvent::Show) {
      auto* message = dialog->findChild<QLabel*>(QStringLiteral("message"));
      if (message && dialog->windowHandle())
        shown.push_back({dialog->windowHandle()->title(), testing::ShownText(message)});
    }
    return false;
  }
};

ScriptStep Step(int code, const std::string& param1, const std::string& param2) {
  ScriptStep step = NewScriptStep(code);
  step.param1 = param1;
  step.param2 = param2;
  return step;
}

// The running program with its own popup window and mail sender: what a
// Script or a mail server says reaches the screen as it was said.
class OutsideTextsTest : public ::testing::Test {
protected:
  static std::string Folder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvix-texts-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return "";
    return pattern;
  }
  ~OutsideTextsTest() override {
    delete subsystems;
    std::filesystem::remove_all(folder);
  }

  // Runs the Script that shows `text` in a Text Window and a popup and then
  // mails to the recipient the server refuses, until the failure is shown.
  void RunScriptShowing(const std::string& text, int port) {
    doc.m_emailserver.smtpserver = "127.0.0.1";
    doc.m_emailserver.smtpport = port;
    doc.m_emailserver.senderemail = "plant@test.invalid";
    ScriptRecord& script = doc.m_scripts[0];
    script.steps.Clear();
    script.steps.Add(Step(kStepShowMessage, text, "TW1"));
    script.steps.Add(Step(kStepShowPopupBox, kPopupTitle, text));
    script.steps.Add(Step(kStepSendEmail, "refused@test.invalid", "Level"));
    QElapsedTimer running;
    running.start();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (popups.Saw(QStringLiteral("Send Email Failed")) || running.elapsed() > kRunLimitMs)
        subsystems->RunLoop().OnRunLoopHalt();
    });
    watch.start(10);
    frame.CommandAction(ID_RUNLOOP_START)->trigger();
  }

  std::string folder = Folder();
  MemoryProfile profile;
  CKorvixDoc doc = [] {
    CKorvixDoc made;
    made.m_textwindows[made.m_textwindows.Add()].idlabel = "TW1";
    made.m_scripts[made.m_scripts.Add()].idlabel = "Report";
    made.m_runinitscript = "Report";
    return made;
  }();
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, [] {});
  PopupWatcher popups;
};

TEST_F(OutsideTextsTest, ShowMessageThePopupBoxAndTheMailServersRefusalShowTheirTextsAsGiven) {
  struct Row {
    const char* text;     // in the Script, and after "550 " in the server's refusal
    const char* failure;  // the refusal in the popup: "; " breaks the line
  } rows[] = {
      {"Mailbox <address> unknown, <b>see</b> postmaster", "550 Mailbox <address> unknown, <b>see</b> postmaster"},
      {"<b>Tank</b> overflow", "550 <b>Tank</b> overflow"},
      {"Tom &amp; Jerry", "550 Tom &amp.\nJerry"},
      {"<img src=\"/tmp/x.png\"> picture", "550 <img src=\"/tmp/x.png\"> picture"},
  };
  frame.show();
  for (const Row& row : rows) {
    const std::string text = row.text;
    SCOPED_TRACE(text);
    SmtpPeer peer("none", folder, folder, "", "", "550 " + text);
    ASSERT_NE(peer.Port(), 0);
    popups.shown.clear();

    RunScriptShowing(text, peer.Port());

    EXPECT_EQ(doc.m_textwindows[0].valuetext, text) << "the Text Window draws what Show Message gave it";
    ASSERT_EQ(popups.shown.size(), 2u);
    EXPECT_EQ(popups.shown[0].title, QString::fromLatin1(kPopupTitle));
    EXPECT_EQ(popups.shown[0].text, QString::fromLatin1(text));
    EXPECT_EQ(popups.shown[1].title, QStringLiteral("Send Email Failed"));
    EXPECT_EQ(popups.shown[1].text, QString::fromLatin1(row.failure));
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().text;

    // The failure stays up until the user closes it, and no popup replaces
    // it meanwhile.
    QDialog* failure = subsystems->RunLoop().PopupWindow().Window();
    ASSERT_NE(failure, nullptr);
    failure->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(subsystems->RunLoop().Runtime().Popup().m_open, 0);
  }
}

}  // namespace
}  // namespace korvix
