#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "app/command_ids.h"
#include "editor/edit_mouse.h"
#include "editor/editor_ports.h"
#include "editor/page_editor.h"
#include "platform/message_sink.h"
#include "render/page_view.h"

class QEvent;
class QWidget;

namespace korvix {

class CKorvixView;
class CMainFrame;

// Place-Object's commands are 32100 plus the kind's place in the kind order
// (so the Pivot Tracker's is ID_PLACE_PIVOT_TRACKER).
constexpr int kPlaceCommandBase = 32100;
constexpr CommandId PlaceCommand(ScreenObjectKind kind) {
  return static_cast<CommandId>(kPlaceCommandBase + static_cast<int>(kind));
}

// What the Page menu asks the user; each answer is empty when cancelled.
struct PageDialogs {
  std::function<std::optional<int>(QWidget* parent, int page, int pages)> choosePosition;
  std::function<std::optional<int>(QWidget* parent, int color)> chooseColor;
  std::function<std::optional<std::string>(QWidget* parent, const std::string& file)> chooseBitmap;

  // The toolkit's own dialogs.
  static PageDialogs Standard();
};

// The page editor in the window: the Place-Object, Edit and Page menus, and
// the mouse and the keys of the view in edit mode. The page view and its
// window are shared with the page drawing, so selection and drawing agree.
class CPageEditorUi final : public QObject {
  Q_OBJECT

public:
  CPageEditorUi(CMainFrame& frame, CKorvixDoc& doc, PageView& page, ViewWindow& window, MessageSink& messages,
                ChartMemoryHook& chartmemories, PropertyEditors& editors,
                PageDialogs dialogs = PageDialogs::Standard());
  // Its owner keeps it as long as the frame: the menus call into it.
  ~CPageEditorUi() override;

  CPageEditor& Editor() { return m_editor; }
  CEditMouse& Mouse() { return m_mouse; }

  // New objects are placed in edit mode only; `running` tells whether the
  // Run-Loop runs.
  void SetRunning(std::function<bool()> running) { m_running = std::move(running); }

  // Sees the view's input first; true when the editor used the event.
  bool OnViewEvent(QEvent* event);
  // Enables the commands as the selection, the clipboard and the lock allow.
  void UpdateCommands();

private:
  class Feedback;

  void AddPlaceMenu();
  void AddEditMenu();
  void AddPageMenu();
  void OnPageDeleteAsked();
  void OnPageMoveAsked();
  void OnPageColorAsked();
  void OnPageBitmapAsked();
  bool PlacingAllowed() const;
  void Refresh();

  CMainFrame& m_frame;
  CKorvixView& m_view;
  CKorvixDoc& m_doc;
  PageView& m_page;
  MessageSink& m_messages;
  PageDialogs m_dialogs;
  std::function<bool()> m_running;
  CPageEditor m_editor;
  CEditMouse m_mouse;
  // The viewport's child: the viewport may go first.
  QPointer<Feedback> m_feedback;
};

}  // namespace korvix
