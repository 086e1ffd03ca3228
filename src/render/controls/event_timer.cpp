#include "render/controls/event_timer.h"

#include "render/controls/counter_panel.h"
#include "texts/number_texts.h"

namespace korvix {

namespace {

// Only digits, ":" and "." make a time; blanks around it are allowed.
bool IsTimeText(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  const std::string_view body = text.substr(first, text.find_last_not_of(' ') - first + 1);
  return body.find_first_not_of(":.0123456789") == std::string_view::npos &&
         body.find_first_of("0123456789") != std::string_view::npos;
}

void Draw(DrawingContext& context, int index, int pressed) {
  const EventTimerRecord& r = context.doc.m_eventtimers[index];
  ObjectGeometry& g = context.geometry;
  const std::string shown = ShownTimerText(r);
  CounterPanel panel;
  panel.object = g.ObjectRectEventTimer(index);
  panel.titlechars = r.titlewidth;
  panel.widthfactor = r.widthfactor;
  panel.sizecode = r.sizecode;
  panel.title = r.title;
  panel.value = shown;
  panel.textcolour = static_cast<Colour>(r.textcolor);
  panel.withbuttons = r.manualbuttons != 0;
  panel.buttons = {g.ObjectRectEventTimerStartButton(index), g.ObjectRectEventTimerResetButton(index),
                   g.ObjectRectEventTimerHaltButton(index)};
  panel.glyphs = {Glyph::Right, Glyph::Ring, Glyph::Pause};
  panel.pressed = pressed;
  DrawCounterPanel(context.view, context.dc, panel);
}

}  // namespace

std::string ShownTimerText(const EventTimerRecord& record) {
  if (IsFaultText(record.valuetext)) return record.valuetext;
  if (!IsTimeText(record.valuetext)) return std::string(kErrorText);
  NumberTexts texts;
  const int32_t ms = texts.ParseMilliText(record.valuetext);
  if (texts.m_overflow) return std::string(kOverflowText);
  return FormatDuration(ms, record.timeformat);
}

void DrawEventTimer(DrawingContext& context, int index) { Draw(context, index, -1); }

void DrawEventTimer(DrawingContext& context, int index, TimerButton pressed) {
  Draw(context, index, static_cast<int>(pressed));
}

}  // namespace korvix
