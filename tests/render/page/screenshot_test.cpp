#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "page_fixture.h"
#include "qtdraw/bitmap_file.h"
#include "qtdraw/qt_device_context.h"
#include "qtdraw/testing/reference_image.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

const fs::path kDataFolder = KORVIX_PAGE_TEST_DATA;

// Font rasterisation differs a little between machines: a pixel counts as
// changed only when a channel moves by more than 48, and the picture as
// changed when more than 1.5 % of its pixels do.
constexpr ReferenceTolerance kTolerance{48, 0, 0.015};

// A page with every kind drawn here, overlapping, selected, over a
// background bitmap.
class ScreenshotTest : public PageFixture, public ::testing::Test {
protected:
  void BuildPage() {
    m_doc.m_pages[1].bgcolor = Rgb(230, 230, 240);
    m_doc.m_pages[1].bgbitmapfile = "probe.bmp";
    bitmaps.emplace("probe.bmp", *LoadBitmapFile((kDataFolder / "probe.bmp").string()));

    int n = 0;
    const int centred = Add(m_doc.m_textboxes, 1, n++, 70, 10, "Tank farm\r\nnorth");
    m_doc.m_textboxes[centred].heightfactor = 2.2;
    m_doc.m_textboxes[centred].widthfactor = 10;
    const int left = Add(m_doc.m_textboxes, 1, n++, 250, 10, "Left aligned text that wraps");
    m_doc.m_textboxes[left].alignment = 0;
    m_doc.m_textboxes[left].widthfactor = 9;
    m_doc.m_textboxes[left].heightfactor = 2.2;
    m_doc.m_textboxes[left].bgcolor = Rgb(255, 255, 200);
    const int justified =
        Add(m_doc.m_textboxes, 1, n++, 420, 10, "Justified lines spread their words to the edge of the box");
    m_doc.m_textboxes[justified].alignment = 3;
    m_doc.m_textboxes[justified].widthfactor = 13;
    m_doc.m_textboxes[justified].heightfactor = 3.3;
    m_doc.m_textboxes[justified].sizecode = 22;
    m_doc.m_textboxes[justified].borderwidth = 4;
    m_doc.m_textboxes[justified].bordercolor = Rgb(0, 0, 160);
    const int right = Add(m_doc.m_textboxes, 1, n++, 250, 120, "Right");
    m_doc.m_textboxes[right].alignment = 2;
    m_doc.m_textboxes[right].borderwidth = 0;
    m_doc.m_textboxes[right].widthfactor = 6;
    m_doc.m_textboxes[right].bgcolor = Rgb(200, 230, 255);

    const int picture = Add(m_doc.m_imageboxes, 1, n++, 10, 150);
    m_doc.m_imageboxes[picture].bitmapfile = "probe.bmp";
    m_doc.m_imageboxes[picture].width = 52;
    m_doc.m_imageboxes[picture].height = 36;
    Add(m_doc.m_imageboxes, 1, n++, 80, 150);

    const int data = Add(m_doc.m_datawindows, 1, n++, 10, 280, "Data1");
    m_doc.m_datawindows[data].valuetext = "123.45";
    const int message = Add(m_doc.m_textwindows, 1, n++, 200, 200, "Message1");
    m_doc.m_textwindows[message].valuetext = "Pump running";
    m_doc.m_textwindows[message].prefixwidth = 3;
    m_doc.m_textwindows[message].prefix = "P1";
    const int input = Add(m_doc.m_inputwindows, 1, n++, 300, 290, "Input1");
    m_page.m_inputwindowstates[input].editing = 1;
    m_page.m_inputwindowstates[input].edittext = "42.";

    // A selected round object over a box, and a selected Push Button.
    const int dial = Add(m_doc.m_dialgauges, 1, n++, 190, 110, "Dial1");
    m_doc.m_dialgauges[dial].widthfactor = 2;
    m_doc.m_dialgauges[dial].heightfactor = 2;
    m_page.m_runstates.At(ScreenObjectKind::DialGauge, dial).selected = 1;
    const int button = Add(m_doc.m_pushbuttons, 1, n++, 520, 150, "Start");
    m_page.m_runstates.At(ScreenObjectKind::PushButton, button).selected = 1;
    m_page.m_numselected = 2;
  }

  // One object of every kind, small, in a grid, with sample values.
  void BuildEveryKindPage() {
    int n = 0;
    const auto cell = [&n](int& x, int& y) {
      x = 10 + (n % 6) * 200;
      y = 10 + (n / 6) * 200;
    };
    const auto place = [&](auto& list, const std::string& label) {
      int x = 0;
      int y = 0;
      cell(x, y);
      const int i = Add(list, 1, n++, x, y, label);
      if constexpr (requires { list[i].valuetext; }) list[i].valuetext = "42";
      if constexpr (requires { list[i].sizecode; }) list[i].sizecode = 16;
      return i;
    };
    place(m_doc.m_textboxes, "Text Box");
    place(m_doc.m_imageboxes, "");
    place(m_doc.m_datawindows, "Data");
    place(m_doc.m_textwindows, "Text");
    place(m_doc.m_inputwindows, "Input");
    place(m_doc.m_levelgauges, "Level");
    place(m_doc.m_dialgauges, "Dial");
    place(m_doc.m_metergauges, "Meter");
    place(m_doc.m_vertgauges, "Vertical");
    place(m_doc.m_horzgauges, "Horizontal");
    place(m_doc.m_dualhandgauges, "Dual");
    place(m_doc.m_windvanes, "Wind");
    place(m_doc.m_pivottrackers, "Pivot");
    place(m_doc.m_signallamps, "Lamp");
    place(m_doc.m_eventcounters, "Counter");
    place(m_doc.m_eventtimers, "Timer");
    place(m_doc.m_pushbuttons, "Push");
    place(m_doc.m_buttonarrays, "Array");
    place(m_doc.m_rockerswitches, "Rocker");
    place(m_doc.m_slidercontrols, "Slider");
    place(m_doc.m_picontrollers, "PI");
    place(m_doc.m_chartrecorders, "Chart");
  }

  QImage Render(int width = 640, int height = 400) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    m_window.clientrect = {0, 0, image.width(), image.height()};
    QtDeviceContext dc(image);
    m_page.OnEraseBkgnd(dc);
    m_page.OnDraw(dc);
    return image;
  }
};

TEST_F(ScreenshotTest, BoxesAndWindowsPageLooksAsItsReference) {
  BuildPage();
  ExpectLooksLikeReference(Render(), kDataFolder / "boxes_page.png", kTolerance);
}

TEST_F(ScreenshotTest, APageOfEveryKindLooksAsItsReference) {
  BuildEveryKindPage();
  ExpectLooksLikeReference(Render(1200, 800), kDataFolder / "every_kind_page.png", kTolerance);
}

}  // namespace
}  // namespace korvix
