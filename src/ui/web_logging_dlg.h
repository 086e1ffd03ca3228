#pragma once

#include <functional>

#include "properties/web_logging_properties.h"
#include "publishing/ftp_settings_trial.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QComboBox;
class QPushButton;

namespace korvix {

class Latin1LineEdit;

// Tries the FTP settings on the server; tests put a local peer or a failing
// disk behind it.
using FtpSettingsTrial = std::function<WebLogTestReport(const FtpTarget& target)>;

// "Web Logging Properties": where the web log goes and how its page looks.
// Test tries the server settings at once; the project takes the fields only
// from OK.
class CWebLoggingDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CWebLoggingDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const WebLoggingFields& fields,
                 FtpSettingsTrial trial);

  WebLoggingFields Fields() const;
  QPushButton* TestButton() const { return m_testbutton; }

protected:
  void OnOK() override;

private:
  // Checks and tidies the fields as OK does; false when one was refused.
  bool TakeFields();
  void ShowFields(const WebLoggingFields& fields);
  void OnTest();
  QWidget* FieldControl(WebLoggingField field) const;

  FtpSettingsTrial m_trial;
  Latin1LineEdit* m_ftpaddress;
  Latin1LineEdit* m_ftpfolder;
  Latin1LineEdit* m_ftpuser;
  Latin1LineEdit* m_ftppassword;
  Latin1LineEdit* m_ftpport;
  Latin1LineEdit* m_webloghtml;
  Latin1LineEdit* m_weblognth;
  Latin1LineEdit* m_weblogrows;
  Latin1LineEdit* m_weblogtitlerows;
  ColourSwatch* m_textcolor;
  ColourSwatch* m_bgcolor;
  Latin1LineEdit* m_title;
  QComboBox* m_fontsize;
  QPushButton* m_testbutton;
};

}  // namespace korvix
