#pragma once

#include "document/screen_object_kind.h"

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

// The property editors of every kind, reached by kind and object index; the
// Button Array's is the modeless configuration of its sub buttons. Without a
// program around the editor each does nothing.
class PropertyEditors {
public:
  virtual ~PropertyEditors() = default;
  virtual void OpenPropertyEditor(ScreenObjectKind, int) {}
  // A right click on an empty place of the page.
  virtual void EditPageBackground() {}
};

}  // namespace korvix
