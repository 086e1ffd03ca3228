#pragma once

#include <string>

#include "document/record_basics.h"

namespace korvix {

// Members in stored order.

struct TextBoxRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  double widthfactor = 15.0;
  int sizecode = kDefaultSizeCode;
  std::string text = "Right click to edit text";
  int alignment = 1;
  int borderwidth = 2;
  int bordercolor = kColorBlack;
  int fontcolor = kColorBlack;
  int bgcolor = kDefaultPageColor;
  double heightfactor = 1.12;
  int page = 1;
};

struct ImageBoxRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  int width = 80;
  int height = 100;
  std::string bitmapfile;
  int bordercolor = kColorBlack;
  int borderwidth = 2;
  int page = 1;
};

struct DataWindowRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  int prefixwidth = 5;
  double widthfactor = 8.28;
  int suffixwidth = 4;
  int sizecode = kDefaultSizeCode;
  Block16 field8{};
  std::string pollcommand;
  std::string prefix = kDefaultTitle;
  std::string valuetext;
  std::string suffix = kDefaultUnits;
  int inputbase = 0;
  int outputbase = 0;
  int field15 = 1;
  std::string multiplier = kDefaultMultiplier;
  std::string hightrip;
  std::string lowtrip;
  int highbgcolor = kColorRed;
  int hightextcolor = kColorWhite;
  int lowbgcolor = kColorYellow;
  int lowtextcolor = kColorBlack;
  int runcolor1 = kColorNavy;
  int runcolor2 = kColorSilver;
  int runcolor3 = kColorBlack;
  int field26 = 0;
  double heightfactor = 1.34;
  int fontcolor = kColorBlack;
  int page = 1;
  std::string idlabel;
  std::string offset = "0";
  int logcolumn = kNoLogColumn;
  int field33 = 0;
  std::string lookuptable;
  std::string formula;
};

struct TextWindowRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  int prefixwidth = 1;
  double widthfactor = 8.28;
  int suffixwidth = 1;
  int sizecode = kDefaultSizeCode;
  Block16 field8{};
  std::string idlabel;
  std::string message;
  std::string prefix;
  std::string valuetext;
  std::string suffix;
  int messagecolor = kColorBlue;
  int messagebgcolor = kColorSilver;
  int curtextcolor = kColorBlue;
  int curbgcolor = kColorSilver;
  double heightfactor = 1.34;
  int fontcolor = kColorBlack;
  int page = 1;
  int logcolumn = kNoLogColumn;
};

struct InputWindowRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  int titlewidth = 5;
  double widthfactor = 8.28;
  int editwidth = 4;
  double heightfactor = 1.34;
  int sizecode = kDefaultSizeCode;
  std::string idlabel;
  std::string title = kDefaultTitle;
  std::string valuetext;
  std::string resetvalue;
  int inputcolor = kColorBlack;
  int resetonrun = 0;
  int keypadsize = kDefaultSizeCode;
  int page = 1;
  int logcolumn = kNoLogColumn;
  int action = 0;
  int field19 = 0;
  std::string actiontext;
  std::string actiontext2;
  int labelfontsize = 0;
  std::string labelbarcode;
  int labelbarsize = 0;
};

}  // namespace korvix
