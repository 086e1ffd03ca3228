#include "editor/button_arrays.h"

namespace korvix {

bool AddButtonToArray(CKorvixDoc& doc, int index) {
  ButtonArrayButtonList& buttons = doc.m_buttonarrays[index].buttons;
  if (buttons.IsFull()) return false;
  ButtonArrayButton button;
  button.title = std::string(1, static_cast<char>('A' + buttons.Count()));
  buttons.Add(button);
  return true;
}

}  // namespace korvix
