#include "ui/state_dlg_parts.h"

#include <QFormLayout>
#include <QGroupBox>

#include "properties/property_choices.h"
#include "ui/choice_controls.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kConditionalsGroup = "Conditionals";

}  // namespace

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
