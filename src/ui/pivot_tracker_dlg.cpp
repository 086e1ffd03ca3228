#include "ui/pivot_tracker_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <tuple>

#include "properties/mark_choices.h"
#include "properties/property_choices.h"
#include "ui/choice_controls.h"
#include "ui/latin1_edits.h"
#include "ui/value_groups.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Pivot Tracker Properties";
constexpr const char* kFrameGroup = "Frame Size and Colors";
constexpr const char* kSizeLabel = "Size";
constexpr const char* kTextColourLabel = "Text";
constexpr const char* kBorderColourLabel = "Border";
constexpr const char* kCommunicationsGroup = "Communications";
constexpr const char* kIdLabelLabel = "Object ID Label";
constexpr const char* kSisFromLabel = "Get SIS value from this Screen Object";
constexpr const char* kSignalToLabel = "Send signal strength to this Screen Object";
constexpr const char* kCentreGroup = "Pivot Center Coordinates";
constexpr const char* kLatLabel = "Lat";
constexpr const char* kLonLabel = "Lon";
constexpr const char* kJumpGroup = "Jump To Page";
constexpr const char* kLampColoursGroup = "Lamp Colors";
constexpr const char* kOnLabel = "On";
constexpr const char* kOffLabel = "Off";
constexpr const char* kRunLampLabel = "Run Lamp";
constexpr const char* kWaterLampLabel = "Water Lamp";
constexpr const char* kSisLampLabel = "SIS Lamp";
constexpr const char* kConfigurationGroup = "Configuration";
constexpr const char* kTickMarksLabel = "Tick Marks";
constexpr const char* kSubMarksLabel = "Sub Marks";
constexpr const char* kShowValuesText = "Show Values";
constexpr const char* kCwLimitLabel = "Full CW Limit";
constexpr const char* kCcwLimitLabel = "Full CCW Limit";
constexpr const char* kAutoRotateText = "Auto Rotate Dial";
constexpr int kFirstTickCount = 2;
constexpr int kFirstSubMarkCount = 1;

ColourSwatch* NewSwatch(const ColourChooser& chooser, int colour, QWidget* parent) {
  auto* swatch = new ColourSwatch(chooser, parent);
  swatch->SetColour(colour);
  return swatch;
}

}  // namespace

CPivotTrackerDlg::CPivotTrackerDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                                   const std::string& namelist, const PivotTrackerFields& fields)
    : PropertyDialog(parent, messages, kCaption, {}) {
  auto* frame = new QGroupBox(kFrameGroup, this);
  auto* frameform = new QFormLayout(frame);
  m_fontsize = new QComboBox(frame);
  FillFontSizeCombo(m_fontsize, fields.fontsize);
  m_textcolor = NewSwatch(chooser, fields.textcolor, frame);
  m_bordercolor = NewSwatch(chooser, fields.bordercolor, frame);
  frameform->addRow(kSizeLabel, m_fontsize);
  frameform->addRow(kTextColourLabel, m_textcolor);
  frameform->addRow(kBorderColourLabel, m_bordercolor);

  auto* communications = new QGroupBox(kCommunicationsGroup, this);
  auto* commform = new QFormLayout(communications);
  commform->setRowWrapPolicy(QFormLayout::WrapAllRows);
  m_idlabel = NewFieldEdit(kLabelFieldLimit, fields.idlabel, communications);
  m_sisfrom = NewFieldEdit(kLabelFieldLimit, fields.sisfrom, communications);
  m_signalto = NewFieldEdit(kLabelFieldLimit, fields.signalto, communications);
  commform->addRow(kIdLabelLabel, m_idlabel);
  commform->addRow(kSisFromLabel, m_sisfrom);
  commform->addRow(kSignalToLabel, m_signalto);
  AddLabelSelector(m_sisfrom, namelist);
  AddLabelSelector(m_signalto, namelist);

  auto* centre = new QGroupBox(kCentreGroup, this);
  auto* centreform = new QFormLayout(centre);
  m_centerlat = NewFieldEdit(kCoordinateFieldLimit, fields.centerlat, centre);
  m_centerlon = NewFieldEdit(kCoordinateFieldLimit, fields.centerlon, centre);
  centreform->addRow(kLatLabel, m_centerlat);
  centreform->addRow(kLonLabel, m_centerlon);

  auto* jump = new QGroupBox(kJumpGroup, this);
  auto* jumplayout = new QVBoxLayout(jump);
  m_jumppage = NewFieldEdit(kLabelFieldLimit, fields.jumppage, jump);
  jumplayout->addWidget(m_jumppage);

  auto* lamps = new QGroupBox(kLampColoursGroup, this);
  auto* lampgrid = new QGridLayout(lamps);
  m_runoncolor = NewSwatch(chooser, fields.runoncolor, lamps);
  m_runoffcolor = NewSwatch(chooser, fields.runoffcolor, lamps);
  m_wateroncolor = NewSwatch(chooser, fields.wateroncolor, lamps);
  m_wateroffcolor = NewSwatch(chooser, fields.wateroffcolor, lamps);
  m_sisoncolor = NewSwatch(chooser, fields.sisoncolor, lamps);
  m_sisoffcolor = NewSwatch(chooser, fields.sisoffcolor, lamps);
  lampgrid->addWidget(new QLabel(kOnLabel, lamps), 0, 1, Qt::AlignHCenter);
  lampgrid->addWidget(new QLabel(kOffLabel, lamps), 0, 2, Qt::AlignHCenter);
  const std::tuple<const char*, ColourSwatch*, ColourSwatch*> lamprows[] = {
      {kRunLampLabel, m_runoncolor, m_runoffcolor},
      {kWaterLampLabel, m_wateroncolor, m_wateroffcolor},
      {kSisLampLabel, m_sisoncolor, m_sisoffcolor}};
  int row = 1;
  for (const auto& [label, on, off] : lamprows) {
    lampgrid->addWidget(new QLabel(label, lamps), row, 0);
    lampgrid->addWidget(on, row, 1);
    lampgrid->addWidget(off, row, 2);
    ++row;
  }

  auto* configuration = new QGroupBox(kConfigurationGroup, this);
  auto* configform = new QFormLayout(configuration);
  m_tickmarks = CountCombo(configuration, kFirstTickCount, kMostPivotTickMarks, fields.tickmarks);
  m_submarks = CountCombo(configuration, kFirstSubMarkCount, kMostGaugeSubMarks, fields.submarks);
  m_showvalues = NewCheckBox(kShowValuesText, fields.showvalues, configuration);
  m_cwlimit = NewFieldEdit(0, fields.cwlimit, configuration);
  m_ccwlimit = NewFieldEdit(0, fields.ccwlimit, configuration);
  m_autorotate = NewCheckBox(kAutoRotateText, fields.autorotate, configuration);
  configform->addRow(kTickMarksLabel, m_tickmarks);
  configform->addRow(kSubMarksLabel, m_submarks);
  configform->addRow(m_showvalues);
  configform->addRow(kCwLimitLabel, m_cwlimit);
  configform->addRow(kCcwLimitLabel, m_ccwlimit);
  configform->addRow(m_autorotate);

  auto* left = new QVBoxLayout;
  left->addWidget(frame);
  left->addWidget(communications);
  left->addWidget(centre);
  left->addWidget(jump);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(lamps);
  right->addWidget(configuration);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  Body()->addLayout(columns);

  connect(m_tickmarks, &QComboBox::currentIndexChanged, this, &CPivotTrackerDlg::OnTickMarksChange);
  OnTickMarksChange();
}

