#include "ui/about_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/help.h"
#include "ui/latin1.h"

namespace korvix {

namespace {
constexpr char kCaption[] = "About Korvix";
constexpr char kVersionPrefix[] = "Korvix Version ";
constexpr char kHelpPage[] = "About_Korvix.html";
}  // namespace

CAboutDlg::CAboutDlg(const std::string& versiontext, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(kCaption));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(ToQString(kVersionPrefix + versiontext), this);
  text->setObjectName(QStringLiteral("version"));
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  AddHelpKey(this, kHelpPage);
}

}  // namespace korvix
