#include "ui/shell_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "ui/about_dlg.h"
#include "ui/latin1.h"
#include "ui/new_in_version_dlg.h"
#include "ui/software_update_dlg.h"

namespace korvix {

namespace {
constexpr char kProjectFilter[] = "Korvix Files (*.kvx)";
constexpr char kOpenCaption[] = "Open";
constexpr char kSaveAsCaption[] = "Save As";
constexpr char kProgramCaption[] = "Korvix";
constexpr char kSaveChangesText[] = "Save changes to %1?";
constexpr char kPasswordCaption[] = "Security Lock";
constexpr char kPasswordText[] = "This project is locked. Enter its password:";
}  // namespace

bool QtShellDialogs::OfferUpdate(QWidget* parent) {
  CSoftwareUpdateDlg dialog(parent);
  return dialog.exec() == QDialog::Accepted;
}

void QtShellDialogs::ShowNewInVersion(QWidget* parent) {
  CNewInVersionDlg dialog(parent);
  dialog.exec();
}

void QtShellDialogs::ShowAbout(QWidget* parent, const std::string& versiontext) {
  CAboutDlg dialog(versiontext, parent);
  dialog.exec();
}

std::string QtShellDialogs::AskOpenFileName(QWidget* parent, const std::string& folder) {
  return FromQString(QFileDialog::getOpenFileName(parent, QString::fromLatin1(kOpenCaption), ToQString(folder),
                                                  QString::fromLatin1(kProjectFilter)));
}

std::string QtShellDialogs::AskSaveFileName(QWidget* parent, const std::string& suggested) {
  return FromQString(QFileDialog::getSaveFileName(parent, QString::fromLatin1(kSaveAsCaption), ToQString(suggested),
                                                  QString::fromLatin1(kProjectFilter)));
}

SaveChoice QtShellDialogs::AskSaveChanges(QWidget* parent, const std::string& projectname) {
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(kProgramCaption),
                  QString::fromLatin1(kSaveChangesText).arg(ToQString(projectname)),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  // A file may be named anything, tags included.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  const int answer = box.exec();
  if (answer == QMessageBox::Yes) return SaveChoice::Save;
  if (answer == QMessageBox::No) return SaveChoice::Discard;
  return SaveChoice::Cancel;
}

bool QtShellDialogs::AskPassword(QWidget* parent, std::string& password) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent, QString::fromLatin1(kPasswordCaption),
                                             QString::fromLatin1(kPasswordText), QLineEdit::Password, {}, &ok);
  if (ok) password = FromQString(text);
  return ok;
}

}  // namespace korvix
