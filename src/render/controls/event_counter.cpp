#include "render/controls/event_counter.h"

#include "render/controls/counter_panel.h"

namespace korvix {

namespace {

void Draw(DrawingContext& context, int index, int pressed) {
  const EventCounterRecord& r = context.doc.m_eventcounters[index];
  ObjectGeometry& g = context.geometry;
  CounterPanel panel;
  panel.object = g.ObjectRectEventCounter(index);
  panel.titlechars = r.titlewidth;
  panel.widthfactor = r.widthfactor;
  panel.sizecode = r.sizecode;
  panel.title = r.title;
  panel.value = r.valuetext;
  panel.textcolour = static_cast<Colour>(r.textcolor);
  panel.withbuttons = r.manualbuttons != 0;
  panel.buttons = {g.ObjectRectEventCounterUpButton(index), g.ObjectRectEventCounterResetButton(index),
                   g.ObjectRectEventCounterDownButton(index)};
  panel.glyphs = {Glyph::Up, Glyph::Ring, Glyph::Down};
  panel.pressed = pressed;
  DrawCounterPanel(context.view, context.dc, panel);
}

}  // namespace

void DrawEventCounter(DrawingContext& context, int index) { Draw(context, index, -1); }

void DrawEventCounter(DrawingContext& context, int index, CounterButton pressed) {
  Draw(context, index, static_cast<int>(pressed));
}

}  // namespace korvix
