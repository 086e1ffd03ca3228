#include "runmode/chart_recorder_controls.h"

#include <algorithm>
#include <string>

#include "recording/time_stamps.h"
#include "render/chart/chart_steps.h"
#include "render/chart/chart_texts.h"
#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr uint32_t kFirstRepeatMs = 250;
constexpr uint32_t kRepeatMs = 100;
constexpr int kMinTimeDivTenths = 1;
constexpr int kMaxTimeDivTenths = 99999;

bool Inside(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

std::string Hundredths(int n) { return FormatNumberText(n, 2); }

}  // namespace

ChartRecorderControls::Button ChartRecorderControls::Hit(int index, Point point, int& field) const {
  const struct {
    Rect rect;
    Button button;
  } strip[] = {
      {m_geometry.ChartToStartButtonRect(index), Button::ToStart},
      {m_geometry.ChartStepBackButtonRect(index), Button::StepBack},
      {m_geometry.ChartStepForwardButtonRect(index), Button::StepForward},
      {m_geometry.ChartToEndButtonRect(index), Button::ToEnd},
      {m_geometry.ChartCursorModeRect(index), Button::ModeNone},
      {m_geometry.ChartCursorModeButton1Rect(index), Button::ModeTime},
      {m_geometry.ChartCursorModeButton2Rect(index), Button::ModeUnits},
      {m_geometry.ChartCursor1Rect(index), Button::Cursor1Down},
      {m_geometry.ChartCursor1ButtonRect(index), Button::Cursor1Up},
      {m_geometry.ChartCursor2Rect(index), Button::Cursor2Down},
      {m_geometry.ChartCursor2ButtonRect(index), Button::Cursor2Up},
      {m_geometry.ChartTimeDivRect(index), Button::TimeDivDown},
      {m_geometry.ChartTimeDivButtonRect(index), Button::TimeDivUp},
      {m_geometry.ChartPrintButtonRect(index), Button::Print},
  };
  for (const auto& part : strip)
    if (Inside(part.rect, point)) return part.button;
  const ChartRecorderRecord& r = m_doc.m_chartrecorders[index];
  for (int f = 0; f < r.fields.Count(); ++f) {
    field = f;
    if (Inside(m_geometry.ChartFieldUpperUpRect(index, f), point)) return Button::UnitDivUp;
    if (Inside(m_geometry.ChartFieldUpperDownRect(index, f), point)) return Button::UnitDivDown;
    if (Inside(m_geometry.ChartFieldLowerUpRect(index, f), point)) return Button::PositionUp;
    if (Inside(m_geometry.ChartFieldLowerDownRect(index, f), point)) return Button::PositionDown;
  }
  field = -1;
  return Button::None;
}

// The legend arrows' pressed looks are stored with their fields; the strip's
// are not.
int* ChartRecorderControls::PressedFlag(ChartRecorderRecord& r, ChartRecorderRunState& state, Button button,
                                        int field) {
  switch (button) {
    case Button::ToStart: return &state.tostartpressed;
    case Button::StepBack: return &state.stepbackpressed;
    case Button::StepForward: return &state.stepforwardpressed;
    case Button::ToEnd: return &state.toendpressed;
    case Button::Cursor1Down: return &state.cursor1downpressed;
    case Button::Cursor1Up: return &state.cursor1uppressed;
    case Button::Cursor2Down: return &state.cursor2downpressed;
    case Button::Cursor2Up: return &state.cursor2uppressed;
    case Button::TimeDivDown: return &state.timedivdownpressed;
    case Button::TimeDivUp: return &state.timedivuppressed;
    case Button::Print: return &state.printpressed;
    case Button::UnitDivUp: return &r.fields[field].unitdivuppressed;
    case Button::UnitDivDown: return &r.fields[field].unitdivdownpressed;
    case Button::PositionUp: return &r.fields[field].positionuppressed;
    case Button::PositionDown: return &r.fields[field].positiondownpressed;
    case Button::None:
    case Button::ModeNone:
    case Button::ModeTime:
    case Button::ModeUnits: return nullptr;
  }
  return nullptr;
}

