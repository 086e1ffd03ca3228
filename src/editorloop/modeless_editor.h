#pragma once

#include <functional>
#include <vector>

namespace korvix {

// An open modeless editor window as its loop sees it. The dialog's buttons
// only raise flags; closing it only clears its open flag, so the window is
// never gone while the view function still reads it.
class ModelessEditor {
public:
  virtual ~ModelessEditor() = default;

  // The open flag: set while the editor runs, cleared by its close handler.
  virtual bool IsOpen() const = 0;
  // Around a message box, so that the editor takes no input under it.
  virtual void DisableWindow() = 0;
  virtual void EnableWindowAndFocus() = 0;
  // Takes the window off the screen; the object stays with its owner.
  virtual void DestroyWindow() = 0;
};

// One button's request: the flag its handler raises and the view's work.
struct EditorRequest {
  int* flag;
  std::function<void()> serve;
};

// What one editor's view function hands the loop.
struct EditorPass {
  // Checked in this order on every pass.
  std::vector<EditorRequest> requests = {};
  // Sets the buttons from the selections and the list clipboard after the
  // requests of every pass.
  std::function<void()> enables = {};
  // Stores what the editor keeps outside the document once it closed; never
  // runs after a quit.
  std::function<void()> writeback = {};
};

}  // namespace korvix
