#pragma once

#include "editor/editor_ports.h"
#include "recording/chart_memories.h"

namespace korvix {

// The page editor's hook onto the recorders' sample memories.
class RecorderChartMemories final : public ChartMemoryHook {
public:
  explicit RecorderChartMemories(ChartMemories& memories) : m_memories(memories) {}

  void TransferChartMemory(int fromslot, int toslot) override { m_memories.TransferChartMemory(fromslot, toslot); }
  void RemoveChartMemory(int index, int count) override { m_memories.RemoveChartMemory(index, count); }
  void EmptyChartMemory(int index) override { m_memories.EmptyChartMemory(index); }

private:
  ChartMemories& m_memories;
};

}  // namespace korvix
