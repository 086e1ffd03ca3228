#include "ui/rocker_switch_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>

#include "properties/property_choices.h"
#include "ui/choice_controls.h"
#include "ui/control_dlg_parts.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Rocker Switch Properties";
constexpr const char* kNoValueUsedText = "No value used";
constexpr const char* kMonitoringGroup = "Switch Monitoring";
constexpr const char* kRepeatRateLabel = "Repeat Rate";
constexpr const char* kSlowLabel = "Slow";
constexpr const char* kFastLabel = "Fast";
constexpr const char* kPressUpGroup = "Press Up Function";
constexpr const char* kPressDownGroup = "Press Down Function";
constexpr const char* kIncrementText = "Increment Value";
constexpr const char* kDecrementText = "Decrement Value";
constexpr const char* kValueLimitLabel = "Value Limit";
constexpr const char* kAppendLabel = "Append value to these characters when transmitting";
constexpr const char* kRolloverText = "Rollover value when reaching limits";

struct FunctionControls {
  QGroupBox* group;
  QButtonGroup* step;
  Latin1LineEdit* limit;
  Latin1LineEdit* prefix;
};

FunctionControls NewFunctionGroup(QWidget* parent, const char* caption, int step, const std::string& limit,
                                  const std::string& prefix) {
  FunctionControls controls;
  controls.group = new QGroupBox(caption, parent);
  auto* layout = new QFormLayout(controls.group);
  controls.step = NewRadioGroup(controls.group, {kIncrementText, kDecrementText}, step);
  for (QAbstractButton* radio : controls.step->buttons()) layout->addRow(radio);
  controls.limit = NewFieldEdit(kNumberFieldLimit, limit, controls.group);
  controls.prefix = NewFieldEdit(kPrefixFieldLimit, prefix, controls.group);
  layout->addRow(kValueLimitLabel, controls.limit);
  layout->addRow(kAppendLabel, controls.prefix);
  return controls;
}

}  // namespace

CRockerSwitchDlg::CRockerSwitchDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                                   const std::string& namelist, const RockerSwitchFields& fields)
    : ValueSenderDlg(parent, messages, kCaption, kRockerSwitchHelpTopic, chooser,
                     {kStartWithValueText, kGetValueText, kNoValueUsedText}, fields) {
  auto* communications = new QGroupBox(kCommunicationsGroup, this);
  auto* commlayout = new QGridLayout(communications);
  m_responseexpected = NewCheckBox(kResponseExpectedText, fields.responseexpected, communications);
  m_repeatrate = NewTrackBar(kMaxRepeatRate, fields.repeatrate, communications);
  commlayout->addWidget(m_responseexpected, 0, 0, 1, 3);
  commlayout->addWidget(new QLabel(kRepeatRateLabel, communications), 1, 0, 1, 3, Qt::AlignHCenter);
  commlayout->addWidget(new QLabel(kSlowLabel, communications), 2, 0);
  commlayout->addWidget(m_repeatrate, 2, 1);
  commlayout->addWidget(new QLabel(kFastLabel, communications), 2, 2);

  AddMonitoringGroup(kMonitoringGroup, fields, namelist);

  const FunctionControls up = NewFunctionGroup(this, kPressUpGroup, fields.upstep, fields.uplimit, fields.upprefix);
  m_upstep = up.step;
  m_uplimit = up.limit;
  m_upprefix = up.prefix;
  const FunctionControls down =
      NewFunctionGroup(this, kPressDownGroup, fields.downstep, fields.downlimit, fields.downprefix);
  m_downstep = down.step;
  m_downlimit = down.limit;
  m_downprefix = down.prefix;
  m_rollover = NewCheckBox(kRolloverText, fields.rollover, this);

  LayOut(communications, {up.group, down.group, m_rollover});
}

RockerSwitchFields CRockerSwitchDlg::Fields() const {
  RockerSwitchFields fields;
  ReadShared(fields);
  fields.repeatrate = m_repeatrate->value();
  fields.upstep = m_upstep->checkedId();
  fields.uplimit = m_uplimit->Text();
  fields.upprefix = m_upprefix->Text();
  fields.downstep = m_downstep->checkedId();
  fields.downlimit = m_downlimit->Text();
  fields.downprefix = m_downprefix->Text();
  fields.rollover = CheckState(m_rollover);
  return fields;
}

void CRockerSwitchDlg::OnOK() {
  RockerSwitchFields fields = Fields();
  const OkCheck<RockerSwitchField> check = CheckRockerSwitchFields(fields, Messages());
  ShowCleaned(fields);
  m_upprefix->SetText(fields.upprefix);
  m_downprefix->SetText(fields.downprefix);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus), check.guard);
}

Latin1LineEdit* CRockerSwitchDlg::FieldEdit(RockerSwitchField field) const {
  switch (field) {
    case RockerSwitchField::Title: return m_title;
    case RockerSwitchField::StartValue: return m_startvalue;
    case RockerSwitchField::GetCommand: return m_getcommand;
    case RockerSwitchField::ResponseTo: return m_responseto;
    case RockerSwitchField::SendValueTo: return m_sendvalueto;
    case RockerSwitchField::UpLimit: return m_uplimit;
    case RockerSwitchField::UpPrefix: return m_upprefix;
    case RockerSwitchField::DownLimit: return m_downlimit;
    case RockerSwitchField::DownPrefix: return m_downprefix;
  }
  return m_title;
}

}  // namespace korvix
