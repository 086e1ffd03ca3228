#include "ui/software_update_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/help.h"

namespace korvix {

namespace {
constexpr char kCaption[] = "Korvix Update";
constexpr char kText[] = "An important software update for Korvix is now available. Click below to install.";
constexpr char kInstallButton[] = "Install";
constexpr char kNotNowButton[] = "Not Now";
constexpr char kHelpPage[] = "Korvix_Update.html";
}  // namespace

CSoftwareUpdateDlg::CSoftwareUpdateDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(kCaption));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(QString::fromLatin1(kText), this);
  text->setWordWrap(true);
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* install = buttons->addButton(QString::fromLatin1(kInstallButton), QDialogButtonBox::AcceptRole);
  buttons->addButton(QString::fromLatin1(kNotNowButton), QDialogButtonBox::RejectRole);
  install->setDefault(true);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  AddHelpKey(this, kHelpPage);
}

}  // namespace korvix
