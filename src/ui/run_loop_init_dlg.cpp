#include "ui/run_loop_init_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/latin1_edits.h"
#include "ui/selector_fields.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Run-Loop Initialization";
constexpr const char* kHelpTopic = "Initialization.htm";
constexpr const char* kConfigurationGroup = "Configuration";
constexpr const char* kConfigurationText =
    "Commands which will be transmitted to the DAQ Modules prior to starting the Run-Loop.";
constexpr const char* kScriptGroup = "Script";
constexpr const char* kScriptText = "Script which will be executed when the Run-Loop is started.";
constexpr const char* kExitGroup = "Exit Commands";
constexpr const char* kExitText = "Commands which will be transmitted to the DAQ Modules after the Run-Loop exits.";
constexpr const char* kRetransmitText = "Retransmit configuration if a DAQ Module resets";
constexpr const char* kAutostartText = "Automatically start Run Loop when file is opened";
constexpr const char* kScriptsGroup = "<Scripts>";
constexpr int kStartScriptLimit = 70;

QGroupBox* Group(QWidget* parent, const char* title, const char* text, QWidget* field) {
  auto* group = new QGroupBox(title, parent);
  auto* layout = new QVBoxLayout(group);
  auto* label = new QLabel(text, group);
  label->setWordWrap(true);
  layout->addWidget(label);
  layout->addWidget(field);
  return group;
}

}  // namespace

CRunLoopInitDlg::CRunLoopInitDlg(QWidget* parent, MessageSink& messages, const RunLoopInitFields& fields,
                                 std::string namelist)
    : PropertyDialog(parent, messages, kCaption, kHelpTopic), m_namelist(std::move(namelist)) {
  DeleteButton()->hide();
  m_initcommands = new Latin1TextEdit(this);
  m_startscript = new Latin1LineEdit(kStartScriptLimit, this);
  m_exitcommands = new Latin1TextEdit(this);
  m_retransmit = new QCheckBox(kRetransmitText, this);
  m_autostart = new QCheckBox(kAutostartText, this);
  Body()->addWidget(Group(this, kConfigurationGroup, kConfigurationText, m_initcommands));
  Body()->addWidget(Group(this, kScriptGroup, kScriptText, m_startscript));
  Body()->addWidget(Group(this, kExitGroup, kExitText, m_exitcommands));
  Body()->addWidget(m_retransmit);
  Body()->addWidget(m_autostart);
  ShowFields(fields);
  AddFocusSelector(m_startscript, [this] { return ChooseTargetLabel(this, m_namelist, kScriptsGroup); });
}

void CRunLoopInitDlg::ShowFields(const RunLoopInitFields& fields) {
  m_initcommands->SetText(fields.m_initcommands);
  m_startscript->SetText(fields.m_startscript);
  m_exitcommands->SetText(fields.m_exitcommands);
  m_retransmit->setChecked(fields.m_retransmit != 0);
  m_autostart->setChecked(fields.m_autostart != 0);
}

RunLoopInitFields CRunLoopInitDlg::Fields() const {
  RunLoopInitFields fields;
  fields.m_initcommands = m_initcommands->Text();
  fields.m_autostart = m_autostart->isChecked() ? 1 : 0;
  fields.m_retransmit = m_retransmit->isChecked() ? 1 : 0;
  fields.m_startscript = m_startscript->Text();
  fields.m_exitcommands = m_exitcommands->Text();
  return fields;
}

void CRunLoopInitDlg::OnOK() {
  RunLoopInitFields fields = Fields();
  const bool accepted = CheckRunLoopInitFields(Messages(), fields);
  ShowFields(fields);
  if (accepted)
    EndOk();
  else
    FocusField(m_startscript, true);
}

}  // namespace korvix
