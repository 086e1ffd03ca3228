#include "ui/email_server_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>

#include "ui/dialog_units.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Email Server Setup";
constexpr const char* kAccessGroup = "Server Access Information";
constexpr const char* kSenderGroup = "Sender Information";
constexpr const char* kServerLabel = "SMTP Server";
constexpr const char* kPortLabel = "Server Port";
constexpr const char* kEncryptionLabel = "Encryption";
constexpr const char* kUserLabel = "User Name";
constexpr const char* kPasswordLabel = "Password";
constexpr const char* kNameLabel = "Name";
constexpr const char* kEmailLabel = "Email";
constexpr const char* kReplyToLabel = "Reply-To";
constexpr const char* kEncryptionNames[] = {"None", "TLS", "SSL"};
constexpr int kWidthUnits = 321;
constexpr int kHeightUnits = 137;

}  // namespace

CEmailServerDlg::CEmailServerDlg(QWidget* parent, MessageSink& messages, const EmailServerFields& fields)
    : PropertyDialog(parent, messages, kCaption, kEmailServerHelpTopic) {
  DeleteButton()->hide();
  auto* access = new QGroupBox(kAccessGroup, this);
  auto* accessform = new QFormLayout(access);
  m_server = new Latin1LineEdit(kEmailServerTextLimit, access);
  m_port = new Latin1LineEdit(0, access);
  m_encryption = new QComboBox(access);
  for (const char* name : kEncryptionNames) m_encryption->addItem(name);
  m_user = new Latin1LineEdit(kEmailServerTextLimit, access);
  m_password = new Latin1LineEdit(kEmailServerTextLimit, access);
  m_password->setEchoMode(QLineEdit::Password);
  accessform->addRow(kServerLabel, m_server);
  accessform->addRow(kPortLabel, m_port);
  accessform->addRow(kEncryptionLabel, m_encryption);
  accessform->addRow(kUserLabel, m_user);
  accessform->addRow(kPasswordLabel, m_password);

  auto* sender = new QGroupBox(kSenderGroup, this);
  auto* senderform = new QFormLayout(sender);
  m_sendername = new Latin1LineEdit(kEmailServerTextLimit, sender);
  m_senderemail = new Latin1LineEdit(kEmailServerTextLimit, sender);
  m_replyto = new Latin1LineEdit(kEmailServerTextLimit, sender);
  senderform->addRow(kNameLabel, m_sendername);
  senderform->addRow(kEmailLabel, m_senderemail);
  senderform->addRow(kReplyToLabel, m_replyto);

  auto* groups = new QHBoxLayout;
  groups->addWidget(access);
  groups->addWidget(sender, 0, Qt::AlignTop);
  Body()->addLayout(groups);
  Body()->addStretch(1);
  Show(fields);
  resize(DialogUnitsX(this, kWidthUnits), DialogUnitsY(this, kHeightUnits));
}

void CEmailServerDlg::Show(const EmailServerFields& fields) {
  m_server->SetText(fields.server);
  m_port->SetText(fields.port);
  m_encryption->setCurrentIndex(fields.encryption);
  m_user->SetText(fields.user);
  m_password->SetText(fields.password);
  m_sendername->SetText(fields.sendername);
  m_senderemail->SetText(fields.senderemail);
  m_replyto->SetText(fields.replyto);
}

EmailServerFields CEmailServerDlg::Fields() const {
  EmailServerFields fields;
  fields.server = m_server->Text();
  fields.port = m_port->Text();
  fields.encryption = m_encryption->currentIndex();
  fields.user = m_user->Text();
  fields.password = m_password->Text();
  fields.sendername = m_sendername->Text();
  fields.senderemail = m_senderemail->Text();
  fields.replyto = m_replyto->Text();
  return fields;
}

void CEmailServerDlg::OnOK() {
  EmailServerFields fields = Fields();
  const OkCheck<EmailServerField> check = CheckEmailServerFields(fields, Messages());
  if (!check.Accepted()) {
    FocusField(FieldEdit(*check.focus));
    return;
  }
  Show(fields);
  EndOk();
}

Latin1LineEdit* CEmailServerDlg::FieldEdit(EmailServerField field) const {
  switch (field) {
    case EmailServerField::Server: return m_server;
    case EmailServerField::Port: return m_port;
    case EmailServerField::User: return m_user;
    case EmailServerField::Password: return m_password;
    case EmailServerField::SenderName: return m_sendername;
    case EmailServerField::SenderEmail: return m_senderemail;
    case EmailServerField::ReplyTo: return m_replyto;
  }
  return m_server;
}

}  // namespace korvix
