#include "editor/button_arrays.h"

#include "automation/action_codes.h"

namespace korvix {

bool AddButtonToArray(CKorvixDoc& doc, int index) {
  ButtonArrayButtonList& buttons = doc.m_buttonarrays[index].buttons;
  if (buttons.IsFull()) return false;
  ButtonArrayButton button;
  button.title = std::string(1, static_cast<char>('A' + buttons.Count()));
  // The slot starts as a freshly chosen action's does: a second text or
  // print setting left from another button would give "Transmit Command" a
  // reply target nobody set.
  ActionSlot fresh;
  fresh.Choose(0);
  button.action = fresh.action;
  button.second = fresh.second;
  button.fontsize = fresh.fontsize;
  button.barcode = fresh.barcode;
  button.barsize = fresh.barsize;
  buttons.Add(button);
  return true;
}

}  // namespace korvix
