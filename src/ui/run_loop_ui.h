#pragma once

#include <QObject>
#include <QPointer>
#include <QRegion>
#include <functional>
#include <memory>
#include <optional>

#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/wall_clock.h"
#include "publishing/web_log_upload.h"
#include "render/object_states.h"
#include "render/page_view.h"
#include "runloop/publishing.h"
#include "runloop/run_loop_services.h"
#include "runloop/view_runtime.h"
#include "ui/live_link_listener.h"
#include "ui/page_editor_view_window.h"
#include "ui/popup_box_window.h"
#include "ui/queued_message_sink.h"
#include "ui/run_loop_pump.h"
#include "ui/run_mode.h"
#include "ui/waiting_message_sink.h"

namespace korvix {

class CMainFrame;
class CKorvixView;

// The Run-Loop in the window: the Run-Loop menu's start and halt, the
// private start and halt messages, the page drawn live as values arrive,
// and the popup box beside it. It owns the objects' states, the view's
// run-time core, the run mode on it and the page view that draws the current
// page from all of them. Whoever makes it owns it.
class CRunLoopUi final : public QObject, private RuntimeWindow {
  Q_OBJECT

public:
  // Without `runmode` a project runs without Scripts, Button Arrays, e-mail
  // reports and held controls.
  CRunLoopUi(CMainFrame& frame, CKorvixDoc& doc, Profile& profile, MessageSink& messages,
             std::optional<RunModeWorld> runmode = std::nullopt);
  ~CRunLoopUi() override;

  ViewRuntime& Runtime() { return *m_runtime; }
  // Null when made without a run mode.
  CRunMode* RunMode() { return m_runmode.get(); }
  PageView& Page() { return m_page; }
  ViewWindow& PageWindow() { return m_pagewindow; }
  QtMessagePump& Pump() { return m_pump; }
  PopupBoxWindow& PopupWindow() { return m_popupwindow; }
  CLiveLinkListener& LiveLink() { return m_livelink; }

  void OnRunLoopStart();
  void OnRunLoopHalt();

  // While a long-lived editor is open the Run-Loop's rounds pause and only
  // the editor's own loop reads the port, so a modal window opened from the
  // editor must not start passes either.
  void SetEditorsOpen(std::function<bool()> editorsopen) { m_editorsopen = std::move(editorsopen); }

private:
  void InvalidateObject(ScreenObjectKind kind, int index) override;
  void InvalidateRect(const Rect& rect) override;
  void UpdateWindow() override;
  void DeselectAll() override;
  void OnRunLoopMessage(RunLoopMessage message);
  void Paint(QPainter& painter, const QRegion& dirty);
  void UpdateCommands();
  void ShowRunning(bool running);
  std::unique_ptr<ViewRuntime> MakeRuntime(Profile& profile, MessageSink& messages,
                                           std::optional<RunModeWorld> runmode);

  CMainFrame& m_frame;
  CKorvixView& m_view;
  QPointer<CKorvixView> m_viewalive;
  CKorvixDoc& m_doc;
  PageEditorViewWindow m_pagewindow;
  ObjectStates m_objects;
  QtMessagePump m_pump;
  std::function<bool()> m_editorsopen;
  PopupBoxWindow m_popupwindow;
  NoScriptServices m_noscripts;
  MonotonicClock m_clock;
  WaitingMessageSink m_weblogmessages;
  FtpWebLogThread m_weblog;
  CLiveLinkListener m_livelink;
  SystemWallClock m_wall;
  // What the data log and the COM link tell from inside a pass, shown once
  // the event loop gets to it, so that the box never holds the pass.
  QueuedMessageSink m_passmessages;
  // What the Run-Loop invalidated without erasing since the last paint, in
  // client pixels.
  QRegion m_quietregion;
  // Made by the runtime once its values exist, and ended after it: the
  // runtime calls into the run mode until it is gone.
  std::unique_ptr<CRunMode> m_runmode;
  std::unique_ptr<ViewRuntime> m_runtime;
  // Made last: it draws from everything above.
  PageView m_page;
};

}  // namespace korvix
