// Painting a full-screen page of 200 boxes and windows at Font Size X 1 and
// X 3, and the repaint after one Data Window's value changed, on the
// offscreen platform.
#include <QGuiApplication>
#include <QImage>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "qtdraw/qt_device_context.h"
#include "render/page_view.h"
#include "render/value_windows.h"

namespace {

using namespace korvix;

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kColumns = 10;
constexpr int kRows = 20;
constexpr int kSmallCode = 16;

class ScreenWindow final : public ViewWindow {
public:
  Rect ClientRect() const override { return {0, 0, kScreenWidth, kScreenHeight}; }
  void InvalidateRect(const Rect&, bool) override {}
  void SetCursor(Cursor) override {}
  void SetScrollExtent(Size) override {}
};

Bitmap Picture() {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < 44; ++y)
    for (int x = 0; x < 60; ++x)
      pixels.push_back(0xFF000000u | static_cast<std::uint32_t>((x * 4) << 16 | (y * 5) << 8 | 0x60));
  return Bitmap(60, 44, std::move(pixels));
}

// Ten columns by twenty rows of the five kinds in turn, some overlapping
// their neighbours; returns the index of a Data Window in the middle.
int BuildPage(CKorvixDoc& doc) {
  doc.m_pages.Add();
  int stack = 0;
  int middle = -1;
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const int x = column * 190 + (row % 2) * 20;
      const int y = row * 54;
      const auto place = [&](auto& list, auto&& setup) {
        typename std::remove_reference_t<decltype(list)>::value_type r;
        r.x = x;
        r.y = y;
        r.stacknum = stack++;
        if constexpr (requires { r.sizecode; }) r.sizecode = kSmallCode;
        setup(r);
        return list.Add(std::move(r));
      };
      switch ((row * kColumns + column) % 5) {
        case 0:
          place(doc.m_textboxes, [&](TextBoxRecord& r) {
            r.alignment = column % 4;
            r.text = "Tank level north, pump two and the outflow valve";
            r.heightfactor = 1.8;
          });
          break;
        case 1:
          place(doc.m_imageboxes, [&](ImageBoxRecord& r) {
            r.width = 64;
            r.height = 48;
            if (column % 2 == 0) r.bitmapfile = "picture.bmp";
          });
          break;
        case 2: {
          const int i = place(doc.m_datawindows, [&](DataWindowRecord& r) { r.valuetext = "1234.5"; });
          if (row == kRows / 2) middle = i;
          break;
        }
        case 3:
          place(doc.m_textwindows, [&](TextWindowRecord& r) {
            r.valuetext = "Running";
            r.prefix = "Pump";
            r.suffix = "on";
          });
          break;
        default:
          place(doc.m_inputwindows, [&](InputWindowRecord& r) { r.valuetext = "42"; });
          break;
      }
    }
  }
  doc.m_pages[1].objectcount = stack;
  return middle;
}

struct Screen {
  explicit Screen(int factor)
      : page(doc, view, window, [](const std::string&) -> std::optional<Bitmap> { return Picture(); }) {
    view.SetFontFactor(factor);
    middle = BuildPage(doc);
  }

  void Paint(const QRegion& area) {
    QtDeviceContext dc(image, area);
    page.OnEraseBkgnd(dc);
    page.OnDraw(dc);
  }

  CKorvixDoc doc;
  ViewState view;
  ScreenWindow window;
  PageView page;
  QImage image{kScreenWidth, kScreenHeight, QImage::Format_RGB32};
  int middle = -1;
};

void FullPage(benchmark::State& state) {
  Screen screen(static_cast<int>(state.range(0)));
  const QRegion all(0, 0, kScreenWidth, kScreenHeight);
  for (auto _ : state) {
    screen.Paint(all);
    benchmark::ClobberMemory();
  }
}

void OneValueUpdate(benchmark::State& state) {
  Screen screen(1);
  screen.Paint(QRegion(0, 0, kScreenWidth, kScreenHeight));
  const Rect value = ValueAreaDataWindow(screen.doc, screen.view, screen.page.m_geometry, screen.middle);
  const QRegion area(value.left, value.top, Width(value), Height(value));
  bool flip = false;
  for (auto _ : state) {
    screen.doc.m_datawindows[screen.middle].valuetext = (flip = !flip) ? "987.65" : "1234.5";
    screen.Paint(area);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(FullPage)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(OneValueUpdate)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
