#pragma once

#include "editor/editor_ports.h"
#include "editorloop/editor_loop.h"
#include "executors/outside_actions.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "properties/property_frame.h"
#include "ui/chart_plot_requests.h"
#include "ui/colour_swatch.h"

class QWidget;

namespace korvix {

// The property editors of the kinds that have their dialogs so far; the
// others still do nothing. Each dialog is modal over `parent`, except the
// Chart Recorder's and the Button Array's, which run in the view's modeless
// editor loop. `reports` sends the e-mail dialog's test mail.
class CPropertyEditors final : public PropertyEditors {
public:
  CPropertyEditors(QWidget* parent, PropertyFrame frame, MessageSink& messages, ColourChooser chooser,
                   EditorLoop& editors, EmailReporter& reports, ChartPlotAccess plots);

  void EditTextBoxProperties(int index) override;
  void EditImageBoxProperties(int index) override;
  void EditDataWindowProperties(int index) override;
  void EditTextWindowProperties(int index) override;
  void EditLevelGaugeProperties(int index) override;
  void EditDialGaugeProperties(int index) override;
  void EditMeterGaugeProperties(int index) override;
  void EditVerticalGaugeProperties(int index) override;
  void EditHorizontalGaugeProperties(int index) override;
  void EditDualHandGaugeProperties(int index) override;
  void EditWindVaneProperties(int index) override;
  void EditChartRecorderProperties(int index) override;
  void EditRockerSwitchProperties(int index) override;
  void EditSliderControlProperties(int index) override;
  void EditSignalLampProperties(int index) override;
  void EditEventCounterProperties(int index) override;
  void EditEventTimerProperties(int index) override;
  void EditPivotTrackerProperties(int index) override;
  void EditPIControllerProperties(int index) override;
  void EditInputWindowProperties(int index) override;
  void EditPushButtonProperties(int index) override;
  void ConfigureButtonArray(int index) override;

private:
  // The editor of a kind whose dialog offers the project's labels.
  template <ScreenObjectKind K, class Dialog>
  void EditWithNames(int index);

  QWidget* m_parent;
  PropertyFrame m_frame;
  MessageSink& m_messages;
  ColourChooser m_chooser;
  EditorLoop& m_editors;
  EmailReporter& m_reports;
  ChartPlotAccess m_plots;
  MonotonicClock m_clock;
};

}  // namespace korvix
