#include "ui/control_dlg_parts.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <array>

#include "properties/property_choices.h"
#include "ui/choice_controls.h"
#include "ui/latin1_edits.h"
#include "ui/value_groups.h"

namespace korvix {

namespace {

constexpr const char* kInitializationGroup = "Initialization";
constexpr const char* kValueTypeLabel = "Value Type";
constexpr std::array<const char*, 3> kValueTypeNames = {"Dec", "Hex", "Bin"};
constexpr const char* kResponseToLabel = "Send the response to this Screen Object";
constexpr const char* kSendValueToLabel = "Send current value to this Screen Object";

}  // namespace

InitializationControls NewInitializationGroup(QWidget* parent, std::initializer_list<const char*> modes, int initmode,
                                              const std::string& startvalue, const std::string& getcommand,
                                              int valuetype) {
  InitializationControls controls;
  controls.group = new QGroupBox(kInitializationGroup, parent);
  auto* layout = new QGridLayout(controls.group);
  controls.initmode = NewRadioGroup(controls.group, modes, initmode);
  controls.startvalue = NewFieldEdit(kNumberFieldLimit, startvalue, controls.group);
  controls.getcommand = NewFieldEdit(kPrefixFieldLimit, getcommand, controls.group);
  const QList<QAbstractButton*> radios = controls.initmode->buttons();
  for (int row = 0; row < radios.size(); ++row) layout->addWidget(radios[row], row, 0);
  layout->addWidget(controls.startvalue, 0, 1);
  layout->addWidget(controls.getcommand, 1, 1);
  controls.valuetype = NamesCombo(controls.group, kValueTypeNames, valuetype);
  auto* typerow = new QFormLayout;
  typerow->addRow(kValueTypeLabel, controls.valuetype);
  layout->addLayout(typerow, static_cast<int>(radios.size()), 0, 1, 2);
  return controls;
}

MonitoringControls NewMonitoringGroup(QWidget* parent, const char* caption, const std::string& responseto,
                                      const std::string& sendvalueto) {
  MonitoringControls controls;
  controls.group = new QGroupBox(caption, parent);
  auto* layout = new QFormLayout(controls.group);
  layout->setRowWrapPolicy(QFormLayout::WrapAllRows);
  controls.responseto = NewFieldEdit(kLabelFieldLimit, responseto, controls.group);
  controls.sendvalueto = NewFieldEdit(kLabelFieldLimit, sendvalueto, controls.group);
  layout->addRow(kResponseToLabel, controls.responseto);
  layout->addRow(kSendValueToLabel, controls.sendvalueto);
  return controls;
}

}  // namespace korvix
