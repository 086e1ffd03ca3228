#pragma once

#include <QDialog>

namespace korvix {

// What is new in this release, shown once per release at start-up.
class CNewInVersionDlg final : public QDialog {
  Q_OBJECT

public:
  explicit CNewInVersionDlg(QWidget* parent = nullptr);
};

}  // namespace korvix
