#pragma once

#include <QColor>
#include <QDialog>

#include "platform/profile.h"

class QColorDialog;
class QPushButton;

namespace korvix {

class CColourPaletteGrid;

// The program's colour picker: its own palette beside the standard colour
// chooser (spectrum, value fields and sixteen custom colours). The custom
// colours come from the profile and go back to it only when OK is pressed.
class CColorSelect final : public QDialog {
  Q_OBJECT

public:
  CColorSelect(QWidget* parent, int colour, Profile& profile);

  // The chosen colour after OK; the opening colour before.
  int Color() const { return m_curcolor; }

  void accept() override;

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void ChoosePaletteColour(int colour);
  void AdoptChooserParts();

  Profile& m_profile;
  int m_curcolor;
  bool m_choosingfrompalette = false;
  QColorDialog* m_chooser;
  CColourPaletteGrid* m_palette;
  QPushButton* m_ok;
  QWidget* m_customslots = nullptr;
  QColor m_colourbeforeslot;
  bool m_emptyslotclicked = false;
};

}  // namespace korvix
