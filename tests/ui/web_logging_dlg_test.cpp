#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "help_page_catcher.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "properties/web_logging_properties.h"
#include "ui/main_frame.h"
#include "ui/web_logging_command.h"
#include "ui/web_logging_dlg.h"

namespace korvix {
namespace {

QLineEdit* EditOf(const QWidget& dialog, const char* label) {
  for (QLabel* caption : dialog.findChildren<QLabel*>())
    if (caption->text() == label) return qobject_cast<QLineEdit*>(caption->buddy());
  return nullptr;
}

// The dialog over the default settings, its Test and colour picker answered
// by the test.
class WebLoggingDlgTest : public ::testing::Test {
protected:
  WebLoggingDlgTest() {
    WebLogSettings settings;
    settings.m_ftpaddress = "ftp.example.org";
    dialog = std::make_unique<CWebLoggingDlg>(
        nullptr, messages,
        [this](QWidget*, int colour) {
          pickerpresets.push_back(colour);
          return pickeranswer;
        },
        LoadWebLoggingFields(settings),
        [this](const FtpTarget& target) {
          tried.push_back(target);
          return trialreport;
        });
    dialog->show();
  }

  QLineEdit* Edit(const char* label) const {
    QLineEdit* edit = EditOf(*dialog, label);
    EXPECT_NE(edit, nullptr) << label;
    return edit;
  }
  void Type(const char* label, const char* text) const { Edit(label)->setText(text); }
  QPushButton* Button(const char* text) const {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == text && button->isVisible()) return button;
    return nullptr;
  }
  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown) texts.push_back(shown.text);
    return texts;
  }

  RecordingMessageSink messages;
  std::vector<int> pickerpresets;
  std::optional<int> pickeranswer;
  std::vector<FtpTarget> tried;
  WebLogTestReport trialreport{"Internet connection was successfully opened.", MessageIcon::Information};
  std::unique_ptr<CWebLoggingDlg> dialog;
};

TEST_F(WebLoggingDlgTest, OkRefusesFieldsOutOfRangeAndTidiesTheRest) {
  struct Case {
    const char* label;
    const char* text;
    const char* message;  // empty: accepted
  };
  const std::vector<Case> cases = {
      {"Port", "100", "Please enter an integer between 0 and 99."},
      {"Port", "x", "Please enter an integer."},
      {"Titles after this many rows", "101", "Please enter an integer between 0 and 100."},
      {"Show every Nth data row", "two", "Please enter an integer."},
      {"Total number of data rows", "", "Please enter an integer."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.label) + "=" + c.text);
    messages.shown.clear();
    const QString before = Edit(c.label)->text();
    Type(c.label, c.text);
    Button("OK")->click();
    EXPECT_EQ(Shown(), std::vector<std::string>{c.message});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->focusWidget(), Edit(c.label));
    Edit(c.label)->setText(before);
  }

  messages.shown.clear();
  Type("FTP Address", " ftp. example .org ");
  Type("User Name", "web user");
  Type("Password", "se cret");
  Type("Host Folder", " www ");
  Type("HTML File", "Web Log.html");
  Type("Header", "  Plant  log  ");
  Type("Port", "21");
  Type("Titles after this many rows", "0");
  Type("Show every Nth data row", "-3");
  dialog->findChild<QComboBox*>()->setCurrentIndex(9);
  Button("OK")->click();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(Edit("FTP Address")->text(), "ftp.example.org");

  WebLogSettings stored;
  StoreWebLoggingFields(dialog->Fields(), stored);
  EXPECT_EQ(stored.m_ftpaddress, "ftp.example.org");
  EXPECT_EQ(stored.m_ftpuser, "webuser");
  EXPECT_EQ(stored.m_ftppassword, "secret");
  EXPECT_EQ(stored.m_ftpfolder, "www");
  EXPECT_EQ(stored.m_webloghtml, "WebLog.html");
  EXPECT_EQ(stored.m_weblogtitle, "Plant  log");
  EXPECT_EQ(stored.m_ftpport, 21);
  EXPECT_EQ(stored.m_weblogtitlerows, 0);
  EXPECT_EQ(stored.m_weblognth, -3);
  EXPECT_EQ(stored.m_weblogfontsize, 9);
}