PivotTrackerFields CPivotTrackerDlg::Fields() const {
  PivotTrackerFields fields;
  fields.fontsize = m_fontsize->currentIndex();
  fields.textcolor = m_textcolor->Colour();
  fields.bordercolor = m_bordercolor->Colour();
  fields.idlabel = m_idlabel->Text();
  fields.sisfrom = m_sisfrom->Text();
  fields.signalto = m_signalto->Text();
  fields.centerlat = m_centerlat->Text();
  fields.centerlon = m_centerlon->Text();
  fields.jumppage = m_jumppage->Text();
  fields.runoncolor = m_runoncolor->Colour();
  fields.runoffcolor = m_runoffcolor->Colour();
  fields.wateroncolor = m_wateroncolor->Colour();
  fields.wateroffcolor = m_wateroffcolor->Colour();
  fields.sisoncolor = m_sisoncolor->Colour();
  fields.sisoffcolor = m_sisoffcolor->Colour();
  fields.tickmarks = m_tickmarks->currentIndex();
  fields.submarks = m_submarks->currentIndex();
  fields.showvalues = CheckState(m_showvalues);
  fields.cwlimit = m_cwlimit->Text();
  fields.ccwlimit = m_ccwlimit->Text();
  fields.autorotate = CheckState(m_autorotate);
  return fields;
}

void CPivotTrackerDlg::OnTickMarksChange() {
  const SubMarksState state = SubMarksFollowTicks(m_tickmarks->currentIndex(), m_submarks->currentIndex());
  m_submarks->setCurrentIndex(state.index);
  m_submarks->setEnabled(state.enabled);
}

void CPivotTrackerDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) return;
  PropertyDialog::keyPressEvent(event);
}

void CPivotTrackerDlg::OnOK() {
  PivotTrackerFields fields = Fields();
  const OkCheck<PivotTrackerField> check = CheckPivotTrackerFields(fields, Messages());
  m_idlabel->SetText(fields.idlabel);
  m_sisfrom->SetText(fields.sisfrom);
  m_signalto->SetText(fields.signalto);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus), check.guard);
}

Latin1LineEdit* CPivotTrackerDlg::FieldEdit(PivotTrackerField field) const {
  switch (field) {
    case PivotTrackerField::IdLabel: return m_idlabel;
    case PivotTrackerField::SisFrom: return m_sisfrom;
    case PivotTrackerField::SignalTo: return m_signalto;
    case PivotTrackerField::Lat: return m_centerlat;
    case PivotTrackerField::Lon: return m_centerlon;
    case PivotTrackerField::JumpPage: return m_jumppage;
    case PivotTrackerField::CwLimit: return m_cwlimit;
    case PivotTrackerField::CcwLimit: return m_ccwlimit;
  }
  return m_idlabel;
}

}  // namespace korvix
