#pragma once

#include <QFont>
#include <QRect>
#include <QString>

#include <memory>
#include <mutex>
#include <vector>

class QPaintDevice;
class QPainter;

namespace korvix {

// Text broken into lines as QPainter::drawText(rect, flags, text) breaks it,
// each line drawn as drawText draws a text of that one line and the lines
// one line height (LineHeight) apart, kept from one paint to the next:
// pages draw the same labels and values again and again, and laying a text
// out and shaping it costs Qt more than drawing its glyphs. The layouts are
// shared by every context and thread, a bounded number of them. Texts whose
// lines this does not draw as drawText draws them (mnemonic underlines,
// right-to-left layout, text beyond Latin-1, length variants, empty text)
// are left to the caller.
class KeptText {
public:
  // The number that stands for the font on the device in every lookup.
  static int FontOf(const QFont& font, const QPaintDevice& device);

  // Finds or makes the layout of text for flags, the font (numbered by
  // FontOf) and the device, in an area of the given width; holds the layouts
  // until destroyed.
  KeptText(const QString& text, int flags, int width, int fontnumber, const QFont& font, const QPaintDevice& device,
           Qt::LayoutDirection direction);

  // False when the text is left to Qt.
  explicit operator bool() const { return m_entry != nullptr; }

  // What drawText reports as drawn for the text in area.
  QRect Bounds(const QRect& area) const;

  // Draws the text in area with the painter's pen, glyph for glyph as
  // drawText does; clipping to area is the caller's.
  void Draw(QPainter& painter, const QRect& area) const;

  struct Entry;

  // The lines of a text left to the caller, broken as kept layouts break
  // theirs: the caller draws them one by one, one line height apart.
  static std::vector<QString> Lines(const QString& text, int flags, int width, const QFont& font,
                                    const QPaintDevice& device, Qt::LayoutDirection direction);

private:
  std::unique_lock<std::mutex> m_lock;
  std::shared_ptr<const Entry> m_entry;
  int m_flags;
};

}  // namespace korvix
