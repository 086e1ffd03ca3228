#include "ui/new_in_version_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/new_in_version.h"
#include "ui/help.h"
#include "ui/latin1.h"

namespace korvix {

namespace {
constexpr char kHelpPage[] = "New_in_this_Version.html";
constexpr int kTextWidth = 460;
}  // namespace

CNewInVersionDlg::CNewInVersionDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(kNewInVersionCaption));
  auto* layout = new QVBoxLayout(this);
  for (const std::string& paragraph : NewInVersionParagraphs()) {
    auto* text = new QLabel(ToQString(paragraph), this);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setMinimumWidth(kTextWidth);
    layout->addWidget(text);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  AddHelpKey(this, kHelpPage);
}

}  // namespace korvix
