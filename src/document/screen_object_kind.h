#pragma once

namespace korvix {

// Every kind of screen object, in the order in which a page draws the kinds
// of one stacking layer and in which the editor walks them.
enum class ScreenObjectKind {
  TextBox,
  ImageBox,
  DataWindow,
  TextWindow,
  InputWindow,
  LevelGauge,
  DialGauge,
  MeterGauge,
  VerticalGauge,
  HorizontalGauge,
  DualHandGauge,
  WindVane,
  PivotTracker,
  SignalLamp,
  EventCounter,
  EventTimer,
  PushButton,
  ButtonArray,
  RockerSwitch,
  SliderControl,
  PIController,
  ChartRecorder,
};

}  // namespace korvix
