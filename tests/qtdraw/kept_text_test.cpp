#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qtdraw/kept_text.h"
#include "qtdraw/qt_fonts.h"

namespace korvix {
namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 120;

QImage Blank() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Both are clipped to the area, as the device context clips text.
QImage DrawnByQt(const QString& text, int flags, const QRect& area, const QFont& font, QRect& drawn) {
  QImage image = Blank();
  QPainter painter(&image);
  painter.setClipRect(area);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(area, flags, text, &drawn);
  return image;
}

// A text as the device context sets it: each of its lines, as drawText
// breaks them, drawn as drawText draws that line alone, one line height
// below the one before.
QImage DrawnByQtLineByLine(const QString& text, int flags, const QRect& area, const QFont& font, QRect& drawn) {
  if ((flags & Qt::TextSingleLine) != 0) return DrawnByQt(text, flags, area, font, drawn);
  QImage image = Blank();
  const std::vector<QString> lines = KeptText::Lines(text, flags, area.width(), font, image, Qt::LeftToRight);
  const int lineheight = LineHeight(QFontMetrics(font, &image));
  QPainter painter(&image);
  painter.setClipRect(area);
  painter.setFont(font);
  painter.setPen(Qt::black);
  drawn = QRect();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    QRect line;
    const int top = area.top() + static_cast<int>(i) * lineheight;
    painter.drawText(QRect(area.left(), top, area.width(), lineheight), flags & ~Qt::TextWordWrap, lines[i], &line);
    drawn |= line;
  }
  return image;
}

QImage DrawnKept(const QString& text, int flags, const QRect& area, const QFont& font, QRect& drawn) {
  QImage image = Blank();
  QPainter painter(&image);
  painter.setClipRect(area);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const KeptText kept(text, flags, area.width(), KeptText::FontOf(font, image), font, image, painter.layoutDirection());
  EXPECT_TRUE(kept) << text.toStdString();
  if (!kept) return image;
  drawn = kept.Bounds(area);
  kept.Draw(painter, area);
  return image;
}

// Every way the device context lays text out, in the fonts and sizes the
// kinds use, must leave the pixels and the drawn rectangle that Qt's own
// drawText leaves line for line, the first time and from the kept layout;
// only the lines stand one line height apart, where drawText puts the
// font's leading between them.
TEST(KeptTextTest, DrawsLineForLineWhatQtsDrawTextDraws) {
  const std::vector<QString> texts{QStringLiteral("Level"),
                                   QStringLiteral("1234.5"),
                                   QStringLiteral("  spaced out  "),
                                   QStringLiteral("Tank level north, pump two and the outflow valve"),
                                   QStringLiteral("Line one\nLine two\n\nLine four"),
                                   QStringLiteral("Tab\there, wrapped in a narrow box"),
                                   QStringLiteral("x")};
  const std::vector<int> aligns{Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  const std::vector<int> layouts{Qt::TextSingleLine | Qt::AlignVCenter, Qt::TextSingleLine | Qt::AlignTop, Qt::AlignTop,
                                 Qt::AlignTop | Qt::TextWordWrap};
  const std::vector<QRect> areas{QRect(5, 7, 151, 41), QRect(3, 2, 60, 23), QRect(10, 10, 200, 100)};
  const std::vector<QFont> fonts{MakeQtFont({std::string(kFaceArial), 100}, 96),
                                 MakeQtFont({std::string(kFaceTimesNewRoman), 155}, 96),
                                 MakeQtFont({std::string(kFaceArialUnicode), 240}, 96)};
  for (const QFont& font : fonts)
    for (const QString& text : texts)
      for (const int align : aligns)
        for (const int layout : layouts)
          for (const QRect& area : areas)
            for (int pass = 0; pass < 2; ++pass) {
              const int flags = align | layout;
              QRect qt;
              QRect kept;
              const QImage expected = DrawnByQtLineByLine(text, flags, area, font, qt);
              const QImage actual = DrawnKept(text, flags, area, font, kept);
              const std::string what = text.toStdString() + " in " + font.family().toStdString() + " " +
                                       std::to_string(font.pixelSize()) + "px, flags " + std::to_string(flags) +
                                       ", area width " + std::to_string(area.width()) + ", pass " +
                                       std::to_string(pass);
              EXPECT_EQ(actual, expected) << what;
              EXPECT_EQ(kept, qt) << what;
            }
}

TEST(KeptTextTest, LeavesToQtWhatItWouldNotDrawTheSame) {
  const QImage device = Blank();
  const QFont font = MakeQtFont({std::string(kFaceArial), 100}, 96);
  struct Case {
    QString text;
    int flags;
    Qt::LayoutDirection direction;
    bool kept;
  };
  const std::vector<Case> cases{
      {QStringLiteral("&File"), Qt::TextShowMnemonic, Qt::LeftToRight, false},
      {QStringLiteral("&File"), 0, Qt::LeftToRight, true},
      {QStringLiteral("File"), Qt::TextShowMnemonic, Qt::LeftToRight, true},
      {QString(), 0, Qt::LeftToRight, false},
      {QStringLiteral("Long") + QChar(0x9c) + QStringLiteral("Short"), 0, Qt::LeftToRight, false},
      {QStringLiteral("File"), 0, Qt::RightToLeft, false},
      {QStringLiteral("File"), 0, Qt::LayoutDirectionAuto, true},
      {QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd"), 0, Qt::LayoutDirectionAuto, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(
        static_cast<bool>(KeptText(c.text, c.flags, 100, KeptText::FontOf(font, device), font, device, c.direction)),
        c.kept)
        << c.text.toStdString() << " flags " << c.flags;
}

}  // namespace
}  // namespace korvix
