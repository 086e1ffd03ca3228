#pragma once

#include <array>
#include <optional>
#include <string>

#include "document/settings_blocks.h"
#include "platform/message_sink.h"

namespace korvix {

constexpr const char* kReportSetupHelpTopic = "ReportSetup.htm";
constexpr int kReportTitleLimit = 1000;
constexpr int kReportMarginCount = 21;  // 0.0'' to 2.0''

// Font sizes in tenths of a point, combo index by combo index, and their
// names.
constexpr std::array<int, 16> kReportFontSizes = {720, 480, 360, 280, 260, 240, 220, 200,
                                                  180, 160, 140, 120, 110, 100, 90,  80};
constexpr std::array<const char*, 16> kReportFontSizeNames = {"72", "48", "36", "28", "26", "24", "22", "20",
                                                              "18", "16", "14", "12", "11", "10", "9",  "8"};
constexpr std::array<const char*, 3> kReportOnPagesNames = {"no pages", "first page", "every page"};
constexpr std::array<const char*, 7> kReportPagePositionNames = {
    "nowhere", "top-left", "top-mid", "top-right", "bottom-left", "bottom-mid", "bottom-right"};
constexpr std::array<const char*, 3> kReportSpacingNames = {"Single", "1.5 lines", "Double"};

// The margin choices: "0.0''" for index 0 up to "2.0''".
std::string ReportMarginName(int index);

int FontSizeFromIndex(int index);
// A size the list does not hold is reported and gives index 0.
int IndexFromFontSize(MessageSink& sink, int size);

// What the Data Log Report Setup dialog edits, each choice as its combo
// index.
struct LogReportFields {
  int margintop = 0;
  int marginbottom = 0;
  int marginleft = 0;
  int marginright = 0;
  int headerfont = 0;
  int bodyfont = 0;
  int pagefont = 0;
  int headeron = 0;
  int titleson = 0;
  int pagepos = 0;
  bool grid = false;
  bool shading = false;
  int spacing = 0;
  std::string title;
};

// A stored margin or choice outside its list shows as the list's first entry.
LogReportFields LoadLogReportFields(const DataLogSettings& settings, MessageSink& sink);
void StoreLogReportFields(const LogReportFields& fields, DataLogSettings& settings);

// OK: the header content must fit its 1000 characters.
std::optional<std::string> LogReportFieldsProblem(const LogReportFields& fields);

}  // namespace korvix
