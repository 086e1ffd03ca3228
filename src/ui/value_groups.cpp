#include "ui/value_groups.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <utility>

#include "properties/mark_choices.h"
#include "properties/property_choices.h"
#include "ui/latin1_edits.h"
#include "ui/property_dialog.h"

namespace korvix {

namespace {

constexpr const char* kConversionGroup = "Data Conversion";
constexpr const char* kInputLabel = "Input";
constexpr const char* kOutputLabel = "Output";
constexpr const char* kMultiplierLabel = "Multiplier";
constexpr const char* kOffsetLabel = "Offset";
constexpr const char* kLookupTableLabel = "Lookup Table";
constexpr const char* kFormulaLabel = "Math Formula";
constexpr const char* kScreenTextGroup = "Screen Text";
constexpr const char* kTitleLabel = "Title";
constexpr const char* kSizeLabel = "Size";
constexpr const char* kColorLabel = "Color";
constexpr const char* kCommunicationsGroup = "Communications";
constexpr const char* kIdLabelLabel = "Object ID Label";
constexpr const char* kPollLabel = "Data Polling Command";
constexpr const char* kOutputTargetLabel = "Send output value to this Screen Object";
constexpr const char* kNoneEntry = "None";
constexpr int kWideEditCharacters = 22;

Latin1LineEdit* TextEdit(int limit, const std::string& text, QWidget* parent) {
  auto* edit = WideEdit(limit, parent);
  edit->SetText(text);
  return edit;
}

}  // namespace

ConversionFields ConversionControls::Fields() const {
  ConversionFields fields;
  fields.inputbase = inputbase->currentIndex();
  fields.outputbase = outputbase->currentIndex();
  fields.multiplier = multiplier->Text();
  fields.offset = offset->Text();
  fields.lookuptable = lookuptable->Text();
  fields.formula = formula->Text();
  return fields;
}

void ConversionControls::ShowTexts(const ConversionFields& fields) {
  multiplier->SetText(fields.multiplier);
  offset->SetText(fields.offset);
  lookuptable->SetText(fields.lookuptable);
  formula->SetText(fields.formula);
}

QGroupBox* AddConversionGroup(QWidget* parent, const ConversionFields& fields, ConversionControls& controls) {
  auto* group = new QGroupBox(kConversionGroup, parent);
  auto* form = new QFormLayout(group);
  controls.inputbase = NamesCombo(group, kBaseNames, fields.inputbase);
  controls.outputbase = NamesCombo(group, kBaseNames, fields.outputbase);
  controls.multiplier = NumberEdit(kNumberFieldLimit, group);
  controls.offset = NumberEdit(kNumberFieldLimit, group);
  controls.lookuptable = WideEdit(kLabelFieldLimit, group);
  controls.formula = WideEdit(kFormulaFieldLimit, group);
  controls.ShowTexts(fields);
  form->addRow(kInputLabel, controls.inputbase);
  form->addRow(kOutputLabel, controls.outputbase);
  form->addRow(kMultiplierLabel, controls.multiplier);
  form->addRow(kOffsetLabel, controls.offset);
  form->addRow(kLookupTableLabel, controls.lookuptable);
  form->addRow(kFormulaLabel, controls.formula);
  return group;
}

QGroupBox* AddGaugeScreenTextGroup(QWidget* parent, const ColourChooser& chooser, const GaugeTextFields& texts,
                                   GaugeTextControls& controls) {
  auto* group = new QGroupBox(kScreenTextGroup, parent);
  auto* form = new QFormLayout(group);
  controls.title = TextEdit(kLabelFieldLimit, texts.title, group);
  controls.fontsize = new QComboBox(group);
  FillFontSizeCombo(controls.fontsize, texts.fontsize);
  controls.gaugecolor = new ColourSwatch(chooser, group);
  controls.gaugecolor->SetColour(texts.gaugecolor);
  form->addRow(kTitleLabel, controls.title);
  form->addRow(kSizeLabel, controls.fontsize);
  form->addRow(kColorLabel, controls.gaugecolor);
  return group;
}

QGroupBox* AddGaugeCommunicationsGroup(QWidget* parent, const GaugeTextFields& texts, GaugeTextControls& controls) {
  // Each label above its edit: the target's label is too long to stand
  // beside one.
  auto* group = new QGroupBox(kCommunicationsGroup, parent);
  auto* column = new QVBoxLayout(group);
  controls.idlabel = TextEdit(kLabelFieldLimit, texts.idlabel, group);
  controls.pollcommand = TextEdit(kCommandFieldLimit, texts.pollcommand, group);
  controls.outputlabel = TextEdit(kLabelFieldLimit, texts.outputlabel, group);
  for (auto [label, edit] : {std::pair{kIdLabelLabel, controls.idlabel}, std::pair{kPollLabel, controls.pollcommand},
                             std::pair{kOutputTargetLabel, controls.outputlabel}}) {
    column->addWidget(new QLabel(label, group));
    column->addWidget(edit);
  }
  return group;
}

GaugeTextFields ReadGaugeTexts(const GaugeTextControls& controls) {
  GaugeTextFields texts;
  texts.title = controls.title->Text();
  texts.fontsize = controls.fontsize->currentIndex();
  texts.gaugecolor = controls.gaugecolor->Colour();
  texts.idlabel = controls.idlabel->Text();
  texts.pollcommand = controls.pollcommand->Text();
  texts.outputlabel = controls.outputlabel->Text();
  return texts;
}

void ShowGaugeTexts(const GaugeTextControls& controls, const GaugeTextFields& texts) {
  controls.title->SetText(texts.title);
  controls.idlabel->SetText(texts.idlabel);
  controls.pollcommand->SetText(texts.pollcommand);
  controls.outputlabel->SetText(texts.outputlabel);
}

Latin1LineEdit* WideEdit(int limit, QWidget* parent) {
  auto* edit = new Latin1LineEdit(limit, parent);
  edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * kWideEditCharacters);
  return edit;
}

Latin1LineEdit* NumberEdit(int limit, QWidget* parent) {
  auto* edit = new Latin1LineEdit(limit, parent);
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QString(limit + 2, QLatin1Char('0'))) + 12);
  return edit;
}

QComboBox* CountCombo(QWidget* parent, int first, int last, int index) {
  auto* combo = new QComboBox(parent);
  combo->addItem(kNoneEntry);
  for (int count = first; count <= last; ++count) combo->addItem(QString::number(count));
  combo->setCurrentIndex(index);
  return combo;
}

QComboBox* NamesCombo(QWidget* parent, const char* const* names, int count, int index) {
  auto* combo = new QComboBox(parent);
  for (int i = 0; i < count; ++i) combo->addItem(names[i]);
  combo->setCurrentIndex(index);
  return combo;
}

void FollowTickMarks(QComboBox* tickmarks, QComboBox* submarks) {
  const SubMarksState state = SubMarksFollowTicks(tickmarks->currentIndex(), submarks->currentIndex());
  submarks->setCurrentIndex(state.index);
  submarks->setEnabled(state.enabled);
}

}  // namespace korvix
