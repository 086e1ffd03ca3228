#include "ui/popup_box_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/help.h"
#include "ui/latin1.h"

namespace korvix {

namespace {
constexpr char kHaltText[] = "Halt Run Loop";
constexpr char kHelpText[] = "Help";
}  // namespace

PopupBoxWindow::~PopupBoxWindow() { Destroy(); }

void PopupBoxWindow::Create(const std::string& title, const std::string& message, const std::string& helptopic) {
  Destroy();
  auto* dialog = new QDialog(m_parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setModal(false);
  dialog->setWindowTitle(ToWindowTitle(title));
  auto* layout = new QVBoxLayout(dialog);
  auto* text = new QLabel(ToDisplayText(message), dialog);
  text->setObjectName("message");
  // A Script's or a server's words, shown as they are, markup or not.
  text->setTextFormat(Qt::PlainText);
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
  QPushButton* halt = buttons->addButton(QString::fromLatin1(kHaltText), QDialogButtonBox::ActionRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::close);
  QObject::connect(halt, &QPushButton::clicked, dialog, [this] {
    if (m_box) m_box->OnHaltPressed();
  });
  if (!helptopic.empty()) {
    QPushButton* help = buttons->addButton(QString::fromLatin1(kHelpText), QDialogButtonBox::HelpRole);
    QObject::connect(help, &QPushButton::clicked, dialog, [helptopic] { ShowHelpTopic(helptopic); });
  }
  layout->addWidget(buttons);
  // Closed by the user; a window the program takes down is disconnected
  // first.
  QObject::connect(dialog, &QObject::destroyed, [this] {
    if (m_box) m_box->OnClosedByUser();
  });
  m_dialog = dialog;
  dialog->show();
}

void PopupBoxWindow::Destroy() {
  if (m_dialog.isNull()) return;
  QDialog* dialog = m_dialog;
  m_dialog.clear();
  dialog->disconnect();
  // Later, since the window's own button may be what asked for this.
  dialog->hide();
  dialog->deleteLater();
}

}  // namespace korvix
