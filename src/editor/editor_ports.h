#pragma once

namespace korvix {

// The Chart Recorders' sample memories, one per record slot: the live
// slots first, then one per clipboard slot. The samples travel with their
// record through delete, copy and paste.
class ChartMemoryHook {
public:
  virtual ~ChartMemoryHook() = default;
  virtual void TransferChartMemory(int fromslot, int toslot) = 0;
  // Live recorder `index` of `count` was deleted: the later memories move
  // down one and the last one empties.
  virtual void RemoveChartMemory(int index, int count) = 0;
  // The data fields of live recorder `index` changed, so its samples no
  // longer match them.
  virtual void EmptyChartMemory(int index) = 0;
};

// The property editors of every kind, reached by object index. The
// dialogs come later; until then each entry does nothing.
class PropertyEditors {
public:
  virtual ~PropertyEditors() = default;
  virtual void EditTextBoxProperties(int) {}
  virtual void EditImageBoxProperties(int) {}
  virtual void EditDataWindowProperties(int) {}
  virtual void EditTextWindowProperties(int) {}
  virtual void EditInputWindowProperties(int) {}
  virtual void EditLevelGaugeProperties(int) {}
  virtual void EditDialGaugeProperties(int) {}
  virtual void EditMeterGaugeProperties(int) {}
  virtual void EditVerticalGaugeProperties(int) {}
  virtual void EditHorizontalGaugeProperties(int) {}
  virtual void EditDualHandGaugeProperties(int) {}
  virtual void EditWindVaneProperties(int) {}
  virtual void EditPivotTrackerProperties(int) {}
  virtual void EditSignalLampProperties(int) {}
  virtual void EditEventCounterProperties(int) {}
  virtual void EditEventTimerProperties(int) {}
  virtual void EditPushButtonProperties(int) {}
  virtual void EditRockerSwitchProperties(int) {}
  virtual void EditSliderControlProperties(int) {}
  virtual void EditPIControllerProperties(int) {}
  virtual void EditChartRecorderProperties(int) {}
  // The Button Array's modeless configuration of its sub buttons.
  virtual void ConfigureButtonArray(int) {}
  // A right click on an empty place of the page.
  virtual void EditPageBackground() {}
};

}  // namespace korvix
