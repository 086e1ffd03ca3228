#pragma once

#include "render/device_context.h"

namespace korvix {

// Selects a pen, brush, font, colour or mode for one scope and puts the
// previous one back when the scope ends, so a drawing never leaves its own
// objects behind in the device context.
template <class Value, class Arg, Value (DeviceContext::*Set)(Arg)>
class Selection {
public:
  Selection(DeviceContext& dc, Arg value) : m_dc(dc), m_previous((dc.*Set)(value)) {}
  ~Selection() { (m_dc.*Set)(m_previous); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

private:
  DeviceContext& m_dc;
  Value m_previous;
};

using SelectedPen = Selection<Pen, const Pen&, &DeviceContext::SelectPen>;
using SelectedBrush = Selection<Brush, const Brush&, &DeviceContext::SelectBrush>;
using SelectedFont = Selection<Font, const Font&, &DeviceContext::SelectFont>;
using SelectedTextColour = Selection<Colour, Colour, &DeviceContext::SetTextColour>;
using SelectedBackgroundMode = Selection<BackgroundMode, BackgroundMode, &DeviceContext::SetBackgroundMode>;
using SelectedBackgroundColour = Selection<Colour, Colour, &DeviceContext::SetBackgroundColour>;

// Saves the whole state, clip region included, for one scope.
class SavedState {
public:
  explicit SavedState(DeviceContext& dc) : m_dc(dc) { m_dc.SaveState(); }
  ~SavedState() { m_dc.RestoreState(); }
  SavedState(const SavedState&) = delete;
  SavedState& operator=(const SavedState&) = delete;

private:
  DeviceContext& m_dc;
};

}  // namespace korvix
