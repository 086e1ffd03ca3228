#pragma once

namespace korvix {

// Command identifiers shared by the menu, the toolbar and the handlers of
// every part of the program; a number, once given, keeps its meaning.
enum CommandId : int {
  ID_FILE_NEW = 57600,
  ID_FILE_OPEN = 57601,
  ID_FILE_SAVE = 57603,
  ID_FILE_SAVE_AS = 57604,
  ID_FILE_MRU_FILE1 = 57616,
  ID_FILE_MRU_FILE2 = 57617,
  ID_FILE_MRU_FILE3 = 57618,
  ID_FILE_MRU_FILE4 = 57619,
  ID_APP_ABOUT = 57664,
  ID_APP_EXIT = 57665,
  ID_VIEW_TOOLBAR = 59392,
  ID_VIEW_STATUS_BAR = 59393,
  ID_HELP_FILES = 32034,
  ID_RADIO_SETUP = 32037,
  ID_GET_FILE_VERSION = 32042,
  ID_PLACE_PIVOT_TRACKER = 32112,
  ID_VIEW_FONT_SIZE_1 = 32201,
  ID_VIEW_FONT_SIZE_2 = 32202,
  ID_VIEW_FONT_SIZE_3 = 32203,
  ID_RUNLOOP_START = 32301,
  ID_RUNLOOP_HALT = 32302,
  ID_RUNLOOP_INITIALIZATION = 32303,
  ID_RUNLOOP_POLLING_SETUP = 32304,
  ID_RUNLOOP_CPU_USAGE = 32305,
  ID_RUNLOOP_VARIABLES = 32306,
  ID_RUNLOOP_SCRIPTS = 32308,
  ID_RUNLOOP_CONDITIONALS = 32309,
  ID_RUNLOOP_DATA_LOGGING = 32310,
  ID_VIEW_LOG_FILE = 32320,
  ID_FILE_PRINT = 57607,
  ID_RUNLOOP_WEBLOGGING = 32307,
  ID_EDIT_CLEAR = 57632,
  ID_EDIT_COPY = 57634,
  ID_EDIT_CUT = 57635,
  ID_EDIT_PASTE = 57637,
  ID_EDIT_BRING_TO_FRONT = 32401,
  ID_EDIT_SEND_TO_BACK = 32402,
  ID_EDIT_PROPERTIES = 32403,
  ID_PAGE_ADD = 32410,
  ID_PAGE_DELETE = 32411,
  ID_PAGE_MOVE = 32412,
  ID_PAGE_FIRST = 32413,
  ID_PAGE_PREVIOUS = 32414,
  ID_PAGE_NEXT = 32415,
  ID_PAGE_LAST = 32416,
  ID_PAGE_BACKGROUND_COLOR = 32417,
  ID_PAGE_BACKGROUND_BITMAP = 32418,
  ID_PORT_SELECTION = 32501,
};

// The top-level menus by position; commands that later parts of the program
// add go into these by number.
enum TopMenu : int {
  kFileMenu = 0,
  kEditMenu = 1,
  kViewMenu = 2,
  kPageMenu = 3,
  kCommunicateMenu = 4,
  kRunLoopMenu = 5,
  kPlaceObjectMenu = 6,
  kHelpMenu = 7,
  kTopMenuCount = 8,
};

// Items that start-up puts into the menus by position (counted from 0,
// separators included), once their commands exist.
struct MenuInsertion {
  int menu;
  int position;
  CommandId command;
  const char* text;
};

inline constexpr MenuInsertion kStartupMenuInsertions[] = {
    {kCommunicateMenu, 4, ID_RADIO_SETUP, "Radio Setup"},
    {kPlaceObjectMenu, 14, ID_PLACE_PIVOT_TRACKER, "Pivot Tracker"},
    {kFileMenu, 6, ID_GET_FILE_VERSION, "Get File Version"},
};

}  // namespace korvix
