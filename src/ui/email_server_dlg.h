#pragma once

#include "properties/email_properties.h"
#include "ui/property_dialog.h"

class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Email Server Setup": how the project's reports reach its mail server.
class CEmailServerDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CEmailServerDlg(QWidget* parent, MessageSink& messages, const EmailServerFields& fields);

  EmailServerFields Fields() const;

  Latin1LineEdit* m_server;
  Latin1LineEdit* m_port;
  QComboBox* m_encryption;
  Latin1LineEdit* m_user;
  Latin1LineEdit* m_password;
  Latin1LineEdit* m_sendername;
  Latin1LineEdit* m_senderemail;
  Latin1LineEdit* m_replyto;

private:
  void OnOK() override;
  void Show(const EmailServerFields& fields);
  Latin1LineEdit* FieldEdit(EmailServerField field) const;
};

}  // namespace korvix
