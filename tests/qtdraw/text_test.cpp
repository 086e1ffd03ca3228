#include <QFontInfo>

#include <gtest/gtest.h>

#include <string>

#include "canvas.h"
#include "qtdraw/qt_fonts.h"
#include "render/selection.h"

namespace korvix {
namespace {

TEST(QtFontsTest, FaceNamesResolveToTheirMetricCompatibleFamilies) {
  struct Case {
    std::string_view face;
    const char* family;
  };
  for (const Case& c : {Case{kFaceArial, "Liberation Sans"}, Case{kFaceArialUnicode, "Liberation Sans"},
                        Case{kFaceTimesNewRoman, "Liberation Serif"}}) {
    EXPECT_EQ(QtFontFamily(c.face), QString(c.family)) << c.face;
    EXPECT_EQ(QFontInfo(MakeQtFont({std::string(c.face), 120}, 96)).family(), QString(c.family)) << c.face;
  }
}

TEST(QtFontsTest, PointTenthsBecomeRoundedPixelsAtTheGivenResolution) {
  struct Case {
    int tenths;
    int dpi;
    int pixels;
  };
  for (const Case& c :
       {Case{120, 96, 16}, Case{100, 96, 13}, Case{90, 96, 12}, Case{135, 96, 18}, Case{1, 96, 1}, Case{120, 600, 100}})
    EXPECT_EQ(FontPixelSize(c.tenths, c.dpi), c.pixels) << c.tenths << " at " << c.dpi;
}

class TextTest : public Canvas {
protected:
  TextTest() : Canvas(200, 80) {}

  // Draws transparently in black 12-point Arial.
  void Draw(std::string_view text, const Rect& rect, TextFormat format) {
    Paint([&](QtDeviceContext& dc) {
      dc.SetBackgroundMode(BackgroundMode::Transparent);
      dc.SelectFont({std::string(kFaceArial), 120});
      dc.DrawText(text, rect, format);
    });
  }

