#include <gtest/gtest.h>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <QApplication>
#include <QMessageBox>

#include "app/new_in_version.h"
#include "shown_text.h"
#include "ui/new_in_version_dlg.h"
#include "ui/qt_message_sink.h"
#include "ui/shell_dialogs.h"
#include "ui/software_update_dlg.h"

namespace korvix {
namespace {

QPushButton* ButtonNamed(QDialog& dialog, const QString& text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

int ClickWhileModal(QDialog& dialog, const QString& text) {
  QTimer::singleShot(0, &dialog, [&dialog, text] { ButtonNamed(dialog, text)->click(); });
  return dialog.exec();
}

// A message raised while a modal window of the user's is open belongs to
// that window, so it is shown above it; otherwise to the main window.
TEST(QtMessageSink, AMessageBelongsToTheModalWindowThatIsOpen) {
  QWidget main;
  QtMessageSink sink(&main);
  QWidget* ownerwithout = nullptr;
  QWidget* ownerwith = nullptr;
  const auto showandnote = [&sink](QWidget*& owner) {
    QTimer::singleShot(0, [&owner] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      owner = box->parentWidget();
      box->done(QMessageBox::Ok);
    });
    EXPECT_EQ(sink.Show("Communications Error", "Port 1 failed.", MessageIcon::Exclamation), MessageResult::Ok);
  };
  showandnote(ownerwithout);

  QDialog about(&main);
  QTimer::singleShot(0, &about, [&] {
    showandnote(ownerwith);
    about.reject();
  });
  about.exec();

  EXPECT_EQ(ownerwithout, &main);
  EXPECT_EQ(ownerwith, &about);
}

TEST(SoftwareUpdateDlg, InstallAcceptsAndNotNowRejects) {
  CSoftwareUpdateDlg dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Korvix Update"));
  ASSERT_EQ(dialog.findChildren<QLabel*>().size(), 1);
  EXPECT_EQ(dialog.findChildren<QLabel*>().at(0)->text(),
            QStringLiteral("An important software update for Korvix is now available. Click below to install."));
  ASSERT_NE(ButtonNamed(dialog, "Install"), nullptr);
  EXPECT_TRUE(ButtonNamed(dialog, "Install")->isDefault());
  EXPECT_EQ(ClickWhileModal(dialog, "Install"), QDialog::Accepted);
  EXPECT_EQ(ClickWhileModal(dialog, "Not Now"), QDialog::Rejected);
}

TEST(NewInVersionDlg, ShowsTheFourParagraphsWithOneButton) {
  CNewInVersionDlg dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New in this Version"));
  const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 4);
  EXPECT_TRUE(labels.at(0)->text().startsWith("Korvix supports extra large Screen Objects."));
  EXPECT_TRUE(labels.at(1)->text().startsWith("\"Data Parser\" function can be used"));
  EXPECT_TRUE(labels.at(2)->text().contains("the Korvix data \"Live\" using DDE (Dynamic Data Exchange)."));
  EXPECT_TRUE(labels.at(3)->text().endsWith("click on <COM Speed> for more details."));
  const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
  ASSERT_EQ(buttons.size(), 1);
  EXPECT_EQ(ClickWhileModal(dialog, buttons.at(0)->text()), QDialog::Accepted);
}

TEST(QtShellDialogs, SaveQuestionMapsItsThreeAnswers) {
  const std::pair<QMessageBox::StandardButton, SaveChoice> cases[] = {{QMessageBox::Yes, SaveChoice::Save},
                                                                      {QMessageBox::No, SaveChoice::Discard},
                                                                      {QMessageBox::Cancel, SaveChoice::Cancel}};
  QtShellDialogs dialogs;
  for (const auto& [button, expected] : cases) {
    QString text;
    QTimer::singleShot(0, [button, &text] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      text = box->text();
      box->button(button)->click();
    });
    EXPECT_EQ(dialogs.AskSaveChanges(nullptr, "plant.kvx"), expected);
    EXPECT_EQ(text, QStringLiteral("Save changes to plant.kvx?"));
  }
}

TEST(QtShellDialogs, SaveQuestionShowsAFileNameThatLooksLikeMarkupAsItIs) {
  QtShellDialogs dialogs;
  QString shown;
  QTimer::singleShot(0, [&shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = testing::ShownText(box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")));
    box->button(QMessageBox::Cancel)->click();
  });
  EXPECT_EQ(dialogs.AskSaveChanges(nullptr, "<b>plant</b> &amp; co.kvx"), SaveChoice::Cancel);
  EXPECT_EQ(shown, QStringLiteral("Save changes to <b>plant</b> &amp; co.kvx?"));
}

}  // namespace
}  // namespace korvix
