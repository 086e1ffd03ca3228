#include "ui/gauge_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "properties/mark_choices.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kConfigurationGroup = "Configuration";
constexpr const char* kTickMarksLabel = "Tick Marks";
constexpr const char* kSubMarksLabel = "Sub Marks";
constexpr const char* kWarningLabel = "Warning Level";
constexpr const char* kShowValuesText = "Show Values";
constexpr const char* kShowMinMaxText = "Show Min/Max";
constexpr const char* kBarColorLabel = "Bar Color";
constexpr int kFirstTickCount = 2;

}  // namespace

CGaugeDlg::CGaugeDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const GaugeFields& fields,
                     std::string namelist, ScreenObjectKind kind)
    : GaugeTextsDlg(parent, messages, WordingOf(kind).caption, WordingOf(kind).helptopic, chooser, fields.texts,
                    std::move(namelist)),
      m_wording(WordingOf(kind)) {
  QVBoxLayout* middle = NewConversionColumn(fields.conversion, m_conversion);

  const bool haswarning = m_wording.warningrange != nullptr;
  auto* configuration = new QGroupBox(kConfigurationGroup, this);
  auto* form = new QFormLayout(configuration);
  m_tickmarks = CountCombo(configuration, kFirstTickCount, kMostTickMarks, fields.tickmarks);
  form->addRow(kTickMarksLabel, m_tickmarks);
  if (haswarning) {
    m_submarks = CountCombo(configuration, 1, kMostGaugeSubMarks, fields.submarks);
    form->addRow(kSubMarksLabel, m_submarks);
    connect(m_tickmarks, &QComboBox::currentIndexChanged, this, [this] { FollowTickMarks(m_tickmarks, m_submarks); });
  }
  m_scaleend = NumberEdit(kNumberFieldLimit, configuration);
  m_scaleend->SetText(fields.scaleend);
  m_scalestart = NumberEdit(kNumberFieldLimit, configuration);
  m_scalestart->SetText(fields.scalestart);
  form->addRow(m_wording.endlabel, m_scaleend);
  form->addRow(m_wording.startlabel, m_scalestart);
  if (haswarning) {
    m_warnlevel = NumberEdit(kNumberFieldLimit, configuration);
    m_warnlevel->SetText(fields.warnlevel);
    form->addRow(kWarningLabel, m_warnlevel);
  }
  m_showvalues = new QCheckBox(kShowValuesText, configuration);
  m_showvalues->setChecked(fields.showvalues != 0);
  form->addRow(m_showvalues);
  if (!haswarning) {
    m_showminmax = new QCheckBox(kShowMinMaxText, configuration);
    m_showminmax->setChecked(fields.showminmax != 0);
    form->addRow(m_showminmax);
    m_barcolor = new ColourSwatch(chooser, configuration);
    m_barcolor->SetColour(fields.barcolor);
    form->addRow(kBarColorLabel, m_barcolor);
  }

  ValueFieldEdits edits = ConversionEdits(m_conversion);
  edits.emplace(ValueField::ScaleEnd, m_scaleend);
  edits.emplace(ValueField::ScaleStart, m_scalestart);
  if (m_warnlevel) edits.emplace(ValueField::WarnLevel, m_warnlevel);
  LayOut(middle, configuration, edits);
  if (m_submarks) FollowTickMarks(m_tickmarks, m_submarks);
}

GaugeFields CGaugeDlg::Fields() const {
  GaugeFields fields;
  fields.texts = ReadGaugeTexts(m_texts);
  fields.conversion = m_conversion.Fields();
  fields.tickmarks = m_tickmarks->currentIndex();
  if (m_submarks) fields.submarks = m_submarks->currentIndex();
  fields.scaleend = m_scaleend->Text();
  fields.scalestart = m_scalestart->Text();
  if (m_warnlevel) fields.warnlevel = m_warnlevel->Text();
  fields.showvalues = m_showvalues->isChecked() ? 1 : 0;
  if (m_showminmax) fields.showminmax = m_showminmax->isChecked() ? 1 : 0;
  if (m_barcolor) fields.barcolor = m_barcolor->Colour();
  return fields;
}

// The focus leaves the fields first, so that a refused selector field gets
// it back through the guard instead of opening its selector.
void CGaugeDlg::OnOK() {
  OkButton()->setFocus(Qt::OtherFocusReason);
  GaugeFields fields = Fields();
  const OkCheck<ValueField> check = CheckGaugeFields(fields, m_wording, NameList(), Messages());
  ShowGaugeTexts(m_texts, fields.texts);
  m_conversion.ShowTexts(fields.conversion);
  m_scaleend->SetText(fields.scaleend);
  m_scalestart->SetText(fields.scalestart);
  if (m_warnlevel) m_warnlevel->SetText(fields.warnlevel);
  EndOrRefocus(check);
}

}  // namespace korvix
