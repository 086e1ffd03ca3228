#pragma once

#include "document/korvix_doc.h"
#include "platform/message_sink.h"
#include "recording/chart_memory.h"
#include "render/chart/chart_traces.h"
#include "render/object_run_states.h"
#include "render/print_job.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// A Chart Recorder on one page, as the screen shows it less its buttons, in
// greys, enlarged by the largest whole factor that fits the page and
// centred on it. The view's run-time states are copied before the drawing,
// so printing leaves the shown window, its read position and its drawn
// rectangles as they were.
class ChartRecorderPrint final : public PrintedDocument {
public:
  // `view` and `states` are the screen's; `memory` may be null (no traces).
  ChartRecorderPrint(CKorvixDoc& doc, const ViewState& view, const ObjectRunStates& states, int index,
                     const ChartMemory* memory, MessageSink& messages);

  bool BeginPrinting(const PrintPageMetrics& page) override;
  bool PreparePage(int page) override { return page == 1; }
  void PrintPage(DeviceContext& dc, int page) override;
  void EndPrinting() override {}

  // The enlargement and the object's place on the page, from BeginPrinting.
  int Scale() const { return m_scale; }
  const Rect& PrintedRect() const { return m_printed; }

private:
  CKorvixDoc& m_doc;
  const ViewState& m_view;
  const ObjectRunStates& m_states;
  int m_index;
  const ChartMemory* m_memory;
  MessageSink& m_messages;
  int m_scale = 1;
  Rect m_printed;
};

}  // namespace korvix
