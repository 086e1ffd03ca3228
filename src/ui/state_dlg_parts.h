#pragma once

#include <string>

class QFormLayout;
class QGroupBox;
class QWidget;

namespace korvix {

class Latin1LineEdit;

// The groups that the Signal Lamp, Event Counter and Event Timer dialogs
// share.

constexpr const char* kStateConfigurationGroup = "Configuration";
constexpr const char* kObjectIdLabel = "Object ID Label";
constexpr const char* kResetValueLabel = "Reset Value";
constexpr const char* kResetOnRunText = "Reset when start/stop run loop";
constexpr const char* kTitleWidthLabel = "Title Width";

// "Conditionals": the three texts that, sent by a module, act on the object.
struct ConditionalTextControls {
  QGroupBox* group;
  Latin1LineEdit* first;
  Latin1LineEdit* second;
  Latin1LineEdit* third;
};
ConditionalTextControls NewConditionalTextGroup(QWidget* parent, const char* firstlabel, const std::string& first,
                                                const char* secondlabel, const std::string& second,
                                                const char* thirdlabel, const std::string& third);

}  // namespace korvix
