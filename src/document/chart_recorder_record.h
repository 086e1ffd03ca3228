#pragma once

#include <string>

#include "document/capacities.h"
#include "document/record_basics.h"
#include "document/record_list.h"

namespace korvix {

struct ChartRecorderField {
  std::string label;
  int order = 0;
  int colour = kColorRed;
  std::string unitdiv = "10.0";
  std::string position = "4.00";
  int unitdivdownpressed = 0;
  int unitdivuppressed = 0;
  int positiondownpressed = 0;
  int positionuppressed = 0;
};

using ChartRecorderFieldList = RecordList<ChartRecorderField, kMaxChartRecorderFields, 0>;

// Members in stored order. What a recorder holds only while it runs or is
// shown lives beside the record, in the view's run-time states.
struct ChartRecorderRecord {
  int stacknum = 0;
  int x = 0;
  int y = 0;
  double widthfactor = 36.0;
  double heightfactor = 8.2;
  int sizecode = kDefaultSizeCode;
  int page = 1;
  ChartRecorderFieldList fields;  // its count is the stored `numfields`
  int hdivisions = 10;
  int vdivisions = 8;
  int scanrate = 50;
  int span = 24;
  int spanunit = 2;
  int field15 = 0;
  std::string plotfile;
  int field17 = 0;
  std::string starttime;
  std::string startdate;
  std::string lasttime;
  std::string lastdate;
  std::string windowdate = "00/00/00";
  std::string windowtime = "00:00:00.00";
  std::string timediv = "5.0";
  int cursornone = 1;
  int cursortime = 0;
  int cursorunits = 0;
  std::string cursor1;
  std::string cursor2;
  std::string delta;
  int field31 = 0;
  int field32 = 0;
  int field33 = 0;
  int field34 = 0;
  int field35 = 0;
  int field36 = 0;
  int field37 = 0;
  int field38 = 0;
  int field39 = 0;
  int field40 = 0;
  int field41 = 0;
  int field42 = 0;
  std::string idlabel;
  int autostart = 1;
};

}  // namespace korvix
