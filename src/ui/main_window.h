#pragma once

#include <QMainWindow>

namespace korvix {

class MainWindow final : public QMainWindow {
  Q_OBJECT

public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace korvix
