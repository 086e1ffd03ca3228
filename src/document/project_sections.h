#pragma once

// The stored layout of the header and the settings blocks, and the order
// of the sections in the project file.

#include "document/korvix_doc.h"
#include "document/record_layouts.h"

namespace korvix {

constexpr int kSectionCount = 33;

// The header is stored as one block; the page list sits right after the
// current page and does not count as a field.
struct HeaderBlock {
  CKorvixDoc& doc;
};

template <class F>
void Layout(F& f, HeaderBlock& h) {
  CKorvixDoc& d = h.doc;
  f.Int(d.m_header1);
  f.Count(d.m_datawindows, kTooManyDataWindowsMessage);
  f.Double(d.m_dwheight);
  f.Count(d.m_pushbuttons, kTooManyPushButtonsMessage);
  f.Double(d.m_pbheight);
  f.Count(d.m_buttonarrays, kTooManyButtonArraysMessage);
  f.Double(d.m_baheight);
  f.Int(d.m_header2);
  f.Text(d.m_projectnote);
  f.Count(d.m_conditionals, kTooManyConditionalsMessage);
  f.Count(d.m_textwindows, kTooManyTextWindowsMessage);
  f.Double(d.m_twheight);
  f.Count(d.m_scripts, kTooManyScriptsMessage);
  f.Count(d.m_rockerswitches, kTooManyRockerSwitchesMessage);
  f.Double(d.m_rsheight);
  f.Count(d.m_slidercontrols, kTooManySliderControlsMessage);
  f.Double(d.m_scheight);
  f.Int(d.m_doubleformat);
  f.Count(d.m_eventcounters, kTooManyEventCountersMessage);
  f.Count(d.m_textboxes, kTooManyTextBoxesMessage);
  f.Count(d.m_pages, kTooManyPagesMessage);
  f.Int(d.m_curpage);
  f.Pages(d.m_pages);
  f.Count(d.m_levelgauges, kTooManyLevelGaugesMessage);
  f.Count(d.m_eventtimers, kTooManyEventTimersMessage);
  f.Int(d.m_logcoldate);
  f.Int(d.m_logcoltime);
  f.Int(d.m_headerfield27);
  f.Int(d.m_polldelay);
  f.Int(d.m_replytimeout);
  f.Int(d.m_pollretries);
  f.Double(d.m_fileversion);
  f.Count(d.m_signallamps, kTooManySignalLampsMessage);
  f.Count(d.m_chartrecorders, kTooManyChartRecordersMessage);
  f.Count(d.m_inputwindows, kTooManyInputWindowsMessage);
  f.Int(d.m_headerfield35);
  f.Int(d.m_headerfield36);
  f.Int(d.m_headerfield37);
  f.Block(d.m_headerfield38);
  f.Block(d.m_headerfield39);
  f.Block(d.m_headerfield40);
  f.Count(d.m_dialgauges, kTooManyDialGaugesMessage);
  f.Count(d.m_metergauges, kTooManyMeterGaugesMessage);
  f.Count(d.m_windvanes, kTooManyWindVanesMessage);
  f.Int(d.m_showtoolbar);
  f.Int(d.m_showstatusbar);
  f.Count(d.m_pivottrackers, kTooManyPivotTrackersMessage);
  f.Count(d.m_variables, kTooManyVariablesMessage);
  f.Count(d.m_vertgauges, kTooManyVerticalGaugesMessage);
  f.Count(d.m_horzgauges, kTooManyHorizontalGaugesMessage);
  f.Count(d.m_imageboxes, kTooManyImageBoxesMessage);
  f.Count(d.m_dualhandgauges, kTooManyDualHandGaugesMessage);
  f.Count(d.m_picontrollers, kTooManyPIControllersMessage);
  f.Count(d.m_dataparsers, kTooManyDataParsersMessage);
  f.Int(d.m_reducedcpu);
  f.Int(d.m_headerfield55);
}

template <class F>
void Layout(F& f, DataLogSettings& s) {
  f.Text(s.m_datalogfile);
  f.Text(s.m_loginterval);
  f.Int(s.m_logintervalunit);
  f.Int(s.m_logfieldcount);
  f.Dword(s.m_lognextdue);
  f.Dword(s.m_logintervalms);
  f.Text(s.m_overflowfile);
  f.ColumnWidths(s.m_logcolwidth);
  f.Text(s.m_reporttitle);
  f.Int(s.m_reportmargintop);
  f.Int(s.m_reportmarginbottom);
  f.Int(s.m_reportmarginleft);
  f.Int(s.m_reportmarginright);
  f.Int(s.m_reportheaderfont);
  f.Int(s.m_reportbodyfont);
  f.Int(s.m_reportpagefont);
  f.Int(s.m_reportheaderon);
  f.Int(s.m_reporttitleson);
  f.Int(s.m_reportpagepos);
  f.Int(s.m_reportgrid);
  f.Int(s.m_reportshading);
  f.Int(s.m_reportspacing);
  f.Int(s.m_logclearschedule);
}

template <class F>
void Layout(F& f, SecuritySettings& s) {
  f.Int(s.m_lockon);
  f.Password(s.m_lockpassword);
  for (int& permission : s.m_lockpermissions) {
    f.Int(permission);
  }
}

// The Run-Loop initialization block; the polling settings live in the header.
template <class F>
void Layout(F& f, RunLoopSettings& s) {
  f.Text(s.m_runinitsend);
  f.Text(s.m_runinitscript);
  f.Int(s.m_retransmitonreset);
  f.Int(s.m_autostartrunloop);
  f.Text(s.m_runexitsend);
}

template <class F>
void Layout(F& f, WebLogSettings& s) {
  f.Text(s.m_ftpaddress);
  f.Text(s.m_ftpfolder);
  f.Text(s.m_ftpuser);
  f.Password(s.m_ftppassword);
  f.Int(s.m_ftpport);
  f.Text(s.m_webloghtml);
  f.Int(s.m_weblognth);
  f.Int(s.m_weblogrows);
  f.Int(s.m_weblogtitlerows);
  f.Int(s.m_weblogtextcolor);
  f.Int(s.m_weblogbgcolor);
  f.Text(s.m_weblogtitle);
  f.Int(s.m_weblogfontsize);
}

template <class F>
void Layout(F& f, RadioSettings& s) {
  for (std::string& text : s.texts) {
    f.Text(text);
  }
}

template <class F>
void Layout(F& f, EmailServerSettings& s) {
  f.Text(s.smtpserver);
  f.Int(s.smtpport);
  f.Text(s.smtpuser);
  f.Password(s.smtppassword);
  f.Text(s.sendername);
  f.Text(s.senderemail);
  f.Text(s.replyto);
  f.Int(s.encryption);
}

// Section `section` (1 to kSectionCount) in file order.
template <class F>
void VisitSection(F& f, CKorvixDoc& d, int section) {
  switch (section) {
    case 1: {
      HeaderBlock header{d};
      f.Record(header);
      break;
    }
    case 2: f.Records(d.m_datawindows); break;
    case 3: f.Records(d.m_pushbuttons); break;
    case 4: f.Records(d.m_conditionals); break;
    case 5: f.Records(d.m_textwindows); break;
    case 6: f.Records(d.m_scripts); break;
    case 7: f.Records(d.m_rockerswitches); break;
    case 8: f.Records(d.m_slidercontrols); break;
    case 9: f.Records(d.m_eventcounters); break;
    case 10: f.Records(d.m_textboxes); break;
    case 11: f.Records(d.m_buttonarrays); break;
    case 12: f.Records(d.m_levelgauges); break;
    case 13: f.Records(d.m_eventtimers); break;
    case 14: f.Record(static_cast<DataLogSettings&>(d)); break;
    case 15: f.Record(static_cast<SecuritySettings&>(d)); break;
    case 16: f.Record(static_cast<RunLoopSettings&>(d)); break;
    case 17: f.Records(d.m_signallamps); break;
    case 18: f.Records(d.m_chartrecorders); break;
    case 19: f.Records(d.m_inputwindows); break;
    case 20: f.Record(static_cast<WebLogSettings&>(d)); break;
    case 21: f.Records(d.m_dialgauges); break;
    case 22: f.Records(d.m_metergauges); break;
    case 23: f.Records(d.m_windvanes); break;
    case 24: f.Record(d.m_radio); break;
    case 25: f.Records(d.m_pivottrackers); break;
    case 26: f.Record(d.m_emailserver); break;
    case 27: f.Records(d.m_variables); break;
    case 28: f.Records(d.m_vertgauges); break;
    case 29: f.Records(d.m_horzgauges); break;
    case 30: f.Records(d.m_imageboxes); break;
    case 31: f.Records(d.m_dualhandgauges); break;
    case 32: f.Records(d.m_picontrollers); break;
    case 33: f.Records(d.m_dataparsers); break;
    default: break;
  }
}

}  // namespace korvix
