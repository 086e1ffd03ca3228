#pragma once

#include <QObject>
#include <QPointer>

#include "document/korvix_doc.h"
#include "editorloop/editor_loop.h"
#include "executors/outside_actions.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/text_mem_file.h"
#include "ui/colour_swatch.h"

class QWidget;

namespace korvix {

class CMainFrame;
class CRunLoopSettingsUi;

// Run-Loop > Scripts and the editors it opens: the Script List, the Script
// Configuration of one Script and the properties of one step.
class CScriptEditorsUi final : public QObject {
  Q_OBJECT

public:
  CScriptEditorsUi(CMainFrame& frame, CKorvixDoc& doc, Profile& profile, MessageSink& messages, EditorLoop& editors,
                   CRunLoopSettingsUi& settings, EmailReporter& reports, MillisecondClock& clock);

  void OnRunLoopScripts();
  // Runs until the editor closed with its label accepted, or a quit ended
  // it; also from inside another editor's request.
  void EditScriptConfiguration(int script);
  // The step's dialog by its code; true when the step was changed or
  // deleted.
  bool EditScriptStep(int script, int step);

private:
  // The editors' modal dialogs open over the innermost of them.
  QWidget* DialogParent() const;
  bool EditMathConversionStep(ScriptStep& step);
  bool EditEmailStep(ScriptStep& step);
  bool EditPrintLabelStep(ScriptStep& step);
  bool EditConditionalStep(ScriptStep& step);
  bool EditPlainStep(int script, int step);

  CMainFrame& m_frame;
  CKorvixDoc& m_doc;
  Profile& m_profile;
  MessageSink& m_messages;
  EditorLoop& m_editors;
  CRunLoopSettingsUi& m_settings;
  EmailReporter& m_reports;
  ColourChooser m_chooser;
  TextMemFile m_memfile;
  QPointer<QWidget> m_window;
};

}  // namespace korvix