Rect ChartRecorderControls::ButtonRect(int index, Button button, int field) const {
  switch (button) {
    case Button::ToStart: return m_geometry.ChartToStartButtonRect(index);
    case Button::StepBack: return m_geometry.ChartStepBackButtonRect(index);
    case Button::StepForward: return m_geometry.ChartStepForwardButtonRect(index);
    case Button::ToEnd: return m_geometry.ChartToEndButtonRect(index);
    case Button::ModeNone: return m_geometry.ChartCursorModeRect(index);
    case Button::ModeTime: return m_geometry.ChartCursorModeButton1Rect(index);
    case Button::ModeUnits: return m_geometry.ChartCursorModeButton2Rect(index);
    case Button::Cursor1Down: return m_geometry.ChartCursor1Rect(index);
    case Button::Cursor1Up: return m_geometry.ChartCursor1ButtonRect(index);
    case Button::Cursor2Down: return m_geometry.ChartCursor2Rect(index);
    case Button::Cursor2Up: return m_geometry.ChartCursor2ButtonRect(index);
    case Button::TimeDivDown: return m_geometry.ChartTimeDivRect(index);
    case Button::TimeDivUp: return m_geometry.ChartTimeDivButtonRect(index);
    case Button::Print: return m_geometry.ChartPrintButtonRect(index);
    case Button::UnitDivUp: return m_geometry.ChartFieldUpperUpRect(index, field);
    case Button::UnitDivDown: return m_geometry.ChartFieldUpperDownRect(index, field);
    case Button::PositionUp: return m_geometry.ChartFieldLowerUpRect(index, field);
    case Button::PositionDown: return m_geometry.ChartFieldLowerDownRect(index, field);
    case Button::None: break;
  }
  return {};
}

// Where the drawing last put what a step of the button changes: the band's
// texts, a value box or the Cursor Mode buttons, and the trace area.
void ChartRecorderControls::InvalidateStep(int index, Button button, int field) {
  const ChartRecorderRunState& state = m_states.ChartRecorders()[index];
  const auto slot = static_cast<std::size_t>(std::max(field, 0));
  switch (button) {
    case Button::ToStart:
    case Button::StepBack:
    case Button::StepForward:
    case Button::ToEnd:
      m_services.InvalidateRect(state.daterect);
      m_services.InvalidateRect(state.timerect);
      break;
    case Button::ModeNone:
    case Button::ModeTime:
    case Button::ModeUnits:
      for (const Button mode : {Button::ModeNone, Button::ModeTime, Button::ModeUnits})
        m_services.InvalidateRect(ButtonRect(index, mode, field));
      break;
    case Button::TimeDivDown:
    case Button::TimeDivUp: m_services.InvalidateRect(state.timedivrect); break;
    case Button::UnitDivUp:
    case Button::UnitDivDown: m_services.InvalidateRect(state.unitdivboxes[slot]); break;
    case Button::PositionUp:
    case Button::PositionDown: m_services.InvalidateRect(state.positionboxes[slot]); break;
    case Button::Cursor1Down:
    case Button::Cursor1Up:
    case Button::Cursor2Down:
    case Button::Cursor2Up:
    case Button::Print:
    case Button::None: break;
  }
  m_services.InvalidateRect(state.plotrect);
}

bool ChartRecorderControls::Repeats(Button button) {
  switch (button) {
    case Button::StepBack:
    case Button::StepForward:
    case Button::Cursor1Down:
    case Button::Cursor1Up:
    case Button::Cursor2Down:
    case Button::Cursor2Up:
    case Button::TimeDivDown:
    case Button::TimeDivUp:
    case Button::UnitDivUp:
    case Button::UnitDivDown:
    case Button::PositionUp:
    case Button::PositionDown: return true;
    default: return false;
  }
}

bool ChartRecorderControls::OnLeftButtonDown(Point point) {
  m_holdspeed = 1.0;
  for (int i = 0; i < m_doc.m_chartrecorders.Count(); ++i) {
    ChartRecorderRecord& r = m_doc.m_chartrecorders[i];
    if (r.page != m_doc.m_curpage) continue;
    int field = -1;
    const Button button = Hit(i, point, field);
    if (button == Button::None) continue;
    m_index = i;
    m_button = button;
    m_field = field;
    m_repeating = false;
    m_lastrepeat = m_clock.Now();
    ChartRecorderRunState& state = m_states.ChartRecorders()[i];
    state.presstime = static_cast<int>(m_lastrepeat);
    if (int* flag = PressedFlag(r, state, button, field)) {
      *flag = 1;
      m_services.InvalidateRect(ButtonRect(i, button, field));
    }
    Step(i, button, field, false);
    return true;
  }
  return false;
}

bool ChartRecorderControls::OnLeftButtonUp() {
  if (m_index < 0) return false;
  const int index = m_index;
  const bool print = m_button == Button::Print;
  ChartRecorderRecord& r = m_doc.m_chartrecorders[index];
  if (int* flag = PressedFlag(r, m_states.ChartRecorders()[index], m_button, m_field)) {
    *flag = 0;
    m_services.InvalidateRect(ButtonRect(index, m_button, m_field));
  }
  Reset();
  if (print) m_services.PrintChartRec(index);
  return true;
}

