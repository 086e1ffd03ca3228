#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;

namespace korvix {

// A dialog that only shows fixed texts for the user to read: it has no
// buttons, and Enter, Escape or the close box end it.
class ReferenceTextDialog : public QDialog {
  Q_OBJECT

protected:
  ReferenceTextDialog(QWidget* parent, const char* caption, int width, int height);

  static QLabel* Text(const char* text, bool wrap = true);
  // A framed group of one text per line; `wrap` lets a long one break.
  static QGroupBox* Group(const char* title, std::initializer_list<const char*> lines, bool wrap = false);
  // Called once the texts are laid out: the dialog keeps its width and grows
  // taller if the font needs more lines than the design allowed.
  void FitHeight();

  void keyPressEvent(QKeyEvent* event) override;

private:
  int m_width;
  int m_height;
};

}  // namespace korvix
