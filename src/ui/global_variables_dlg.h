#pragma once

#include "ui/reference_text_dialog.h"

namespace korvix {

// What each global variable holds, for users writing formulas, expressions
// and messages.
class CGlobalVariablesDlg final : public ReferenceTextDialog {
  Q_OBJECT

public:
  explicit CGlobalVariablesDlg(QWidget* parent);
};

}  // namespace korvix
