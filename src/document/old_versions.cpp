#include "document/old_versions.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "document/load_result.h"

namespace korvix {

namespace {

constexpr double kFirstCurrentGaugeVersion = 3.0;
constexpr double kFirstExpressionVersion = 3.2;
constexpr double kFirstCurrentStepVersion = 5.0;
constexpr double kLastUnlabelledChartVersion = 9.44;
constexpr double kFirstCurrentSettingsVersion = 14.1;

constexpr const char* kChartRecorderLabel = "ChartRec";
constexpr int kRetiredPIControllerSizeCode = 68;
constexpr int kPIControllerSizeCode = 48;

constexpr const char* kOldVersionIntro = "The project file was created with Korvix ";
constexpr const char* kOldGaugesText =
    ". \rIts Data Windows and gauges are of a kind that \rthis version can not convert.";
constexpr const char* kOldConditionalsText = ". \rIts Conditionals are of a kind that \rthis version can not convert.";
constexpr const char* kOldStepsText = ". \rIts Script steps are of a kind that \rthis version can not convert.";
constexpr const char* kOldSettingsText =
    ". \rIts radio and e-mail settings are of a kind that \rthis version can not convert.";
constexpr const char* kOldChartText =
    ". \rIts Chart Recorder settings are of a kind that \rthis version can not convert.";

[[noreturn]] void Refuse(double version, const char* what) {
  char number[32];
  std::snprintf(number, sizeof number, "%.2f", version);
  throw LoadError(LoadStatus::OldVersionRefused, std::string(kOldVersionIntro) + number + what);
}

bool HasDataWindowsOrGauges(const CKorvixDoc& doc) {
  return doc.m_datawindows.Count() + doc.m_levelgauges.Count() + doc.m_dialgauges.Count() + doc.m_metergauges.Count() +
             doc.m_vertgauges.Count() + doc.m_horzgauges.Count() + doc.m_dualhandgauges.Count() >
         0;
}

bool HasScriptSteps(const CKorvixDoc& doc) {
  for (const ScriptRecord& script : doc.m_scripts) {
    if (script.steps.Count() > 0) {
      return true;
    }
  }
  return false;
}

bool HasOldSettings(const CKorvixDoc& doc) {
  for (const std::string& text : doc.m_radio.texts) {
    if (!text.empty()) {
      return true;
    }
  }
  const EmailServerSettings defaults;
  const EmailServerSettings& email = doc.m_emailserver;
  return email.smtpserver != defaults.smtpserver || email.smtpport != defaults.smtpport ||
         email.smtpuser != defaults.smtpuser || email.smtppassword != defaults.smtppassword ||
         email.sendername != defaults.sendername || email.senderemail != defaults.senderemail ||
         email.replyto != defaults.replyto || email.encryption != defaults.encryption;
}

bool InRange(int value, int lowest, int highest) { return value >= lowest && value <= highest; }

bool IsLegal(const ChartRecorderRecord& chart) {
  const auto divisions = [](int value) { return InRange(value, 2, 20) && value % 2 == 0; };
  return divisions(chart.hdivisions) && divisions(chart.vdivisions) && InRange(chart.scanrate, 10, 9999999) &&
         InRange(chart.span, 1, 9999) && InRange(chart.spanunit, 0, 3);
}

bool HasIllegalChartValues(const CKorvixDoc& doc) {
  for (const ChartRecorderRecord& chart : doc.m_chartrecorders) {
    if (!IsLegal(chart)) {
      return true;
    }
  }
  return false;
}

void RefuseUnknownConversions(const CKorvixDoc& doc) {
  const double version = doc.m_fileversion;
  if (version < kFirstCurrentGaugeVersion && HasDataWindowsOrGauges(doc)) {
    Refuse(version, kOldGaugesText);
  }
  if (version < kFirstExpressionVersion && doc.m_conditionals.Count() > 0) {
    Refuse(version, kOldConditionalsText);
  }
  if (version < kFirstCurrentStepVersion && HasScriptSteps(doc)) {
    Refuse(version, kOldStepsText);
  }
  if (version < kFirstCurrentSettingsVersion) {
    if (HasOldSettings(doc)) {
      Refuse(version, kOldSettingsText);
    }
    if (HasIllegalChartValues(doc)) {
      Refuse(version, kOldChartText);
    }
  }
}

// Old files marked a Data Window in tenths of units by a negative y.
void ConvertTenthsPosition(DataWindowRecord& window) {
  if (window.y < 0) {
    window.x /= 10;
    window.y = static_cast<int>(-static_cast<std::int64_t>(window.y) / 10);
  }
}

}  // namespace

void ConvertOlderVersion(CKorvixDoc& doc) {
  RefuseUnknownConversions(doc);
  for (DataWindowRecord& window : doc.m_datawindows) {
    ConvertTenthsPosition(window);
  }
  if (doc.m_fileversion <= kLastUnlabelledChartVersion) {
    for (ChartRecorderRecord& chart : doc.m_chartrecorders) {
      chart.idlabel = kChartRecorderLabel;
    }
  }
  for (PIControllerRecord& controller : doc.m_picontrollers) {
    if (controller.sizecode == kRetiredPIControllerSizeCode) {
      controller.sizecode = kPIControllerSizeCode;
    }
  }
}

}  // namespace korvix
