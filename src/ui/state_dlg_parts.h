#pragma once

#include <string>

class QCheckBox;
class QComboBox;
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

struct ScreenTextControls;

// The "Title Width" row under the Event Counter's and Event Timer's screen
// text: both show their title beside the value.
QComboBox* AddTitleWidthRow(const ScreenTextControls& screentext, int titlewidth);

// "Configuration" of the Event Counter and the Event Timer: the ID Label,
// the value a reset returns to, and when and how a user resets it.
struct ResetConfigurationControls {
  QGroupBox* group;
  QFormLayout* form;
  Latin1LineEdit* idlabel;
  Latin1LineEdit* resetvalue;
  QCheckBox* resetonrun;
  QCheckBox* manualbuttons;
};
ResetConfigurationControls NewResetConfigurationGroup(QWidget* parent, const std::string& idlabel, int resetlimit,
                                                      const std::string& resetvalue, int resetonrun,
                                                      const char* manualtext, int manualbuttons);

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
