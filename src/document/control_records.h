#pragma once

#include <string>

#include "document/capacities.h"
#include "document/record_basics.h"
#include "document/record_list.h"

namespace korvix {

// Members in stored order, except where a member says otherwise.

struct SignalLampRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  double widthfactor = 4.0;
  double heightfactor = 1.0;
  int sizecode = kDefaultSizeCode;
  Block16 field7{};
  std::string idlabel;
  std::string title = kDefaultTitle;
  std::string valuetext = "Off";
  int state = 0;
  int resetstate = 0;
  int resetonrun = 1;
  int manualop = 1;
  std::string ontext;
  std::string offtext;
  std::string toggletext;
  int textcolor = kColorBlack;
  int lampcolor = 0;
  int flashrate = 0;
  int field21 = 0;
  int page = 1;
  int logcolumn = kNoLogColumn;
};

struct EventCounterRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  int titlewidth = 5;
  double widthfactor = 8.28;
  int buttonwidth = 3;
  int sizecode = kDefaultSizeCode;
  Block16 field8{};
  std::string idlabel;
  std::string title = kDefaultTitle;
  std::string valuetext = "0";
  std::string resetvalue = "0";
  int resetonrun = 1;
  int manualbuttons = 1;
  std::string inctext;
  std::string dectext;
  std::string resettext;
  double heightfactor = 1.34;
  int textcolor = kColorBlack;
  int page = 1;
  int logcolumn = kNoLogColumn;
  int field22 = 0;
  int field23 = 0;
  int field24 = 0;
};

struct EventTimerRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  int titlewidth = 5;
  double widthfactor = 10.5;
  int buttonwidth = 3;
  int sizecode = kDefaultSizeCode;
  Block16 field8{};
  std::string idlabel;
  std::string title = kDefaultTitle;
  std::string valuetext = "0:00:00.0";
  int timeformat = 2;
  int resetonrun = 1;
  int manualbuttons = 1;
  std::string starttext;
  std::string halttext;
  std::string resettext;
  double heightfactor = 1.34;
  int textcolor = kColorBlack;
  int page = 1;
  int resetms = 0;
  int elapsedms = 0;
  int field23 = 0;
  int logcolumn = kNoLogColumn;
  int field25 = 0;
  int field26 = 0;
  int field27 = 0;
  int field28 = 0;
};

struct PushButtonRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  double widthfactor = 5.9;
  int sizecode = kDefaultSizeCode;
  Block16 field6{};
  std::string title = kDefaultTitle;
  std::string pressparam;
  std::string presssecond;
  std::string field10;
  int pressaction = 1;
  int pressholds = 0;
  int textcolor = kColorBlack;
  int releaseaction = 0;
  int releaseholds = 0;
  double heightfactor = 1.0;
  int field17 = 0;
  int page = 1;
  int field19 = 0;
  int pressfontsize = 0;
  int releasefontsize = 0;
  std::string releaseparam;
  std::string releasesecond;
  int pressbarsize = 0;
  int releasebarsize = 0;
  int field26 = 0;
  int field27 = 0;
  std::string pressbarcode;
  std::string releasebarcode;
  int field30 = 1;
  int field31 = 0;
};

struct ButtonArrayButton {
  Rect placement;
  std::string title;
  int textcolor = kColorBlack;
  int action = 0;
  std::string param;
  int isdown = 0;
  std::string second;
  int fontsize = 0;
  std::string barcode;
  int barsize = 0;
};

using ButtonArrayButtonList = RecordList<ButtonArrayButton, kMaxButtonArrayButtons, 0>;

struct ButtonArrayRecord {
  ButtonArrayRecord();

  int stacknum = 0;
  int x = 0;
  int y = 0;
  double widthfactor = 4.3;
  double heightfactor = 1.34;
  int sizecode = kDefaultSizeCode;
  std::string idlabel;
  ButtonArrayButtonList buttons;  // its count is the stored `buttoncount`
  int executeonchange = 0;
  int field11 = 0;
  int field12 = 0;
  int page = 1;
  int field14 = 0;
};

struct RockerSwitchRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  double widthfactor = 4.0;
  int sizecode = kDefaultSizeCode;
  Block16 field6{};
  std::string title = kDefaultTitle;
  int initmode = 0;
  std::string startvalue = "50";
  std::string upprefix;  // the "on" command
  int valuetype = 0;
  std::string valuetext = "0";
  std::string getcommand;
  std::string responseto;
  std::string sendvalueto;
  std::string downprefix;  // the "off" command
  int upstep = 0;
  int downstep = 1;
  std::string uplimit = "100";
  std::string downlimit = "0";
  int responseexpected = 0;
  int rollover = 0;
  int repeatrate = 1;
  int textcolor = kColorBlack;
  int field25 = 0;
  int field26 = 0;
  double heightfactor = 2.3;
  int field28 = 0;
  int page = 1;
  int field30 = 0;
};

struct SliderControlRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  double widthfactor = 4.0;
  int sizecode = kDefaultSizeCode;
  Block16 field6{};
  std::string title = kDefaultTitle;
  int initmode = 0;
  std::string startvalue = "50";
  std::string sendprefix;  // the command sent with a value
  int valuetype = 0;
  std::string valuetext = "0";
  std::string responseto;
  std::string sendvalueto;
  std::string getcommand;  // the second command, that asks for the value
  std::string topvalue = "100";
  std::string bottomvalue = "0";
  int continuoussend = 1;
  int tickmarks = 5;
  int showvalues = 1;
  int responseexpected = 0;
  int textcolor = kColorBlack;
  int field23 = 0;
  int field24 = 0;
  double heightfactor = 5.6;
  int field26 = 0;
  int page = 1;
};

struct PIControllerRecord {
  int stacknum = 0;
  int page = 1;
  int x = 0;
  int y = 0;
  double widthfactor = 14.3;
  double heightfactor = 5.2;
  std::string title = kDefaultTitle;
  int sizecode = kDefaultSizeCode;
  int textcolor = kColorBlack;
  std::string idlabel;
  std::string pollcommand;
  std::string sensorto;
  int kpkiformat = 1;
  int locksettings = 0;
  std::string multiplier = kDefaultMultiplier;
  std::string offset = "0";
  std::string lookuptable;
  std::string formula;
  std::string posmax;
  std::string posmin;
  std::string negmax;
  std::string negmin;
  std::string posprefix;
  std::string negprefix;
  std::string kptext = "0.1";
  std::string kitext = "0.1";
  int logcolumn = kNoLogColumn;
  // Never stored, yet delivered, converted and read by label like every
  // other kind's value.
  std::string valuetext = "0.0";
};

}  // namespace korvix
