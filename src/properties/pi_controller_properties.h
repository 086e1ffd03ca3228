#pragma once

#include <string>

#include "document/control_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"

namespace korvix {

constexpr const char* kPIControllerHelpTopic = "PIController.htm";
constexpr int kKpKiFormatChoices = 3;  // "0", "0.0", "0.00"

// What the PI-Controller dialog edits; the Dec Point index is -1 when
// nothing is chosen.
struct PIControllerFields {
  std::string title;
  int fontsize = -1;
  int textcolor = 0;
  std::string idlabel;
  std::string pollcommand;
  std::string sensorto;
  int kpkiformat = -1;
  int locksettings = 0;
  std::string multiplier;
  std::string offset;
  std::string lookuptable;
  std::string formula;
  std::string posmax;
  std::string posmin;
  std::string posprefix;
  std::string negmax;
  std::string negmin;
  std::string negprefix;
};

enum class PIControllerField {
  Title,
  IdLabel,
  PollCommand,
  SensorTo,
  Multiplier,
  Offset,
  LookupTable,
  Formula,
  PosMax,
  PosMin,
  PosPrefix,
  NegMax,
  NegMin,
  NegPrefix
};

// A new Dec Point starts Kp and Ki again at one unit of it; a correction
// range that transmits nothing keeps no limits.
template <>
struct PropertyKind<ScreenObjectKind::PIController> {
  using Fields = PIControllerFields;
  static Fields Load(const PIControllerRecord& record);
  static void Store(const Fields& fields, PIControllerRecord& record);
};

// Trims the label, command, table, formula and target in place and takes
// the blanks out of the prefixes. A range's limits are compared as whole
// numbers, and only when the range transmits.
OkCheck<PIControllerField> CheckPIControllerFields(PIControllerFields& fields, const std::string& namelist,
                                                   MessageSink& sink);

}  // namespace korvix
