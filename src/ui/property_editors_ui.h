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

// The property dialogs of every kind. Each dialog is modal over `parent`,
// except the Chart Recorder's and the Button Array's, which run in the view's
// modeless editor loop. `reports` sends the e-mail dialog's test mail.
class CPropertyEditors final : public PropertyEditors {
public:
  CPropertyEditors(QWidget* parent, PropertyFrame frame, MessageSink& messages, ColourChooser chooser,
                   EditorLoop& editors, EmailReporter& reports, ChartPlotAccess plots);

  // Opens the editor the table in the source gives the kind.
  void OpenPropertyEditor(ScreenObjectKind kind, int index) override;

  // Each kind's editor, as that table names it.
  void EditTextBoxProperties(int index);
  void EditImageBoxProperties(int index);
  void EditDataWindowProperties(int index);
  void EditTextWindowProperties(int index);
  void EditLevelGaugeProperties(int index);
  void EditDialGaugeProperties(int index);
  void EditMeterGaugeProperties(int index);
  void EditVerticalGaugeProperties(int index);
  void EditHorizontalGaugeProperties(int index);
  void EditDualHandGaugeProperties(int index);
  void EditWindVaneProperties(int index);
  void EditChartRecorderProperties(int index);
  void EditRockerSwitchProperties(int index);
  void EditSliderControlProperties(int index);
  void EditSignalLampProperties(int index);
  void EditEventCounterProperties(int index);
  void EditEventTimerProperties(int index);
  void EditPivotTrackerProperties(int index);
  void EditPIControllerProperties(int index);
  void EditInputWindowProperties(int index);
  void EditPushButtonProperties(int index);
  void ConfigureButtonArray(int index);

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
