#pragma once

#include "document/korvix_doc.h"
#include "executors/outside_actions.h"
#include "properties/email_properties.h"
#include "ui/property_dialog.h"

class QPushButton;

namespace korvix {

class Latin1LineEdit;
class Latin1TextEdit;

// "Email Properties": the address and message of a "Send Email" action,
// with the project's mail server settings one button away and "Test" to
// send the message as typed at once.
class CEmailDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CEmailDlg(QWidget* parent, MessageSink& messages, CKorvixDoc& doc, EmailReporter& reports, const EmailFields& fields,
            std::string namelist);

  EmailFields Fields() const;

  Latin1LineEdit* m_address;
  Latin1TextEdit* m_text;
  QPushButton* m_serversetup;
  QPushButton* m_globals;
  QPushButton* m_labels;
  QPushButton* m_test;

private:
  void OnOK() override;
  void OnServerSetup();
  void OnTest();
  QWidget* FieldEdit(EmailField field) const;

  CKorvixDoc& m_doc;
  EmailReporter& m_reports;
  std::string m_namelist;
};

}  // namespace korvix
