#include <QImage>
#include <QRegion>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "page_fixture.h"
#include "qtdraw/qt_device_context.h"
#include "render/controls/button_array.h"
#include "render/controls/push_button.h"
#include "render/value_windows.h"

namespace korvix {
namespace {

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);
constexpr Colour kGreen = Rgb(0, 160, 0);
constexpr Colour kWhite = Grey(255);
constexpr Colour kBlack = Grey(0);

QRgb ToQRgb(Colour c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

class PagePixelTest : public PageFixture, public ::testing::Test {
protected:
  PagePixelTest() : m_image(400, 300, QImage::Format_RGB32) {
    m_image.fill(Qt::black);
    m_window.clientrect = {0, 0, m_image.width(), m_image.height()};
  }

  // What the window does for a paint of the area.
  void Paint(const QRegion& area, PageView& page) {
    QtDeviceContext dc(m_image, area);
    page.OnEraseBkgnd(dc);
    page.OnDraw(dc);
  }
  void Paint(const QRegion& area) { Paint(area, m_page); }
  void Paint() { Paint(QRegion(m_image.rect())); }

  Colour At(int x, int y) const {
    const QRgb pixel = m_image.pixel(x, y);
    return Rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
  }

  // Pixels of colour inside rect.
  int Count(const Rect& rect, Colour colour) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x) count += At(x, y) == colour ? 1 : 0;
    return count;
  }

  int AddFilledBox(int stacknum, int x, int y, double widthfactor, double heightfactor, Colour fill) {
    const int box = Add(m_doc.m_textboxes, 1, stacknum, x, y, "");
    TextBoxRecord& r = m_doc.m_textboxes[box];
    r.widthfactor = widthfactor;
    r.heightfactor = heightfactor;
    r.borderwidth = 0;
    r.bgcolor = static_cast<int>(fill);
    return box;
  }

  static Bitmap Filled(int width, int height, const std::function<Colour(int, int)>& colour) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) pixels.push_back(ToQRgb(colour(x, y)));
    return Bitmap(width, height, std::move(pixels));
  }

  QImage m_image;
};

TEST_F(PagePixelTest, OfTwoOverlappingObjectsTheHigherStackingNumberIsWhole) {
  const int back = AddFilledBox(0, 20, 20, 10, 2, kBlue);
  const int front = AddFilledBox(1, 100, 60, 10, 2, kRed);
  Paint();
  const Rect backrect = m_page.m_geometry.ObjectRectTextBox(back);
  const Rect frontrect = m_page.m_geometry.ObjectRectTextBox(front);
  EXPECT_EQ(Count(frontrect, kRed), Width(frontrect) * Height(frontrect));
  EXPECT_EQ(At(backrect.left + 5, backrect.top + 5), kBlue);
  EXPECT_EQ(At(frontrect.left, backrect.bottom - 1), kRed);
  EXPECT_EQ(At(backrect.right + 1, backrect.top), kWhite);  // the page colour

  // Swapping the stacking numbers brings the other one in front.
  m_doc.m_textboxes[back].stacknum = 1;
  m_doc.m_textboxes[front].stacknum = 0;
  Paint();
  EXPECT_EQ(Count(backrect, kBlue), Width(backrect) * Height(backrect));
  EXPECT_EQ(At(frontrect.right - 5, frontrect.bottom - 5), kRed);
}

TEST_F(PagePixelTest, TheCornersOfARoundObjectShowWhatLiesBehindIt) {
  const int dial = Add(m_doc.m_dialgauges, 1, 1, 40, 40, "Dial1");
  AddFilledBox(0, 20, 20, 20, 7, kBlue);
  Paint();
  const Rect rect = m_page.m_geometry.ObjectRectDialGauge(dial);
  EXPECT_EQ(At(rect.left + 1, rect.top + 1), kBlue);
  EXPECT_EQ(At(rect.right - 2, rect.bottom - 2), kBlue);
  EXPECT_NE(At((rect.left + rect.right) / 2, rect.top + 10), kBlue);
}

TEST_F(PagePixelTest, ABitmapSmallerThanTheClientAreaLeavesThePageColourAndScrollsWithThePage) {
  m_doc.m_pages[1].bgcolor = static_cast<int>(kGreen);
  m_doc.m_pages[1].bgbitmapfile = "back.bmp";
  // The left 100 columns red, the rest blue.
  bitmaps.emplace("back.bmp", Filled(250, 120, [](int x, int) { return x < 100 ? kRed : kBlue; }));
  const int box = AddFilledBox(0, 20, 20, 5, 1, kWhite);
  Paint();
  EXPECT_EQ(At(0, 0), kRed);
  EXPECT_EQ(At(249, 119), kBlue);
  EXPECT_EQ(At(250, 50), kGreen);
  EXPECT_EQ(At(50, 120), kGreen);
  EXPECT_EQ(At(399, 299), kGreen);
  // No object is painted over by the bitmap.
  const Rect rect = m_page.m_geometry.ObjectRectTextBox(box);
  EXPECT_EQ(Count(rect, kWhite), Width(rect) * Height(rect));

  m_view.m_scrollx = 100;
  Paint();
  EXPECT_EQ(Count({0, 0, 150, 120}, kRed), 0);
  EXPECT_EQ(At(0, 0), kBlue);
  EXPECT_EQ(At(149, 60), kBlue);
  EXPECT_EQ(At(150, 60), kGreen);
}

