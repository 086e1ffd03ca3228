#pragma once

#include <string>

#include "document/capacities.h"
#include "document/record_basics.h"
#include "document/record_list.h"

namespace korvix {

// The character that ends the ID Label of a Conditional's action Script.
constexpr char kActionScriptMarker = static_cast<char>(0xA0);

struct ScriptStep {
  int code = 0;
  std::string param1;
  std::string spare1;
  std::string spare2;
  std::string spare3;
  std::string param2;
  int color1 = 0xFF0000;
  int color2 = 0xC0C0C0;
  int fontsize = 120;
  std::string barcode;
  int barsize = 10;
  int spare4 = 0;
  int spare5 = 0;
  int spare6 = 0;
};

// Slot 1000 (the spare) is the step clipboard.
using ScriptStepList = RecordList<ScriptStep, kMaxScriptSteps, kScriptStepSpareSlots>;

struct ScriptRecord {
  std::string idlabel;
  ScriptStepList steps;  // its count is the stored `stepcount`
  int curstep = 0;
  int isrunning = 0;
};

struct ConditionalRecord {
  std::string idlabel;
  std::string field2;
  int field3 = 0;
  std::string field4;
  std::string field5;
  std::string field6;
  std::string field7;
  int field8 = 0;
  int field9 = 0;
  int actionstarted = 0;
  int field11 = 0;
  std::string field12;
  std::string field13;
  int field14 = 0;
  int armed = 0;
  std::string expression;
};

struct VariableRecord {
  std::string idlabel;
  int valueformat = 0;
  std::string valuetext = "0";
  int decimals = 0;
  int resetonrun = 1;
  int timerrunning = 0;
  int logcolumn = kNoLogColumn;
};

struct DataParserStep {
  int kind = 0;
  std::string field2;
  std::string field3;
  std::string field4;
};

using DataParserStepList = RecordList<DataParserStep, kMaxDataParserSteps, kDataParserStepSpareSlots>;

struct DataParserRecord {
  std::string idlabel;
  DataParserStepList steps;  // its count is the stored `stepcount`
  int field4 = 0;
  std::string field5;
};

}  // namespace korvix