TEST_F(WebLoggingDlgTest, TestTriesTheTidiedSettingsAndShowsTheOutcome) {
  Type("FTP Address", "127.0.0.1 ");
  Type("Host Folder", "w ww");
  Type("Port", "0");
  for (const WebLogTestReport& report :
       {WebLogTestReport{"Internet connection was successfully opened.", MessageIcon::Information},
        WebLogTestReport{"Internet connection could not be established.", MessageIcon::Exclamation}}) {
    messages.shown.clear();
    trialreport = report;
    Button("Test")->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Korvix");
    EXPECT_EQ(messages.shown[0].text, report.text);
    EXPECT_EQ(messages.shown[0].icon, report.icon);
    EXPECT_TRUE(dialog->isVisible());
  }
  ASSERT_EQ(tried.size(), 2u);
  EXPECT_EQ(tried[0].address, "127.0.0.1");
  EXPECT_EQ(tried[0].folder, "www");
  EXPECT_EQ(tried[0].port, 0);
  EXPECT_EQ(Edit("Host Folder")->text(), "www");

  messages.shown.clear();
  Type("Port", "100");
  Button("Test")->click();
  EXPECT_EQ(Shown(), std::vector<std::string>{"Please enter an integer between 0 and 99."});
  EXPECT_EQ(tried.size(), 2u);
  EXPECT_EQ(Button("Delete"), nullptr);
}

TEST_F(WebLoggingDlgTest, SwatchesShowTheirColourAndTakeThePickersChoice) {
  const QList<ColourSwatch*> swatches = dialog->findChildren<ColourSwatch*>();
  ASSERT_EQ(swatches.size(), 2u);
  const WebLogSettings defaults;
  const int colours[] = {defaults.m_weblogtextcolor, defaults.m_weblogbgcolor};
  for (qsizetype i = 0; i < 2; ++i) {
    const QImage image = swatches[i]->grab().toImage();
    const QColor inside = image.pixelColor(4, image.height() / 2);
    EXPECT_EQ(inside, QColor(colours[i] & 0xFF, (colours[i] >> 8) & 0xFF, (colours[i] >> 16) & 0xFF)) << i;
  }

  pickeranswer = 0x0000FF;
  const QPointF at(5, swatches[0]->height() / 2);
  QMouseEvent press(QEvent::MouseButtonPress, at, swatches[0]->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(swatches[0], &press);
  EXPECT_EQ(pickerpresets, std::vector<int>{defaults.m_weblogtextcolor});
  EXPECT_EQ(dialog->Fields().weblogtextcolor, 0x0000FF);
  EXPECT_EQ(dialog->Fields().weblogbgcolor, defaults.m_weblogbgcolor);
}

TEST_F(WebLoggingDlgTest, F1OpensTheWebLoggingPage) {
  HelpPageCatcher help(QStringLiteral("WebLogging.htm"));
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(dialog.get(), &f1);
  EXPECT_EQ(help.m_opened, QStringList{"WebLogging.htm"});
}

TEST(WebLoggingCommand, OkStoresAndMarksTheProjectWhileCancelAndARunOrLockLeaveIt) {
  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  bool editable = true;
  CWebLoggingCommand command(
      frame, doc, messages, [](QWidget*, int) { return std::optional<int>(); }, [&] { return editable; });
  int shown = 0;
  const auto answer = [&](const char* address, bool ok) {
    QTimer::singleShot(0, [&, address, ok] {
      auto* dialog = qobject_cast<CWebLoggingDlg*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      ++shown;
      EditOf(*dialog, "FTP Address")->setText(address);
      EditOf(*dialog, "Total number of data rows")->setText("7");
      if (ok) {
        dialog->OkButton()->click();
      } else {
        dialog->reject();
      }
    });
    frame.CommandAction(ID_RUNLOOP_WEBLOGGING)->trigger();
  };

  answer("cancelled", false);
  EXPECT_EQ(doc.m_ftpaddress, "");
  EXPECT_FALSE(doc.IsModified());

  answer("ftp. plant .org", true);
  EXPECT_EQ(doc.m_ftpaddress, "ftp.plant.org");
  EXPECT_EQ(doc.m_weblogrows, 7);
  EXPECT_EQ(doc.m_webloghtml, "WebLog.html");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(shown, 2);

  editable = false;
  frame.CommandAction(ID_RUNLOOP_WEBLOGGING)->trigger();
  EXPECT_EQ(shown, 2);
}

}  // namespace
}  // namespace korvix