TEST_F(PagePixelTest, AJustifiedWordWiderThanTheBoxIsCutAtTheBoxNotBroken) {
  const int box = AddFilledBox(0, 20, 20, 5, 3, kWhite);
  TextBoxRecord& r = m_doc.m_textboxes[box];
  r.alignment = 3;
  r.text = "Thermocouples";
  r.fontcolor = static_cast<int>(kBlack);
  Paint();
  const Rect rect = m_page.m_geometry.ObjectRectTextBox(box);
  const Rect inner = Inflated(rect, -8, -8);  // half a 16-pixel cell
  QtDeviceContext measure(m_image);
  measure.SelectFont({"Arial", 28 * 6});
  const Size line = measure.GetTextExtent("Thermocouples");
  ASSERT_GT(line.cx, Width(inner));

  // Ink on the first line right up to the box edge, none below it, none
  // beyond the box.
  int inkright = 0;
  int inkbottom = 0;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      if (At(x, y) != kWhite) {
        inkright = std::max(inkright, x + 1);
        inkbottom = std::max(inkbottom, y + 1);
        EXPECT_TRUE(x >= inner.left && x < inner.right) << x << "," << y;
      }
  EXPECT_GE(inkright, inner.right - 3);
  EXPECT_LE(inkbottom, inner.top + line.cy);
  EXPECT_EQ(Count({rect.right, rect.top, rect.right + 40, rect.bottom}, kBlack), 0);
}

TEST_F(PagePixelTest, AStretchedLineEndsAtTheRightEdgeOfTheBox) {
  const int box = AddFilledBox(0, 10, 10, 15, 3, kWhite);
  TextBoxRecord& r = m_doc.m_textboxes[box];
  r.alignment = 3;
  r.text = "in line one one a b c then more words";
  r.fontcolor = static_cast<int>(kBlack);
  Paint();
  const Rect inner = Inflated(m_page.m_geometry.ObjectRectTextBox(box), -8, -8);
  QtDeviceContext measure(m_image);
  measure.SelectFont({"Arial", 28 * 6});
  const int lineheight = measure.GetTextExtent(" ").cy;
  int firstlineright = 0;
  for (int y = inner.top; y < inner.top + lineheight; ++y)
    for (int x = inner.left; x < inner.right; ++x)
      if (At(x, y) != kWhite) firstlineright = std::max(firstlineright, x + 1);
  EXPECT_GE(firstlineright, inner.right - 3);
}

TEST_F(PagePixelTest, ANarrowImageBoxShowsTheWordAtTheLargestSizeThatFits) {
  const int image = Add(m_doc.m_imageboxes, 1, 0, 10, 10, "");
  m_doc.m_imageboxes[image].width = 36;
  m_doc.m_imageboxes[image].height = 40;
  m_doc.m_imageboxes[image].borderwidth = 0;
  Paint();
  const Rect rect = m_page.m_geometry.ObjectRectImageBox(image);

  // The same word drawn by hand at the size the box should have chosen.
  QImage expected(m_image.size(), QImage::Format_RGB32);
  expected.fill(Qt::white);
  {
    QtDeviceContext dc(expected);
    Font font{"Arial", 120};
    dc.SelectFont(font);
    while (dc.GetTextExtent(" Image ").cx > Width(rect)) {
      --font.pointtenths;
      dc.SelectFont(font);
    }
    ASSERT_LT(font.pointtenths, 120);
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    dc.DrawText("Image", rect, TextFormat::Centre | TextFormat::VCentre | TextFormat::SingleLine);
  }
  EXPECT_EQ(m_image.copy(rect.left, rect.top, Width(rect), Height(rect)),
            expected.copy(rect.left, rect.top, Width(rect), Height(rect)));
  EXPECT_LT(Count(rect, kWhite), Width(rect) * Height(rect));
}

TEST_F(PagePixelTest, RepaintingADataWindowsValueAreaGivesTheSamePictureAsAFullPaint) {
  const int data = Add(m_doc.m_datawindows, 1, 0, 10, 10, "Data1");
  AddFilledBox(1, 60, 50, 10, 1, kRed);  // over part of the value box
  m_doc.m_datawindows[data].valuetext = "12.5";
  Paint();
  m_doc.m_datawindows[data].valuetext = "987.25";
  QImage before = m_image;
  Paint(QRegion());
  ASSERT_EQ(m_image, before);  // nothing invalid, nothing painted

  const Rect value = ValueAreaDataWindow(m_doc, m_view, m_page.m_geometry, data);
  Paint(QRegion(value.left, value.top, Width(value), Height(value)));
  const QImage partial = m_image;
  Paint();
  EXPECT_EQ(partial, m_image);
  EXPECT_NE(partial, before);
}

