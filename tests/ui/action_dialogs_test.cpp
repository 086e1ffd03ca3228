#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include "platform/testing/recording_message_sink.h"
#include "ui/action_dialogs.h"
#include "ui/email_dlg.h"
#include "ui/email_server_dlg.h"
#include "ui/id_label_selector_dlg.h"
#include "ui/latin1_edits.h"
#include "ui/print_label_dlg.h"

namespace korvix {
namespace {

// Acts on the modal dialog of type Dialog once it shows; one still open
// afterwards is cancelled.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
}

// Chooses `label` in the ID Label Selector once it shows.
void ChooseLabel(const QString& label) {
  WhenShown<CIdLabelSelectorDlg>([label](CIdLabelSelectorDlg& selector) {
    auto* list = selector.findChild<QListWidget*>();
    list->setCurrentItem(list->findItems("\t" + label, Qt::MatchExactly).value(0));
    for (auto* button : selector.findChildren<QPushButton*>())
      if (button->text() == "Select") button->click();
  });
}

class RecordingReports final : public EmailReporter {
public:
  std::vector<std::string> sent;
  void SendEmailReport(const std::string& address, const std::string& message) override {
    sent.push_back(address + "|" + message);
  }
  int SendsInFlight() const override { return 0; }
};

class ActionDialogsTest : public ::testing::Test {
protected:
  void SetUp() override { doc.m_variables[doc.m_variables.Add()].idlabel = "Temp1"; }

  CKorvixDoc doc;
  RecordingMessageSink messages;
  RecordingReports reports;
};

TEST_F(ActionDialogsTest, EmailTestSendsAsTypedAndOkChecksTheMessage) {
  std::string address = "  op@test.invalid ";
  std::string text = "Level {Temp1}";
  bool stayedopen = false;
  bool focused = false;
  WhenShown<CEmailDlg>([&](CEmailDlg& dialog) {
    dialog.m_test->click();
    dialog.m_test->click();
    stayedopen = dialog.isVisible();
    dialog.m_text->SetText("Level {Tank9");
    dialog.OkButton()->click();
    focused = dialog.focusWidget() == dialog.m_text;
    ASSERT_TRUE(dialog.isVisible());
    dialog.m_text->SetText("Level ");
    dialog.m_text->moveCursor(QTextCursor::End);
    ChooseLabel("Temp1");
    dialog.m_labels->click();
    dialog.OkButton()->click();
  });

  EXPECT_TRUE(EditEmailAction(nullptr, messages, doc, reports, address, text));
  EXPECT_EQ(reports.sent, (std::vector<std::string>{"op@test.invalid|Level {Temp1}", "op@test.invalid|Level {Temp1}"}));
  EXPECT_TRUE(stayedopen);
  EXPECT_TRUE(focused);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(address, "op@test.invalid");
  EXPECT_EQ(text, "Level {Temp1}");
}

TEST_F(ActionDialogsTest, ServerSetupRefusesPort1000AndStoresTheCleanedSettingsOnOk) {
  doc.m_emailserver.encryption = 0;
  doc.SetModifiedFlag(false);
  bool refused = false;
  std::string address;
  std::string text;
  WhenShown<CEmailDlg>([&](CEmailDlg& dialog) {
    WhenShown<CEmailServerDlg>([&](CEmailServerDlg& server) {
      EXPECT_EQ(server.m_password->echoMode(), QLineEdit::Password);
      server.m_server->setText(" mail .test.invalid ");
      server.m_port->setText("1000");
      server.m_encryption->setCurrentIndex(1);
      server.m_sendername->setText("  Plant 7 ");
      server.OkButton()->click();
      refused = server.isVisible() && server.focusWidget() == server.m_port;
      server.m_port->setText("25");
      server.OkButton()->click();
    });
    dialog.m_serversetup->click();
  });

  EXPECT_FALSE(EditEmailAction(nullptr, messages, doc, reports, address, text));
  EXPECT_TRUE(refused);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Please enter an integer between 0 and 999.");
  EXPECT_EQ(doc.m_emailserver.smtpserver, "mail.test.invalid");
  EXPECT_EQ(doc.m_emailserver.smtpport, 25);
  EXPECT_EQ(doc.m_emailserver.encryption, 1);
  EXPECT_EQ(doc.m_emailserver.sendername, "Plant 7");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ActionDialogsTest, ServerSetupCancelLeavesTheProjectAlone) {
  doc.SetModifiedFlag(false);
  std::string address;
  std::string text;
  WhenShown<CEmailDlg>([&](CEmailDlg& dialog) {
    WhenShown<CEmailServerDlg>([](CEmailServerDlg& server) { server.m_server->setText("other"); });
    dialog.m_serversetup->click();
  });
  EXPECT_FALSE(EditEmailAction(nullptr, messages, doc, reports, address, text));
  EXPECT_EQ(doc.m_emailserver.smtpserver, "");
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(ActionDialogsTest, PrintLabelChoosesThePrinterChecksTheBarCodeAndInsertsAtTheLastField) {
  PrintLabelAction action{"hp", "Lot  \r\nLine", "{Temp1}", 120, 10};
  QString printer;
  bool commarefused = false;
  WhenShown<CPrintLabelDlg>([&](CPrintLabelDlg& dialog) {
    dialog.activateWindow();
    QApplication::processEvents();
    printer = dialog.m_printer->currentText();
    dialog.m_barcode->setText("A,B");
    dialog.OkButton()->click();
    commarefused = dialog.isVisible() && dialog.focusWidget() == dialog.m_barcode;
    dialog.m_barcode->setText("AB");
    dialog.m_barcode->setCursorPosition(1);
    dialog.m_globals->setFocus();
    ChooseLabel("Temp1");
    dialog.m_labels->click();
    dialog.m_fontsize->setCurrentIndex(0);
    dialog.m_barsize->setCurrentIndex(10);
    dialog.OkButton()->click();
  });

  EXPECT_TRUE(EditPrintLabelAction(nullptr, messages, doc, action, {"HP A", "Brother", "hp B"}));
  EXPECT_EQ(printer, "hp B");
  EXPECT_TRUE(commarefused);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "This field cannot contain a comma.");
  EXPECT_EQ(action.printer, "hp B");
  EXPECT_EQ(action.barcode, "A{Temp1}B");
  EXPECT_EQ(action.text, "Lot\r\nLine");
  EXPECT_EQ(action.fontsize, 720);
  EXPECT_EQ(action.barsize, 5);
}

TEST_F(ActionDialogsTest, PrintLabelKeepsAPrinterNotInstalledHereAndSaysWhenASizeIsNotListed) {
  PrintLabelAction action{"Zebra", "Lot", "", 130, 10};
  int printerindex = 0;
  int fontindex = -1;
  WhenShown<CPrintLabelDlg>([&](CPrintLabelDlg& dialog) {
    printerindex = dialog.m_printer->currentIndex();
    fontindex = dialog.m_fontsize->currentIndex();
    dialog.OkButton()->click();
  });

  EXPECT_TRUE(EditPrintLabelAction(nullptr, messages, doc, action, {"HP A", "Brother"}));
  EXPECT_EQ(printerindex, -1);
  EXPECT_EQ(fontindex, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Invalid Dialog Box Selection.");
  EXPECT_EQ(action.printer, "Zebra");
  EXPECT_EQ(action.fontsize, 720);
}

}  // namespace
}  // namespace korvix
