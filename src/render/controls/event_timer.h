#pragma once

#include <string>

#include "document/control_records.h"
#include "render/drawing_context.h"

namespace korvix {

enum class TimerButton { Start = 0, Reset = 1, Halt = 2 };

// The time a timer shows: its value text in its own time format, or the text
// itself when it holds no time ("Error", "Overflow").
std::string ShownTimerText(const EventTimerRecord& record);

// Title, time and, with manual buttons, the start, reset and halt buttons in
// their part rectangles.
void DrawEventTimer(DrawingContext& context, int index);
// The same with one button held down by the operator.
void DrawEventTimer(DrawingContext& context, int index, TimerButton pressed);

}  // namespace korvix
