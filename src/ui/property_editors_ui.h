#pragma once

#include "editor/editor_ports.h"
#include "editorloop/editor_loop.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "properties/property_frame.h"
#include "ui/chart_plot_requests.h"
#include "ui/colour_swatch.h"

class QWidget;

namespace korvix {

// The property editors of the kinds that have their dialogs so far; the
// others still do nothing. Each dialog is modal over `parent`, except the
// Chart Recorder's, which runs in the view's modeless editor loop.
class CPropertyEditors final : public PropertyEditors {
public:
  CPropertyEditors(QWidget* parent, PropertyFrame frame, MessageSink& messages, ColourChooser chooser,
                   EditorLoop& editors, ChartPlotAccess plots);

  void EditTextBoxProperties(int index) override;
  void EditTextWindowProperties(int index) override;
  void EditChartRecorderProperties(int index) override;

private:
  QWidget* m_parent;
  PropertyFrame m_frame;
  MessageSink& m_messages;
  ColourChooser m_chooser;
  EditorLoop& m_editors;
  ChartPlotAccess m_plots;
  MonotonicClock m_clock;
};

}  // namespace korvix
