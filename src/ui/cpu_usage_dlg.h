#pragma once

#include <QDialog>

class QCheckBox;

namespace korvix {

// "CPU Usage Settings": one check box and a single OK; Esc leaves it as it
// was.
class CCpuUsageDlg final : public QDialog {
  Q_OBJECT

public:
  CCpuUsageDlg(QWidget* parent, int reduced);

  int m_reduced = 0;

  QCheckBox* ReducedBox() const { return m_box; }

protected:
  void accept() override;

private:
  QCheckBox* m_box;
};

}  // namespace korvix
