#pragma once

#include "editor/editor_ports.h"
#include "editorloop/editor_loop.h"
#include "executors/outside_actions.h"
#include "platform/message_sink.h"
#include "properties/property_frame.h"
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
                   EditorLoop& editors, EmailReporter& reports);

  void EditTextBoxProperties(int index) override;
  void EditTextWindowProperties(int index) override;
  void EditChartRecorderProperties(int index) override;
  void EditInputWindowProperties(int index) override;
  void EditPushButtonProperties(int index) override;
  void ConfigureButtonArray(int index) override;

private:
  QWidget* m_parent;
  PropertyFrame m_frame;
  MessageSink& m_messages;
  ColourChooser m_chooser;
  EditorLoop& m_editors;
  EmailReporter& m_reports;
};

}  // namespace korvix
