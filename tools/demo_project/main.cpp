// Builds the demo project: one page of live values from the simulated
// modules that Samples/demo-modules.txt describes, started by itself.
#include <iostream>
#include <string>

#include "document/korvix_doc.h"
#include "document/project_file.h"

namespace {

using namespace korvix;

constexpr char kUsage[] = "usage: make_demo_project OUTPUT.kvx\n";

// Every object goes in front of the ones placed before it.
template <class Record>
Record& Place(CKorvixDoc& doc, Record& r, int x, int y) {
  r.x = x;
  r.y = y;
  r.page = 1;
  r.stacknum = doc.m_pages[1].objectcount++;
  return r;
}

template <class List>
auto& Add(CKorvixDoc& doc, List& list, int x, int y) {
  return Place(doc, list[list.Add()], x, y);
}

void AddDataWindow(CKorvixDoc& doc, int y, const char* label, const char* command, const char* prefix,
                   const char* suffix, int column) {
  DataWindowRecord& w = Add(doc, doc.m_datawindows, 20, y);
  w.idlabel = label;
  w.pollcommand = command;
  w.prefix = prefix;
  w.suffix = suffix;
  w.multiplier = "1.0";
  w.widthfactor = 10.0;
  w.logcolumn = column;
}

CKorvixDoc BuildDemo() {
  CKorvixDoc doc;
  doc.m_projectnote = "Korvix demo: live values from simulated DAQ Modules.";

  TextBoxRecord& title = Add(doc, doc.m_textboxes, 20, 10);
  title.text = "Korvix demo - modules A to E, polled live";
  title.widthfactor = 30.0;
  title.borderwidth = 0;

  AddDataWindow(doc, 60, "Temperature", "ART", "Temp", "C", 2);
  AddDataWindow(doc, 110, "Pressure", "BRP", "Press", "kPa", 3);
  AddDataWindow(doc, 160, "Count", "CRD", "Count", "n", 4);

  DialGaugeRecord& dial = Add(doc, doc.m_dialgauges, 330, 50);
  dial.idlabel = "TempDial";
  dial.title = "TEMP C";
  dial.pollcommand = "ART";
  dial.scalestart = "0";
  dial.scaleend = "40";
  dial.warnlevel = "30";
  dial.tickmarks = 8;
  dial.multiplier = "1.0";

  LevelGaugeRecord& level = Add(doc, doc.m_levelgauges, 590, 50);
  level.idlabel = "Tank";
  level.title = "TANK %";
  level.pollcommand = "DRL";
  level.multiplier = "1";

  HorizontalGaugeRecord& flow = Add(doc, doc.m_horzgauges, 20, 225);
  flow.idlabel = "Flow";
  flow.title = "FLOW L/MIN";
  flow.pollcommand = "ERF";
  flow.multiplier = "1";
  flow.widthfactor = 6.5;

  SignalLampRecord& lamp = Add(doc, doc.m_signallamps, 680, 60);
  lamp.idlabel = "Running";
  lamp.title = "RUN";
  lamp.resetonrun = 1;
  lamp.resetstate = 1;  // lit while the demo runs

  ChartRecorderRecord& chart = Add(doc, doc.m_chartrecorders, 20, 320);
  chart.idlabel = "Trend";
  chart.widthfactor = 45.0;
  chart.heightfactor = 6.0;
  chart.scanrate = 500;
  chart.span = 1;
  chart.spanunit = 2;  // one hour
  for (const char* label : {"Temperature", "Pressure"}) {
    const int index = chart.fields.Add();
    ChartRecorderField& field = chart.fields[index];
    field.label = label;
    field.order = index;  // each field its own legend card
  }
  chart.fields[1].colour = kColorBlue;

  doc.m_polldelay = 50;
  doc.m_autostartrunloop = 1;

  doc.m_datalogfile = "DataLog.txt";
  doc.m_loginterval = "1";
  doc.m_logintervalunit = 0;  // seconds
  doc.m_logcoldate = 0;
  doc.m_logcoltime = 1;
  doc.m_logfieldcount = 5;
  return doc;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << kUsage;
    return 2;
  }
  CKorvixDoc doc = BuildDemo();
  const SaveResult saved = SaveProjectFile(doc, argv[1]);
  if (!saved.ok) {
    std::cerr << "make_demo_project: " << saved.message << '\n';
    return 1;
  }
  return 0;
}
