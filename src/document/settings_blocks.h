#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/capacities.h"
#include "document/record_basics.h"

namespace korvix {

struct DataLogSettings {
  std::string m_datalogfile = "DataLog.txt";
  std::string m_loginterval = "0";
  int m_logintervalunit = 1;
  int m_logfieldcount = 0;
  // Recomputed by the Run-Loop at start, yet stored and read back as kept.
  std::uint32_t m_lognextdue = 0;
  std::uint32_t m_logintervalms = 0;
  std::string m_overflowfile = "Overflow.txt";
  std::array<int, kLogColumnCount> m_logcolwidth = MakeColumnWidths();
  std::string m_reporttitle = "Data Log Report\r\nCompany Name";
  int m_reportmargintop = 0;
  int m_reportmarginbottom = 0;
  int m_reportmarginleft = 0;
  int m_reportmarginright = 0;
  int m_reportheaderfont = 160;
  int m_reportbodyfont = 100;
  int m_reportpagefont = 110;
  int m_reportheaderon = 1;
  int m_reporttitleson = 2;
  int m_reportpagepos = 5;
  int m_reportgrid = 1;
  int m_reportshading = 1;
  int m_reportspacing = 0;
  int m_logclearschedule = 0;

private:
  static std::array<int, kLogColumnCount> MakeColumnWidths() {
    std::array<int, kLogColumnCount> widths{};
    widths.fill(70);
    return widths;
  }
};

struct SecuritySettings {
  int m_lockon = 0;
  std::string m_lockpassword;
  // The first permits moving and sizing objects while locked.
  std::array<int, 5> m_lockpermissions{};
};

struct RunLoopSettings {
  std::string m_runinitsend;
  std::string m_runinitscript;
  int m_retransmitonreset = 1;
  int m_autostartrunloop = 0;
  std::string m_runexitsend;
  int m_polldelay = 0;
  int m_replytimeout = 2500;
  int m_pollretries = 1;
  int m_reducedcpu = 0;
};

struct WebLogSettings {
  std::string m_ftpaddress;
  std::string m_ftpfolder;
  std::string m_ftpuser;
  std::string m_ftppassword;
  int m_ftpport = 21;
  std::string m_webloghtml = "WebLog.html";
  int m_weblognth = 1;
  int m_weblogrows = 50;
  int m_weblogtitlerows = 8;
  int m_weblogtextcolor = Rgb(0x66, 0x33, 0x00);
  int m_weblogbgcolor = Rgb(0xD0, 0xC2, 0x99);
  std::string m_weblogtitle = "Korvix Web Log";
  int m_weblogfontsize = 5;
};

struct EmailServerSettings {
  std::string smtpserver;
  int smtpport = 587;
  int encryption = 0;
  std::string smtpuser;
  std::string smtppassword;
  std::string sendername;
  std::string senderemail;
  std::string replyto;
};

struct RadioSettings {
  std::array<std::string, 6> texts;
};

}  // namespace korvix