void ChartRecorderControls::AdvanceControls() {
  if (m_index < 0 || !Repeats(m_button)) return;
  const uint32_t now = m_clock.Now();
  if (ElapsedMs(now, m_lastrepeat) < (m_repeating ? kRepeatMs : kFirstRepeatMs)) return;
  m_lastrepeat = now;
  m_repeating = true;
  Step(m_index, m_button, m_field, true);
}

void ChartRecorderControls::Reset() {
  m_index = -1;
  m_button = Button::None;
  m_field = -1;
  m_repeating = false;
}

void ChartRecorderControls::MoveWindow(ChartRecorderRecord& r, int64_t ms) const {
  const StampTexts moved = MsToStamp(StampToMs(r.windowdate, r.windowtime) + ms);
  r.windowdate = moved.date;
  r.windowtime = moved.time;
}

void ChartRecorderControls::MoveCursor(ChartRecorderRecord& r, std::string& cursor, int direction, bool held,
                                       int index) const {
  const int divisions = r.cursorunits != 0 ? r.vdivisions : r.hdivisions;
  const int step = held ? static_cast<int>(ChartPlotValueSpan(r, m_geometry.ChartPlotRect(index)) * m_holdspeed) : 1;
  const double moved = HundredthsOf(cursor) + direction * static_cast<double>(step);
  cursor = Hundredths(static_cast<int>(std::clamp(moved, 0.0, std::max(divisions, 0) * 100.0)));
  r.delta = Hundredths(static_cast<int>(HundredthsOf(r.cursor2) - HundredthsOf(r.cursor1)));
}

void ChartRecorderControls::SetCursorMode(ChartRecorderRecord& r, Button button) const {
  r.cursornone = button == Button::ModeNone ? 1 : 0;
  r.cursortime = button == Button::ModeTime ? 1 : 0;
  r.cursorunits = button == Button::ModeUnits ? 1 : 0;
  if (button == Button::ModeNone) return;
  PlaceChartCursors(r, button == Button::ModeTime ? r.hdivisions : r.vdivisions);
}

void ChartRecorderControls::Step(int index, Button button, int field, bool held) {
  ChartRecorderRecord& r = m_doc.m_chartrecorders[index];
  ChartRecorderRunState& state = m_states.ChartRecorders()[index];
  const Rect plot = m_geometry.ChartPlotRect(index);
  const auto timeStep = [&] { return static_cast<int64_t>(ChartPlotTimeSpan(r, plot) * m_holdspeed); };
  switch (button) {
    case Button::ToStart:
      if (!r.starttime.empty()) {
        r.windowdate = r.startdate;
        r.windowtime = r.starttime;
      }
      state.windowheld = 1;
      break;
    case Button::StepBack:
      MoveWindow(r, -timeStep());
      state.windowheld = 1;
      break;
    case Button::StepForward:
      MoveWindow(r, timeStep());
      state.windowheld = 1;
      break;
    case Button::ToEnd:
      if (!r.lasttime.empty()) {
        r.windowdate = r.lastdate;
        r.windowtime = r.lasttime;
      }
      state.windowheld = 0;
      break;
    case Button::ModeNone:
    case Button::ModeTime:
    case Button::ModeUnits: SetCursorMode(r, button); break;
    case Button::Cursor1Down: MoveCursor(r, r.cursor1, -1, held, index); break;
    case Button::Cursor1Up: MoveCursor(r, r.cursor1, 1, held, index); break;
    case Button::Cursor2Down: MoveCursor(r, r.cursor2, -1, held, index); break;
    case Button::Cursor2Up: MoveCursor(r, r.cursor2, 1, held, index); break;
    case Button::TimeDivDown:
    case Button::TimeDivUp: {
      const int tenths = TimeDivTenths(r.timediv) + (button == Button::TimeDivUp ? 1 : -1);
      r.timediv = FormatNumberText(std::clamp(tenths, kMinTimeDivTenths, kMaxTimeDivTenths), 1);
      break;
    }
    case Button::UnitDivUp:
    case Button::UnitDivDown:
      r.fields[field].unitdiv =
          StepDivisionValue(r.fields[field].unitdiv, button == Button::UnitDivUp ? 1 : -1, m_holdspeed);
      break;
    case Button::PositionUp:
    case Button::PositionDown: {
      const int step = held ? static_cast<int>(ChartPlotHeightSpan(r, plot) * m_holdspeed) : 1;
      const double moved = HundredthsOf(r.fields[field].position) + (button == Button::PositionUp ? step : -step);
      r.fields[field].position = Hundredths(static_cast<int>(std::clamp(moved, -2e9, 2e9)));
      break;
    }
    case Button::Print:
    case Button::None: return;
  }
  if (held && button != Button::UnitDivUp && button != Button::UnitDivDown) m_holdspeed += 1.0;
  state.redrawtraces = 1;
  InvalidateStep(index, button, field);
}

}  // namespace korvix
