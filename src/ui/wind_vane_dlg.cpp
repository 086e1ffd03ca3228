#include "ui/wind_vane_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>

#include "properties/mark_choices.h"
#include "properties/property_choices.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Wind Vane Properties";
constexpr const char* kConfigurationGroup = "Configuration";
constexpr const char* kFullDataLabel = "360  Deg Data";
constexpr const char* kZeroDataLabel = "0  Deg Data";
constexpr const char* kTickMarksLabel = "Tick Marks";
constexpr const char* kSubMarksLabel = "Sub Marks";
constexpr const char* kShowLabelsText = "Show Direction Labels";

}  // namespace

CWindVaneDlg::CWindVaneDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                           const WindVaneFields& fields, std::string namelist)
    : GaugeTextsDlg(parent, messages, kCaption, kWindVaneHelpTopic, chooser, fields.texts, std::move(namelist)) {
  auto* configuration = new QGroupBox(kConfigurationGroup, this);
  auto* form = new QFormLayout(configuration);
  m_fulldata = NumberEdit(kNumberFieldLimit, configuration);
  m_fulldata->SetText(fields.fulldata);
  m_zerodata = NumberEdit(kNumberFieldLimit, configuration);
  m_zerodata->SetText(fields.zerodata);
  m_tickmarks = NamesCombo(configuration, kWindVaneTickMarkNames, fields.tickmarks);
  m_submarks = CountCombo(configuration, 1, kMostWindVaneSubMarks, fields.submarks);
  m_showlabels = new QCheckBox(kShowLabelsText, configuration);
  m_showlabels->setChecked(fields.showlabels != 0);
  form->addRow(kFullDataLabel, m_fulldata);
  form->addRow(kZeroDataLabel, m_zerodata);
  form->addRow(kTickMarksLabel, m_tickmarks);
  form->addRow(kSubMarksLabel, m_submarks);
  form->addRow(m_showlabels);
  LayOut(nullptr, configuration, {{ValueField::FullData, m_fulldata}, {ValueField::ZeroData, m_zerodata}});
  connect(m_tickmarks, &QComboBox::currentIndexChanged, this, [this] { FollowTickMarks(m_tickmarks, m_submarks); });
  FollowTickMarks(m_tickmarks, m_submarks);
}

WindVaneFields CWindVaneDlg::Fields() const {
  WindVaneFields fields;
  fields.texts = ReadGaugeTexts(m_texts);
  fields.fulldata = m_fulldata->Text();
  fields.zerodata = m_zerodata->Text();
  fields.tickmarks = m_tickmarks->currentIndex();
  fields.submarks = m_submarks->currentIndex();
  fields.showlabels = m_showlabels->isChecked() ? 1 : 0;
  return fields;
}

// The focus leaves the fields first, so that a refused selector field gets
// it back through the guard instead of opening its selector.
void CWindVaneDlg::OnOK() {
  OkButton()->setFocus(Qt::OtherFocusReason);
  WindVaneFields fields = Fields();
  const OkCheck<ValueField> check = CheckWindVaneFields(fields, Messages());
  ShowGaugeTexts(m_texts, fields.texts);
  m_fulldata->SetText(fields.fulldata);
  m_zerodata->SetText(fields.zerodata);
  EndOrRefocus(check);
}

}  // namespace korvix