  static constexpr Rect kBox{20, 10, 180, 70};
};

TEST_F(TextTest, HorizontalAlignmentPlacesTheInkAtTheLeftMiddleOrRight) {
  Draw("Level", kBox, TextFormat::Left | TextFormat::SingleLine);
  EXPECT_LE(InkBounds().left - kBox.left, 2);

  m_image.fill(Qt::white);
  Draw("Level", kBox, TextFormat::Right | TextFormat::SingleLine);
  EXPECT_LE(kBox.right - InkBounds().right, 2);

  m_image.fill(Qt::white);
  Draw("Level", kBox, TextFormat::Centre | TextFormat::SingleLine);
  const Rect ink = InkBounds();
  EXPECT_NEAR((ink.left + ink.right) / 2.0, (kBox.left + kBox.right) / 2.0, 2.0);
}

TEST_F(TextTest, VerticalCentringNeedsSingleLine) {
  Draw("Level", kBox, TextFormat::SingleLine | TextFormat::VCentre);
  const Rect centred = InkBounds();
  EXPECT_NEAR((centred.top + centred.bottom) / 2.0, (kBox.top + kBox.bottom) / 2.0, 3.0);

  m_image.fill(Qt::white);
  Draw("Level", kBox, TextFormat::VCentre);
  EXPECT_LE(InkBounds().top - kBox.top, 5);
}

TEST_F(TextTest, WordBreakWrapsAtSpacesAndSingleLineDoesNot) {
  const Rect narrow{20, 5, 80, 75};
  Draw("tank level high", narrow, TextFormat::WordBreak);
  const Rect wrapped = InkBounds();
  m_image.fill(Qt::white);
  Draw("tank level high", narrow, TextFormat::SingleLine);
  const Rect single = InkBounds();
  EXPECT_GT(Height(wrapped), 2 * Height(single));
  EXPECT_EQ(single.right, narrow.right);  // cut off at the rectangle

  m_image.fill(Qt::white);
  Draw("tank\r\nhigh", kBox, TextFormat::WordBreak);
  EXPECT_GT(Height(InkBounds()), 2 * Height(single));  // a stored line break
}

// A text measured line by line, GetTextExtent's height a line, takes the
// room it is drawn in: its lines stand one such height apart, whether the
// text breaks at its line breaks or at the rectangle's width, and whether
// the context keeps its layout or leaves it to Qt (a text with a prefix).
TEST_F(TextTest, LinesStandOneMeasuredLineHeightApart) {
  struct Case {
    const char* line;
    const char* text;
    TextFormat format;
    Rect rect;
  };
  const Rect narrow{20, 2, 60, 78};
  for (const Case& c : {Case{"Xg", "Xg\r\nXg\r\nXg", TextFormat::NoPrefix, kBox},
                        Case{"Xg", "Xg Xg Xg", TextFormat::WordBreak | TextFormat::NoPrefix, narrow},
                        Case{"X&&g", "X&&g\r\nX&&g\r\nX&&g", TextFormat::Left, kBox},
                        Case{"X&&g", "X&&g X&&g X&&g", TextFormat::WordBreak, narrow}}) {
    const Rect top{c.rect.left, 2, c.rect.right, 78};
    m_image.fill(Qt::white);
    Draw(c.line, top, c.format);
    const Rect one = InkBounds();
    m_image.fill(Qt::white);
    int lineheight = 0;
    int drawn = 0;
    Paint([&](QtDeviceContext& dc) {
      dc.SetBackgroundMode(BackgroundMode::Transparent);
      dc.SelectFont({std::string(kFaceArial), 120});
      lineheight = dc.GetTextExtent(c.line).cy;
      drawn = dc.DrawText(c.text, top, c.format);
    });
    const Rect three = InkBounds();
    EXPECT_EQ(three.top, one.top) << c.text;
    EXPECT_EQ(three.bottom, one.bottom + 2 * lineheight) << c.text;
    EXPECT_EQ(three.left, one.left) << c.text;
    EXPECT_LE(drawn, 3 * lineheight + 1) << c.text;
    EXPECT_GE(drawn, 3 * lineheight - 1) << c.text;
  }
}

TEST_F(TextTest, TextIsClippedToItsRectangle) {
  const Rect small{20, 10, 40, 20};
  Draw("Overflowing", small, TextFormat::Left);
  const Rect ink = InkBounds();
  EXPECT_GE(ink.left, small.left);
  EXPECT_GE(ink.top, small.top);
  EXPECT_LE(ink.right, small.right);
  EXPECT_LE(ink.bottom, small.bottom);
}

TEST_F(TextTest, AmpersandIsAPrefixUnlessNoPrefix) {
  Draw("A&&B", kBox, TextFormat::SingleLine | TextFormat::NoPrefix);
  const int literal = Width(InkBounds());
  m_image.fill(Qt::white);
  Draw("A&&B", kBox, TextFormat::SingleLine);
  const int processed = Width(InkBounds());
  m_image.fill(Qt::white);
  Draw("A&B", kBox, TextFormat::SingleLine | TextFormat::NoPrefix);
  EXPECT_GT(literal, processed);             // "&&" shows one ampersand
  EXPECT_EQ(Width(InkBounds()), processed);  // the same as one literal "&"
}

TEST_F(TextTest, OpaqueBackgroundFillsBehindTheTextOnly) {
  Paint([](QtDeviceContext& dc) {
    dc.SetBackgroundColour(kRed);
    dc.DrawText("Level", kBox, TextFormat::SingleLine);
  });
  EXPECT_EQ(At(kBox.left, kBox.top), kRed);
  EXPECT_EQ(At(kBox.right - 1, kBox.bottom - 1), kWhite);
}

TEST_F(TextTest, ExtentFollowsTheSelectedFont) {
  Size small;
  Size large;
  Size wider;
  Paint([&](QtDeviceContext& dc) {
    dc.SelectFont({std::string(kFaceArial), 120});
    small = dc.GetTextExtent("Level");
    wider = dc.GetTextExtent("Level 10");
    SelectedFont font(dc, Font{std::string(kFaceArial), 240});
    large = dc.GetTextExtent("Level");
  });
  EXPECT_GE(small.cy, 16);  // at least the 16-pixel character height
  EXPECT_LE(small.cy, 20);
  EXPECT_GT(wider.cx, small.cx);
  EXPECT_NEAR(large.cx, 2 * small.cx, 2);
  EXPECT_NEAR(large.cy, 2 * small.cy, 2);
}

TEST_F(TextTest, JustificationSpreadsExtraPixelsOverTheSpaces) {
  int width = 0;
  Paint([&](QtDeviceContext& dc) {
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    width = dc.GetTextExtent("ab cd ef").cx;
    dc.TextOut({10, 10}, "ab cd ef");
    dc.JustifiedTextOut({10, 40}, "ab cd ef", 30);
  });
  const auto row_ink = [this](int top, int bottom) {
    Rect ink{200, 0, 0, 0};
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 200; ++x)
        if (At(x, y) != kWhite) ink = {std::min(ink.left, x), 0, std::max(ink.right, x + 1), 0};
    return ink;
  };
  const Rect plain = row_ink(10, 40);
  const Rect justified = row_ink(40, 80);
  EXPECT_LE(plain.right, 10 + width + 1);
  EXPECT_EQ(justified.left, plain.left);
  EXPECT_NEAR(justified.right, plain.right + 30, 1);  // glyphs sit on fractional pixels
}

}  // namespace
}  // namespace korvix
