#pragma once

#include <QWidget>
#include <functional>
#include <optional>

namespace korvix {

class Profile;

// Opens the colour picker preset to a colour; no value when it was
// cancelled. Colours are 0x00BBGGRR, as the records hold them.
using ColourChooser = std::function<std::optional<int>(QWidget* parent, int colour)>;

// The program's colour picker, with the custom colours of `profile`.
ColourChooser ColorSelectChooser(Profile& profile);

// A colour field of a property dialog: the colour in a sunken frame with a
// small drop button at its right end. A click opens the colour picker and
// an accepted choice becomes the swatch's colour.
class ColourSwatch final : public QWidget {
  Q_OBJECT

public:
  ColourSwatch(ColourChooser chooser, QWidget* parent = nullptr);

  int Colour() const { return m_colour; }
  void SetColour(int colour);

  QSize sizeHint() const override { return {48, 20}; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

private:
  ColourChooser m_chooser;
  int m_colour = 0;
};

}  // namespace korvix
