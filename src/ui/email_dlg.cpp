#include "ui/email_dlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_units.h"
#include "ui/email_server_dlg.h"
#include "ui/latin1_edits.h"
#include "ui/selector_fields.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Email Properties";
constexpr const char* kAddressLabel = "Send message to this email address";
constexpr const char* kMessageGroup = "Type in an email message including variables if needed:";
constexpr const char* kServerSetupText = "Email Server Setup";
constexpr const char* kGlobalsText = "Global Variables";
constexpr const char* kLabelsText = "Object ID Labels";
constexpr const char* kTestText = "Test";
constexpr int kWidthUnits = 316;
constexpr int kHeightUnits = 175;

}  // namespace

CEmailDlg::CEmailDlg(QWidget* parent, MessageSink& messages, CKorvixDoc& doc, EmailReporter& reports,
                     const EmailFields& fields, std::string namelist)
    : PropertyDialog(parent, messages, kCaption, kEmailHelpTopic),
      m_doc(doc),
      m_reports(reports),
      m_namelist(std::move(namelist)) {
  DeleteButton()->hide();
  Body()->addWidget(new QLabel(kAddressLabel, this));
  m_address = new Latin1LineEdit(kEmailAddressLimit, this);
  m_address->SetText(fields.address);
  Body()->addWidget(m_address);

  auto* group = new QGroupBox(kMessageGroup, this);
  auto* grouplayout = new QVBoxLayout(group);
  m_text = new Latin1TextEdit(group);
  m_text->SetText(fields.text);
  grouplayout->addWidget(m_text);
  Body()->addWidget(group, 1);

  auto* row = new QHBoxLayout;
  m_serversetup = AddSideButton(kServerSetupText, this, row);
  m_globals = AddSideButton(kGlobalsText, this, row);
  m_labels = AddSideButton(kLabelsText, this, row);
  m_test = AddSideButton(kTestText, this, row);
  Body()->addLayout(row);

  connect(m_serversetup, &QPushButton::clicked, this, &CEmailDlg::OnServerSetup);
  connect(m_globals, &QPushButton::clicked, this, [this] { ShowGlobalVariables(this, m_text); });
  connect(m_labels, &QPushButton::clicked, this, [this] { InsertLabelReference(m_text, m_namelist); });
  connect(m_test, &QPushButton::clicked, this, &CEmailDlg::OnTest);
  resize(DialogUnitsX(this, kWidthUnits), DialogUnitsY(this, kHeightUnits));
}

EmailFields CEmailDlg::Fields() const { return {m_address->Text(), m_text->Text()}; }

void CEmailDlg::OnOK() {
  EmailFields fields = Fields();
  const OkCheck<EmailField> check = CheckEmailFields(fields, m_namelist, Messages());
  m_address->SetText(fields.address);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus));
}

// The settings are edited on a copy, so Cancel there leaves the project as
// it was.
void CEmailDlg::OnServerSetup() {
  CEmailServerDlg server(this, Messages(), LoadEmailServerFields(m_doc.m_emailserver));
  if (server.exec() != QDialog::Accepted) return;
  StoreEmailServerFields(server.Fields(), m_doc.m_emailserver);
  m_doc.SetModifiedFlag();
}

// The text goes out as typed, its label references unexpanded, so the user
// sees what the action will send.
void CEmailDlg::OnTest() {
  EmailFields fields = Fields();
  const OkCheck<EmailField> check = ExchangeEmailFields(fields, Messages());
  if (!check.Accepted()) {
    FocusField(FieldEdit(*check.focus));
    return;
  }
  m_address->SetText(fields.address);
  m_reports.SendEmailReport(fields.address, fields.text);
}

QWidget* CEmailDlg::FieldEdit(EmailField field) const {
  return field == EmailField::Address ? static_cast<QWidget*>(m_address) : m_text;
}

}  // namespace korvix
