#pragma once

#include <initializer_list>
#include <string>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QWidget;

namespace korvix {

class Latin1LineEdit;

// The groups that the Rocker Switch and Slider Control dialogs share.

constexpr const char* kStartWithValueText = "Start with this value";
constexpr const char* kGetValueText = "Get value from Module by sending this command";
constexpr const char* kCommunicationsGroup = "Communications";
constexpr const char* kResponseExpectedText = "Response expected from Module";

// "Initialization": one radio per start mode, the start value beside the
// first and the command beside the second, then the "Value Type".
struct InitializationControls {
  QGroupBox* group;
  QButtonGroup* initmode;
  Latin1LineEdit* startvalue;
  Latin1LineEdit* getcommand;
  QComboBox* valuetype;
};
InitializationControls NewInitializationGroup(QWidget* parent, std::initializer_list<const char*> modes, int initmode,
                                              const std::string& startvalue, const std::string& getcommand,
                                              int valuetype);

// The two ID Label fields that replies and values go to.
struct MonitoringControls {
  QGroupBox* group;
  Latin1LineEdit* responseto;
  Latin1LineEdit* sendvalueto;
};
MonitoringControls NewMonitoringGroup(QWidget* parent, const char* caption, const std::string& responseto,
                                      const std::string& sendvalueto);

}  // namespace korvix
