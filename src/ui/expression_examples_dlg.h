#pragma once

#include "ui/reference_text_dialog.h"

namespace korvix {

// The operators an expression may use, with examples from simple to
// complex, for users writing Conditionals.
class CExpressionExamplesDlg final : public ReferenceTextDialog {
  Q_OBJECT

public:
  explicit CExpressionExamplesDlg(QWidget* parent);
};

}  // namespace korvix
