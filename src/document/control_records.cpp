#include "document/control_records.h"

namespace korvix {

ButtonArrayRecord::ButtonArrayRecord() {
  for (const char* title : {"A", "B", "C", "D"}) {
    ButtonArrayButton button;
    button.title = title;
    buttons.Add(button);
  }
  buttons[0].isdown = 1;
}

}  // namespace korvix
