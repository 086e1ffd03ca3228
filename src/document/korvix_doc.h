#pragma once

#include <string>

#include "document/automation_records.h"
#include "document/box_records.h"
#include "document/capacities.h"
#include "document/chart_recorder_record.h"
#include "document/control_records.h"
#include "document/gauge_records.h"
#include "document/page_record.h"
#include "document/record_list.h"
#include "document/settings_blocks.h"

namespace korvix {

template <class Record>
using ScreenObjectList = RecordList<Record, kMaxScreenObjects, kClipboardSlots>;

using TextBoxList = ScreenObjectList<TextBoxRecord>;
using ImageBoxList = ScreenObjectList<ImageBoxRecord>;
using DataWindowList = ScreenObjectList<DataWindowRecord>;
using TextWindowList = ScreenObjectList<TextWindowRecord>;
using InputWindowList = ScreenObjectList<InputWindowRecord>;
using LevelGaugeList = ScreenObjectList<LevelGaugeRecord>;
using DialGaugeList = ScreenObjectList<DialGaugeRecord>;
using MeterGaugeList = ScreenObjectList<MeterGaugeRecord>;
using VerticalGaugeList = ScreenObjectList<VerticalGaugeRecord>;
using HorizontalGaugeList = ScreenObjectList<HorizontalGaugeRecord>;
using DualHandGaugeList = ScreenObjectList<DualHandGaugeRecord>;
using WindVaneList = ScreenObjectList<WindVaneRecord>;
using PivotTrackerList = ScreenObjectList<PivotTrackerRecord>;
using SignalLampList = ScreenObjectList<SignalLampRecord>;
using EventCounterList = ScreenObjectList<EventCounterRecord>;
using EventTimerList = ScreenObjectList<EventTimerRecord>;
using PushButtonList = ScreenObjectList<PushButtonRecord>;
using ButtonArrayList = ScreenObjectList<ButtonArrayRecord>;
using RockerSwitchList = ScreenObjectList<RockerSwitchRecord>;
using SliderControlList = ScreenObjectList<SliderControlRecord>;
using PIControllerList = RecordList<PIControllerRecord, kMaxPIControllers, kClipboardSlots>;
using ChartRecorderList = RecordList<ChartRecorderRecord, kMaxChartRecorders, kClipboardSlots>;
using ScriptList = RecordList<ScriptRecord, kMaxScripts, kListSpareSlots>;
using ConditionalList = RecordList<ConditionalRecord, kMaxConditionals, kListSpareSlots>;
using VariableList = RecordList<VariableRecord, kMaxVariables, kListSpareSlots>;
using DataParserList = RecordList<DataParserRecord, kMaxDataParsers, kListSpareSlots>;

// Everything a project holds, for as long as it is open. Each list's count
// is the live count that the project file's header stores.
class CKorvixDoc : public DataLogSettings, public SecuritySettings, public RunLoopSettings, public WebLogSettings {
public:
  CKorvixDoc();

  bool IsModified() const { return m_modified; }
  void SetModifiedFlag(bool modified = true);

  // Empties every list and restores the project defaults; the path name
  // and the shipped samples folder stay.
  void DeleteContents();

  // Replaces the project with a loaded one; the path name and the
  // samples folder stay, and the document is unmodified.
  void TakeProject(CKorvixDoc&& loaded);

  const std::string& GetPathName() const { return m_pathname; }
  void SetPathName(const std::string& path) { m_pathname = path; }

  // The folder of the shipped sample projects, which are never marked
  // modified.
  void SetSamplesFolder(const std::string& folder) { m_samplesfolder = folder; }

  // Header members.
  int m_header1 = 0;
  int m_header2 = 0;
  double m_dwheight = 1.4;
  double m_pbheight = 1.4;
  double m_baheight = 1.4;
  double m_twheight = 1.4;
  double m_rsheight = 1.4;
  double m_scheight = 1.4;
  int m_doubleformat = 0;
  std::string m_projectnote;
  int m_curpage = 1;
  int m_logcoldate = kNoLogColumn;
  int m_logcoltime = kNoLogColumn;
  int m_headerfield27 = 0;
  double m_fileversion = 0.0;
  int m_headerfield35 = 0;
  int m_headerfield36 = 0;
  int m_headerfield37 = 0;
  Block8 m_headerfield38{};
  Block8 m_headerfield39{};
  Block16 m_headerfield40{};
  int m_showtoolbar = 1;
  int m_showstatusbar = 1;
  int m_headerfield55 = 0;

  PageList m_pages;  // its count is `m_numpages`
  TextBoxList m_textboxes;
  ImageBoxList m_imageboxes;
  DataWindowList m_datawindows;
  TextWindowList m_textwindows;
  InputWindowList m_inputwindows;
  LevelGaugeList m_levelgauges;
  DialGaugeList m_dialgauges;
  MeterGaugeList m_metergauges;
  VerticalGaugeList m_vertgauges;
  HorizontalGaugeList m_horzgauges;
  DualHandGaugeList m_dualhandgauges;
  WindVaneList m_windvanes;
  PivotTrackerList m_pivottrackers;
  SignalLampList m_signallamps;
  EventCounterList m_eventcounters;
  EventTimerList m_eventtimers;
  PushButtonList m_pushbuttons;
  ButtonArrayList m_buttonarrays;
  RockerSwitchList m_rockerswitches;
  SliderControlList m_slidercontrols;
  PIControllerList m_picontrollers;
  ChartRecorderList m_chartrecorders;
  ScriptList m_scripts;
  ConditionalList m_conditionals;
  VariableList m_variables;
  DataParserList m_dataparsers;

  EmailServerSettings m_emailserver;
  RadioSettings m_radio;

  // Set when a load ended with the newer-version refusal.
  bool m_loadfailed = false;

private:
  bool IsInSamplesFolder() const;

  std::string m_pathname;
  std::string m_samplesfolder;
  bool m_modified = false;
};

}  // namespace korvix
