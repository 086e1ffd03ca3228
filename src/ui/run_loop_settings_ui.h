#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "document/korvix_doc.h"
#include "editorloop/editor_loop.h"
#include "platform/message_sink.h"
#include "render/object_run_states.h"

class QWidget;

namespace korvix {

class CMainFrame;

// The Run-Loop menu's editors of project settings: Initialization, Polling
// Setup, CPU Usage and the Variables. Each is offered in edit mode only: the
// Run-Loop stopped and the project unlocked.
class CRunLoopSettingsUi final : public QObject {
  Q_OBJECT

public:
  // `variables` are the view's run-time states of the Variables.
  CRunLoopSettingsUi(CMainFrame& frame, CKorvixDoc& doc, VariableRunStates& variables, MessageSink& messages,
                     EditorLoop& editors, std::function<bool()> running);

  // Runs the Variable List until it is closed; also from inside another
  // editor's request.
  void OnRunLoopVariables();
  void EditVariableProperties(int index);
  void OnRunLoopInitialization();
  void OnRunLoopPollingSetup();
  void OnRunLoopCpuUsage();

  bool EditModeCommandEnabled() const;
  // Sets these commands and Run-Loop > Scripts, Conditionals, Data Logging
  // and Web Logging by EditModeCommandEnabled.
  void OnUpdateEditModeCommand();

private:
  // Modal dialogs open over the innermost editor, else the main window.
  QWidget* DialogParent() const;

  CMainFrame& m_frame;
  CKorvixDoc& m_doc;
  VariableRunStates& m_variables;
  MessageSink& m_messages;
  EditorLoop& m_editors;
  std::function<bool()> m_running;
  QPointer<QWidget> m_listwindow;
};

}  // namespace korvix