TEST_F(PagePixelTest, DataWindowFramesAreRaisedAroundASunkenValueBox) {
  const int data = Add(m_doc.m_datawindows, 1, 0, 10, 10, "Data1");
  m_doc.m_datawindows[data].runcolor2 = static_cast<int>(kWhite);
  Paint();
  const Rect object = m_page.m_geometry.ObjectRectDataWindow(data);
  const Rect value = ValueAreaDataWindow(m_doc, m_view, m_page.m_geometry, data);
  EXPECT_EQ(At(object.left, object.bottom - 2), Grey(255));   // raised: light at the left
  EXPECT_EQ(At(object.right - 1, object.top + 2), Grey(51));  // dark at the right
  EXPECT_EQ(At(value.left, value.bottom - 3), Grey(102));     // sunken: dark at the left
  EXPECT_EQ(At(value.right - 1, value.top + 3), Grey(204));
  EXPECT_EQ(At(value.left + 4, (value.top + value.bottom) / 2), kWhite);
  EXPECT_EQ(At(object.left + 3, object.top + 3), Grey(153));
}

// Controls as the operator holds them while the Run-Loop runs.
class HeldControls final : public ControlRunStates {
public:
  bool PushButtonDown(int) const override { return true; }
  bool ButtonArrayRunning(int) const override { return true; }
  std::optional<RockerHalf> HeldRockerHalf(int) const override { return RockerHalf::Lower; }
  std::optional<CounterButton> HeldCounterButton(int) const override { return CounterButton::Down; }
  std::optional<TimerButton> HeldTimerButton(int) const override { return TimerButton::Reset; }
  PIControllerReadings PIControllerReadingsOf(int) const override { return {"7", "1.5", PIStepButton::KiUp}; }
};

TEST_F(PagePixelTest, ControlsAreDrawnAsTheRunStatesHoldThem) {
  m_image = QImage(700, 500, QImage::Format_RGB32);
  m_window.clientrect = {0, 0, m_image.width(), m_image.height()};
  Add(m_doc.m_pushbuttons, 1, 0, 10, 10, "Push");
  Add(m_doc.m_buttonarrays, 1, 0, 10, 80, "Array");
  Add(m_doc.m_rockerswitches, 1, 0, 10, 160, "Rocker");
  Add(m_doc.m_eventcounters, 1, 0, 320, 10, "Counter");
  m_doc.m_eventcounters[0].manualbuttons = 1;
  Add(m_doc.m_eventtimers, 1, 0, 320, 100, "Timer");
  m_doc.m_eventtimers[0].manualbuttons = 1;
  Add(m_doc.m_picontrollers, 1, 0, 320, 200, "PI");
  HeldControls held;
  PageView heldpage{m_doc, m_view, m_window, [](const std::string&) { return std::nullopt; }, m_objects, {&held}};
  Paint(QRegion(m_image.rect()), heldpage);
  const QImage painted = m_image;

  // Each control drawn on its own in the held state on an empty page.
  Paint();
  QImage expected(m_image.size(), QImage::Format_RGB32);
  {
    QtDeviceContext dc(expected);
    m_page.OnEraseBkgnd(dc);
    DrawingContext context{dc, m_doc, m_view, m_page.m_geometry, m_page.m_runstates};
    DrawPushButton(context, 0, true);
    DrawButtonArray(context, 0, true);
    DrawRockerSwitch(context, 0, RockerHalf::Lower);
    DrawEventCounter(context, 0, CounterButton::Down);
    DrawEventTimer(context, 0, TimerButton::Reset);
    DrawPIController(context, 0, held.PIControllerReadingsOf(0));
  }
  const std::vector<std::pair<const char*, Rect>> rects{{"push button", m_page.m_geometry.ObjectRectPushButton(0)},
                                                        {"button array", m_page.m_geometry.ObjectRectButtonArray(0)},
                                                        {"rocker switch", m_page.m_geometry.ObjectRectRockerSwitch(0)},
                                                        {"event counter", m_page.m_geometry.ObjectRectEventCounter(0)},
                                                        {"event timer", m_page.m_geometry.ObjectRectEventTimer(0)},
                                                        {"PI-Controller", m_page.m_geometry.ObjectRectPIController(0)}};
  for (const auto& [name, rect] : rects) {
    const QRect area(rect.left, rect.top, Width(rect), Height(rect));
    EXPECT_EQ(painted.copy(area), expected.copy(area)) << name;
    EXPECT_NE(painted.copy(area), m_image.copy(area)) << name << " looks at rest";
  }
}

}  // namespace
}  // namespace korvix
