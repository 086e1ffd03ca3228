#pragma once

#include <QDialog>
#include <string>

namespace korvix {

// Help > About: the program's name and version.
class CAboutDlg final : public QDialog {
  Q_OBJECT

public:
  CAboutDlg(const std::string& versiontext, QWidget* parent = nullptr);
};

}  // namespace korvix
