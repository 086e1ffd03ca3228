#pragma once

#include <string>

#include "document/record_basics.h"

namespace korvix {

// Members in stored order.

struct LevelGaugeRecord {
  int stacknum = 0;
  int page = 1;
  int x = 0;
  int y = 0;
  double widthfactor = 4.0;
  double heightfactor = 5.6;
  int sizecode = kDefaultSizeCode;
  std::string title = kDefaultTitle;
  int gaugecolor = kColorBlack;
  std::string valuetext = "0";
  std::string idlabel;
  std::string pollcommand;
  std::string outputlabel;
  int inputbase = 0;
  int outputbase = 0;
  std::string multiplier = kDefaultMultiplier;
  std::string offset = "0";
  std::string scaleend = "100";
  std::string scalestart = "0";
  int tickmarks = 5;
  int showvalues = 1;
  int showminmax = 1;
  Block16 field23{};
  int barcolor = kColorBlue;
  int maxseen = 0;
  int minseen = 0;
  int field27 = 0;
  int field28 = 0;
  int logcolumn = kNoLogColumn;
  int field30 = 0;
  std::string lookuptable;
  std::string formula;
};

// The one layout that Dial, Meter, Vertical and Horizontal Gauges share;
// the kinds differ only in their new-object defaults.
struct ScaleGaugeRecord {
  int stacknum = 0;
  int page = 1;
  int x = 0;
  int y = 0;
  double widthfactor = 5.6;
  double heightfactor = 5.6;
  int sizecode = kDefaultSizeCode;
  std::string title = kDefaultTitle;
  int gaugecolor = kColorBlack;
  std::string valuetext = "0";
  std::string idlabel;
  std::string pollcommand;
  std::string outputlabel;
  int inputbase = 0;
  int outputbase = 0;
  std::string multiplier = kDefaultMultiplier;
  std::string offset = "0";
  std::string scaleend = "100";
  std::string scalestart = "0";
  std::string warnlevel = "80";
  int tickmarks = 6;
  int submarks = 3;
  int showvalues = 1;
  int logcolumn = kNoLogColumn;
  std::string lookuptable;
  std::string formula;
};

struct DialGaugeRecord : ScaleGaugeRecord {
  DialGaugeRecord() {
    scaleend = "200";
    warnlevel = "175";
    tickmarks = 9;
    submarks = 4;
  }
};

struct MeterGaugeRecord : ScaleGaugeRecord {
  MeterGaugeRecord() { heightfactor = 2.8; }
};

struct VerticalGaugeRecord : ScaleGaugeRecord {
  VerticalGaugeRecord() { widthfactor = 4.0; }
};

struct HorizontalGaugeRecord : ScaleGaugeRecord {
  HorizontalGaugeRecord() { heightfactor = 1.75; }
};

struct DualHandGaugeRecord {
  int stacknum = 0;
  int page = 1;
  int x = 0;
  int y = 0;
  double widthfactor = 5.6;
  double heightfactor = 5.6;
  int sizecode = kDefaultSizeCode;
  std::string title = kDefaultTitle;
  int gaugecolor = kColorYellow;
  std::string valuetext = "0";
  std::string idlabel;
  std::string pollcommand;
  std::string outputlabel;
  int inputbase = 0;
  std::string multiplier = kDefaultMultiplier;
  std::string offset = "0";
  int dialfactor = 10;
  int submarks = 4;
  int showfactor = 1;
  int showvalues = 1;
  int logcolumn = kNoLogColumn;
  std::string lookuptable;
  std::string formula;
};

struct WindVaneRecord {
  int stacknum = 0;
  int page = 1;
  int x = 0;
  int y = 0;
  double widthfactor = 5.6;
  double heightfactor = 5.6;
  int sizecode = kDefaultSizeCode;
  std::string title = kDefaultTitle;
  int gaugecolor = kColorYellow;
  std::string valuetext = "0";
  std::string idlabel;
  std::string pollcommand;
  std::string outputlabel;
  std::string fulldata = "360";
  std::string zerodata = "0";
  int tickmarks = 8;
  int submarks = 1;
  int showlabels = 1;
  int logcolumn = kNoLogColumn;
};

struct PivotTrackerRecord {
  int stacknum = 0;
  int page = 1;
  int x = 0;
  int y = 0;
  double widthfactor = 5.6;
  double heightfactor = 5.6;
  int sizecode = kDefaultSizeCode;
  int textcolor = kColorBlue;
  int bordercolor = Rgb(102, 102, 102);
  std::string idlabel;
  std::string sisfrom;
  std::string signalto;
  std::string centerlat = "000.000000";
  std::string centerlon = "000.000000";
  std::string jumppage;
  int runoncolor = Rgb(77, 192, 0);
  int runoffcolor = Rgb(153, 153, 153);
  int wateroncolor = kColorBlue;
  int wateroffcolor = kColorRed;
  int sisoncolor = kColorBlack;
  int sisoffcolor = kColorSilver;
  int tickmarks = 8;
  int submarks = 1;
  int showvalues = 1;
  int cwlimit = 360;
  int ccwlimit = 0;
  int autorotate = 1;
  int logcolumn = kNoLogColumn;
  int logcolumnrun = kNoLogColumn;
  int logcolumnwater = kNoLogColumn;
  int logcolumnsis = kNoLogColumn;
};

}  // namespace korvix
