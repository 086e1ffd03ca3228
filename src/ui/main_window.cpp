#include "ui/main_window.h"

namespace korvix {

namespace {
constexpr char kCaption[] = "Korvix";
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromLatin1(kCaption));
  resize(1024, 720);
}

}  // namespace korvix
