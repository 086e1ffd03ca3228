#include "ui/state_dlg_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>

#include "properties/property_choices.h"
#include "properties/state_properties.h"
#include "ui/choice_controls.h"
#include "ui/latin1_edits.h"
#include "ui/property_dialog.h"

namespace korvix {

namespace {

constexpr const char* kConditionalsGroup = "Conditionals";

}  // namespace

QComboBox* AddTitleWidthRow(const ScreenTextControls& screentext, int titlewidth) {
  auto* combo = new QComboBox(screentext.group);
  FillWidthCombo(combo, kMaxTitleWidth, titlewidth);
  screentext.form->addRow(kTitleWidthLabel, combo);
  return combo;
}

ResetConfigurationControls NewResetConfigurationGroup(QWidget* parent, const std::string& idlabel, int resetlimit,
                                                      const std::string& resetvalue, int resetonrun,
                                                      const char* manualtext, int manualbuttons) {
  ResetConfigurationControls controls;
  controls.group = new QGroupBox(kStateConfigurationGroup, parent);
  controls.form = new QFormLayout(controls.group);
  controls.idlabel = NewFieldEdit(kLabelFieldLimit, idlabel, controls.group);
  controls.resetvalue = NewFieldEdit(resetlimit, resetvalue, controls.group);
  controls.resetonrun = NewCheckBox(kResetOnRunText, resetonrun, controls.group);
  controls.manualbuttons = NewCheckBox(manualtext, manualbuttons, controls.group);
  controls.form->addRow(kObjectIdLabel, controls.idlabel);
  controls.form->addRow(kResetValueLabel, controls.resetvalue);
  controls.form->addRow(controls.resetonrun);
  controls.form->addRow(controls.manualbuttons);
  return controls;
}

ConditionalTextControls NewConditionalTextGroup(QWidget* parent, const char* firstlabel, const std::string& first,
                                                const char* secondlabel, const std::string& second,
                                                const char* thirdlabel, const std::string& third) {
  ConditionalTextControls controls;
  controls.group = new QGroupBox(kConditionalsGroup, parent);
  auto* layout = new QFormLayout(controls.group);
  layout->setRowWrapPolicy(QFormLayout::WrapAllRows);
  controls.first = NewFieldEdit(kLabelFieldLimit, first, controls.group);
  controls.second = NewFieldEdit(kLabelFieldLimit, second, controls.group);
  controls.third = NewFieldEdit(kLabelFieldLimit, third, controls.group);
  layout->addRow(firstlabel, controls.first);
  layout->addRow(secondlabel, controls.second);
  layout->addRow(thirdlabel, controls.third);
  return controls;
}

}  // namespace korvix
