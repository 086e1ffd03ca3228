#include "ui/web_logging_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/data_exchange.h"
#include "ui/latin1.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Web Logging Properties";
constexpr const char* kServerGroup = "Server Access Setup";
constexpr const char* kPageGroup = "Web Page Attributes";
constexpr const char* kFtpAddressLabel = "FTP Address";
constexpr const char* kHostFolderLabel = "Host Folder";
constexpr const char* kUserNameLabel = "User Name";
constexpr const char* kPasswordLabel = "Password";
constexpr const char* kPortLabel = "Port";
constexpr const char* kHtmlFileLabel = "HTML File";
constexpr const char* kNthLabel = "Show every Nth data row";
constexpr const char* kRowsLabel = "Total number of data rows";
constexpr const char* kTitleRowsLabel = "Titles after this many rows";
constexpr const char* kForegroundLabel = "Foreground Color";
constexpr const char* kBackgroundLabel = "Background Color";
constexpr const char* kHeaderLabel = "Header";
constexpr const char* kFontSizeLabel = "Font Size used for data";
constexpr const char* kTestText = "Test";
constexpr const char* kTrialCaption = "Korvix";
constexpr const char* kNote =
    "Use the Data Logging Properties box to select the Screen Objects to be logged to a file, and how often it "
    "updates. \r\rThis log file will then be used to generate the HTML file which is uploaded to the web site "
    "listed above on a regular basis.";
constexpr const char* kFontSizes[] = {"8", "9", "10", "12", "14", "16", "18", "20", "24", "28"};

Latin1LineEdit* TextEdit(int limit, QWidget* parent) {
  auto* edit = new Latin1LineEdit(limit, parent);
  edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 24);
  return edit;
}

Latin1LineEdit* NumberEdit(QWidget* parent) {
  auto* edit = new Latin1LineEdit(0, parent);
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
  return edit;
}

}  // namespace

CWebLoggingDlg::CWebLoggingDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                               const WebLoggingFields& fields, FtpSettingsTrial trial)
    : PropertyDialog(parent, messages, kCaption, kWebLoggingHelpTopic), m_trial(std::move(trial)) {
  auto* server = new QGroupBox(kServerGroup, this);
  auto* serverlayout = new QVBoxLayout(server);
  auto* serverform = new QFormLayout;
  m_ftpaddress = TextEdit(kMaxWebLogTextLength, server);
  m_ftpfolder = TextEdit(kMaxWebLogTextLength, server);
  m_ftpuser = TextEdit(kMaxWebLogTextLength, server);
  m_ftppassword = TextEdit(kMaxWebLogTextLength, server);
  m_ftppassword->setEchoMode(QLineEdit::Password);
  m_ftpport = NumberEdit(server);
  serverform->addRow(kFtpAddressLabel, m_ftpaddress);
  serverform->addRow(kHostFolderLabel, m_ftpfolder);
  serverform->addRow(kUserNameLabel, m_ftpuser);
  serverform->addRow(kPasswordLabel, m_ftppassword);
  serverform->addRow(kPortLabel, m_ftpport);
  serverlayout->addLayout(serverform);
  auto* note = new QLabel(ToDisplayText(kNote), server);
  note->setWordWrap(true);
  note->setMinimumHeight(note->fontMetrics().lineSpacing() * 8);
  serverlayout->addWidget(note);
  serverlayout->addStretch(1);

  auto* page = new QGroupBox(kPageGroup, this);
  auto* pageform = new QFormLayout(page);
  m_webloghtml = TextEdit(kMaxWebLogTextLength, page);
  m_weblognth = NumberEdit(page);
  m_weblogrows = NumberEdit(page);
  m_weblogtitlerows = NumberEdit(page);
  m_textcolor = new ColourSwatch(chooser, page);
  m_bgcolor = new ColourSwatch(chooser, page);
  m_title = TextEdit(0, page);
  m_fontsize = new QComboBox(page);
  for (const char* size : kFontSizes) m_fontsize->addItem(size);
  pageform->addRow(kHtmlFileLabel, m_webloghtml);
  pageform->addRow(kNthLabel, m_weblognth);
  pageform->addRow(kRowsLabel, m_weblogrows);
  pageform->addRow(kTitleRowsLabel, m_weblogtitlerows);
  pageform->addRow(kForegroundLabel, m_textcolor);
  pageform->addRow(kBackgroundLabel, m_bgcolor);
  pageform->addRow(kHeaderLabel, m_title);
  pageform->addRow(kFontSizeLabel, m_fontsize);

  auto* groups = new QHBoxLayout;
  groups->addWidget(server, 1);
  groups->addWidget(page, 1);
  Body()->addLayout(groups);

  // Settings are not an object: Test takes Delete's place in the buttons.
  m_testbutton = new QPushButton(kTestText, this);
  m_testbutton->setAutoDefault(false);
  for (QBoxLayout* column : findChildren<QBoxLayout*>()) {
    const int at = column->indexOf(DeleteButton());
    if (at >= 0) column->insertWidget(at, m_testbutton);
  }
  DeleteButton()->hide();
  connect(m_testbutton, &QPushButton::clicked, this, &CWebLoggingDlg::OnTest);

  ShowFields(fields);
}

