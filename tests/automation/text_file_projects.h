#pragma once

// The projects whose Scripts and Conditionals the fixtures in
// tests/data/automation hold, and small helpers around those files.

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "gtest/gtest.h"

namespace korvix::testing {

struct StepRow {
  int code;
  std::string param1;
  std::string param2 = {};
  int color1 = 0xFF0000;
  int color2 = 0xC0C0C0;
  int fontsize = 120;
  int barsize = 10;
  std::string barcode = {};
};

inline ScriptRecord MakeScript(const std::string& label, const std::vector<StepRow>& rows) {
  ScriptRecord script;
  script.idlabel = label;
  for (const StepRow& row : rows) {
    ScriptStep step;
    step.code = row.code;
    step.param1 = row.param1;
    step.param2 = row.param2;
    step.color1 = row.color1;
    step.color2 = row.color2;
    step.fontsize = row.fontsize;
    step.barsize = row.barsize;
    step.barcode = row.barcode;
    script.steps.Add(step);
  }
  return script;
}

// One step of every code, in the fixture's order.
inline std::vector<StepRow> EveryStepRows() {
  return {
      {0, "ARD", "Tank"},
      {1, "OK"},
      {2, "500"},
      {3, "Line one\r\nLine two", "Panel", 0x0000FF, 0xFFFFFF},
      {3, "Hello"},
      {4, "Fill"},
      {5, "Fill"},
      {6, "Fill"},
      {7, "Counter1"},
      {8, "Counter1"},
      {9, "Counter1"},
      {10, "Array1"},
      {11, "Array1"},
      {12, "Array1"},
      {13, "Timer1"},
      {14, "Timer1"},
      {15, "Timer1"},
      {16, "Lamp1"},
      {17, "Lamp1"},
      {18, "Lamp1"},
      {19, ""},
      {20, "Tank", "{Tank}*2"},
      {21, "alarm.wav"},
      {22, "ls -l"},
      {23, "in.txt", "Tank"},
      {24, "out.txt", "{Tank}, {Level}"},
      {25, "2"},
      {26, "5551234"},
      {27, "ops@example.com", "Tank low, check pump"},
      {28, "Chart1"},
      {29, "Chart1"},
      {30, "Array1", "B"},
      {31, "Zebra", "Lot, 42"},
      {31, "", "", 0xFF0000, 0xC0C0C0, 140, 20, "0042"},
      {32, "AB", "Lost"},
      {33, "0:01:00"},
      {34, ""},
      {35, ""},
      {36, ""},
      {37, ""},
      {38, "PI1"},
      {39, "PI1"},
      {40, "PI1", "50"},
      {41, "Alarm", "Tank high, drain now"},
      {42, ""},
      {100, "{Tank} > 5"},
      {104, "3"},
      {105, "{Tank} < 2"},
      {106, ""},
      {101, "{Tank} > 3"},
      {43, ""},
      {102, ""},
      {103, ""},
  };
}

// Visible Scripts "Empty" and "Every Step", with an action Script between
// them that the Scripts file leaves out.
inline CKorvixDoc EveryStepProject() {
  CKorvixDoc doc;
  doc.m_scripts.Add(MakeScript("Empty", {}));
  doc.m_scripts.Add(MakeScript(std::string("Guard") + kActionScriptMarker, {{2, "10"}}));
  doc.m_scripts.Add(MakeScript("Every Step", EveryStepRows()));
  ConditionalRecord guard;
  guard.idlabel = "Guard";
  guard.expression = "{Tank} > 1";
  doc.m_conditionals.Add(guard);
  return doc;
}

inline void AddConditional(CKorvixDoc& doc, const std::string& label, const std::string& expression,
                           const std::vector<StepRow>& rows) {
  ConditionalRecord conditional;
  conditional.idlabel = label;
  conditional.expression = expression;
  doc.m_conditionals.Add(conditional);
  doc.m_scripts.Add(MakeScript(label + kActionScriptMarker, rows));
}

// Four Conditionals: one step, a two-line expression with nested steps, no
// steps, and an empty expression; a visible Script stays outside the file.
inline CKorvixDoc AlarmProject() {
  CKorvixDoc doc;
  doc.m_scripts.Add(MakeScript("Fill", {{0, "AWR", "Discard"}}));
  AddConditional(doc, "Alarm", "{Temp} > 80", {{41, "Alarm", "Temp high"}});
  AddConditional(doc, "Level", "{Level} > 5\r\nOR {Pump} = 1",
                 {{0, "ARD", "Level"}, {100, "{Level} > 8"}, {2, "100"}, {103, ""}});
  AddConditional(doc, "Quiet", "{Quiet} = 1", {});
  AddConditional(doc, "Fresh", "", {});
  return doc;
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string Fixture(const char* name) { return ReadBytes(std::filesystem::path(AUTOMATION_DATA_DIR) / name); }

// A fresh folder per test; tests may run side by side in separate processes.
class ScratchFolder {
public:
  ScratchFolder() {
    m_path = std::filesystem::temp_directory_path() /
             ("korvix_text_files_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
              "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~ScratchFolder() { std::filesystem::remove_all(m_path); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
  const std::filesystem::path& Path() const { return m_path; }

private:
  std::filesystem::path m_path;
};

}  // namespace korvix::testing
