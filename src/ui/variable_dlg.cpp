#include "ui/variable_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>

#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Variable Properties";
constexpr const char* kHelpTopic = "LocalVariable.htm";
constexpr const char* kConfigurationGroup = "Configuration";
constexpr const char* kIdLabelLabel = "Object ID Label";
constexpr const char* kFormatLabel = "Object Format";
constexpr const char* kDecimalsLabel = "Decimal Point";
constexpr const char* kResetText = "Reset when start/stop run loop";
constexpr int kIdLabelLimit = 70;
constexpr const char* kFormatNames[] = {"Number", "Text", "Counter", "Timer"};
constexpr const char* kDecimalNames[] = {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000", "0.0000000"};

}  // namespace

CVariableDlg::CVariableDlg(QWidget* parent, MessageSink& messages, const CKorvixDoc& doc, int index,
                           const VariableFields& fields)
    : PropertyDialog(parent, messages, kCaption, kHelpTopic), m_doc(doc), m_index(index) {
  auto* configuration = new QGroupBox(kConfigurationGroup, this);
  auto* form = new QFormLayout(configuration);
  m_idlabel = new Latin1LineEdit(kIdLabelLimit, configuration);
  m_idlabel->SetText(fields.m_idlabel);
  m_formatsel = new QComboBox(configuration);
  for (const char* name : kFormatNames) m_formatsel->addItem(name);
  m_formatsel->setCurrentIndex(fields.m_formatsel);
  m_decimalsel = new QComboBox(configuration);
  for (const char* name : kDecimalNames) m_decimalsel->addItem(name);
  m_decimalsel->setCurrentIndex(fields.m_decimalsel);
  m_decimalsel->setEnabled(DecimalsChoosable(fields.m_formatsel));
  m_resetonrun = new QCheckBox(kResetText, configuration);
  m_resetonrun->setChecked(fields.m_resetonrun != 0);
  form->addRow(kIdLabelLabel, m_idlabel);
  form->addRow(kFormatLabel, m_formatsel);
  form->addRow(kDecimalsLabel, m_decimalsel);
  form->addRow(m_resetonrun);
  Body()->addWidget(configuration);
  Body()->addStretch(1);
  connect(m_formatsel, &QComboBox::activated, this, &CVariableDlg::OnFormatChanged);
}

void CVariableDlg::OnFormatChanged(int format) {
  m_decimalsel->setCurrentIndex(DecimalsForFormat(format, m_decimalsel->currentIndex(), false));
  m_decimalsel->setEnabled(DecimalsChoosable(format));
}

VariableFields CVariableDlg::Fields() const {
  VariableFields fields;
  fields.m_idlabel = m_idlabel->Text();
  fields.m_formatsel = m_formatsel->currentIndex();
  fields.m_decimalsel = m_decimalsel->currentIndex();
  fields.m_resetonrun = m_resetonrun->isChecked() ? 1 : 0;
  return fields;
}

void CVariableDlg::OnOK() {
  VariableFields fields = Fields();
  const bool accepted = CheckVariableFields(Messages(), m_doc, m_index, fields);
  m_idlabel->SetText(fields.m_idlabel);
  if (accepted)
    EndOk();
  else
    FocusField(m_idlabel);
}

}  // namespace korvix