void CWebLoggingDlg::ShowFields(const WebLoggingFields& fields) {
  m_ftpaddress->SetText(fields.ftpaddress);
  m_ftpfolder->SetText(fields.ftpfolder);
  m_ftpuser->SetText(fields.ftpuser);
  m_ftppassword->SetText(fields.ftppassword);
  m_ftpport->SetText(fields.ftpport);
  m_webloghtml->SetText(fields.webloghtml);
  m_weblognth->SetText(fields.weblognth);
  m_weblogrows->SetText(fields.weblogrows);
  m_weblogtitlerows->SetText(fields.weblogtitlerows);
  m_textcolor->SetColour(fields.weblogtextcolor);
  m_bgcolor->SetColour(fields.weblogbgcolor);
  m_title->SetText(fields.weblogtitle);
  m_fontsize->setCurrentIndex(
      fields.weblogfontsize >= 0 && fields.weblogfontsize < m_fontsize->count() ? fields.weblogfontsize : -1);
}

WebLoggingFields CWebLoggingDlg::Fields() const {
  WebLoggingFields fields;
  fields.ftpaddress = m_ftpaddress->Text();
  fields.ftpfolder = m_ftpfolder->Text();
  fields.ftpuser = m_ftpuser->Text();
  fields.ftppassword = m_ftppassword->Text();
  fields.ftpport = m_ftpport->Text();
  fields.webloghtml = m_webloghtml->Text();
  fields.weblognth = m_weblognth->Text();
  fields.weblogrows = m_weblogrows->Text();
  fields.weblogtitlerows = m_weblogtitlerows->Text();
  fields.weblogtextcolor = m_textcolor->Colour();
  fields.weblogbgcolor = m_bgcolor->Colour();
  fields.weblogtitle = m_title->Text();
  fields.weblogfontsize = m_fontsize->currentIndex();
  return fields;
}

QWidget* CWebLoggingDlg::FieldControl(WebLoggingField field) const {
  switch (field) {
    case WebLoggingField::FtpAddress: return m_ftpaddress;
    case WebLoggingField::FtpFolder: return m_ftpfolder;
    case WebLoggingField::FtpUser: return m_ftpuser;
    case WebLoggingField::FtpPassword: return m_ftppassword;
    case WebLoggingField::FtpPort: return m_ftpport;
    case WebLoggingField::WebLogHtml: return m_webloghtml;
    case WebLoggingField::Nth: return m_weblognth;
    case WebLoggingField::Rows: return m_weblogrows;
    case WebLoggingField::TitleRows: return m_weblogtitlerows;
  }
  return nullptr;
}

bool CWebLoggingDlg::TakeFields() {
  WebLoggingFields fields = Fields();
  const OkCheck<WebLoggingField> check = CheckWebLoggingFields(fields, Messages());
  if (!check.Accepted()) {
    FocusField(FieldControl(*check.focus));
    return false;
  }
  TidyWebLoggingFields(fields);
  ShowFields(fields);
  return true;
}

void CWebLoggingDlg::OnOK() {
  if (TakeFields()) EndOk();
}

void CWebLoggingDlg::OnTest() {
  if (!TakeFields()) return;
  const WebLoggingFields fields = Fields();
  const FtpTarget target{fields.ftpaddress, fields.ftpfolder, fields.ftpuser, fields.ftppassword,
                         ParseIntegerEntry(fields.ftpport).value_or(0)};
  const WebLogTestReport report = m_trial(target);
  Messages().Show(kTrialCaption, report.text, report.icon);
}

}  // namespace korvix
