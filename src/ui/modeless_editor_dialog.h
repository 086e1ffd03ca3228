#pragma once

#include <QDialog>
#include <QPointer>

#include "editorloop/modeless_editor.h"

class QAbstractButton;
class QAbstractItemView;
class QPushButton;

namespace korvix {

// The base of every long-lived editor's dialog. Its buttons only raise
// request flags that the loop of the view function owning it serves, and
// closing it only clears the open flag: the window goes when that loop
// ends, never from one of its own slots. The outermost editor keeps the
// main window blocked until it is gone, whatever it nests meanwhile.
class ModelessEditorDialog : public QDialog, public ModelessEditor {
  Q_OBJECT

public:
  explicit ModelessEditorDialog(QWidget* mainwindow);
  ~ModelessEditorDialog() override;

  // Sets the open flag and shows the window: the outermost editor
  // window-modal over the main window, a nested one over the editor that
  // opened it, which stays usable meanwhile.
  void ShowEditor();

  // The editor shown last of those still open: the one the user works in.
  static ModelessEditorDialog* Innermost() { return s_innermost; }

  bool IsOpen() const override { return m_open == 1; }
  void DisableWindow() override;
  void EnableWindowAndFocus() override;
  void DestroyWindow() override;

  // Enter, Escape and the window's close box all end the editor the way
  // "Close" does; an editor whose "Close" checks its fields overrides
  // accept().
  void accept() override { m_open = 0; }
  void reject() override { m_open = 0; }

  int m_open = 0;

protected:
  enum class FocusAfter { Close, Stay };

  // The default button: Enter presses it unless another button holds the
  // focus. With `closerequest` it only raises that request, for an editor
  // whose view checks the fields before it lets the editor close.
  void SetCloseButton(QPushButton* button, int* closerequest = nullptr);
  // The focus leaves the pressed button for "Close", so that the next Enter
  // closes the editor instead of repeating the request.
  void ConnectRequest(QAbstractButton* button, int& flag, FocusAfter focus = FocusAfter::Close);
  // A double-click on a line asks for what the list's edit button does.
  void ConnectDoubleClick(QAbstractItemView* list, int& flag);
  void RaiseRequest(int& flag, FocusAfter focus = FocusAfter::Close);

private:
  QPointer<QWidget> m_mainwindow;
  QPushButton* m_close = nullptr;
  // The editor this one was opened from; none for the outermost.
  ModelessEditorDialog* m_outer = nullptr;
  QPointer<QWidget> m_focusbeforedisable;
  bool m_shown = false;

  static ModelessEditorDialog* s_innermost;
};

}  // namespace korvix
