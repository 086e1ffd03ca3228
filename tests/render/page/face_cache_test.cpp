#include <QImage>
#include <QRegion>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "page_fixture.h"
#include "qtdraw/qt_device_context.h"

namespace korvix {
namespace {

// Controls held the way a test says, for every index.
class HeldControls final : public ControlRunStates {
public:
  bool PushButtonDown(int) const override { return false; }
  bool ButtonArrayRunning(int) const override { return false; }
  std::optional<RockerHalf> HeldRockerHalf(int) const override { return std::nullopt; }
  std::optional<CounterButton> HeldCounterButton(int) const override { return std::nullopt; }
  std::optional<TimerButton> HeldTimerButton(int) const override { return std::nullopt; }
  PIControllerReadings PIControllerReadingsOf(int) const override { return {setpoint, output, pressed}; }

  std::string setpoint = "40";
  std::string output = "12.5";
  std::optional<PIStepButton> pressed;
};

// A page that keeps pictures of its objects against one that draws every
// object directly, both over the same project, view and controls.
class FaceCacheTest : public PageFixture, public ::testing::Test {
protected:
  static constexpr int kWidth = 480;
  static constexpr int kHeight = 320;

  // Both pages read m_held, made only after the fixture's page: it is
  // read at the first paint.
  FaceCacheTest() : PageFixture(PageRunSources{&m_held}) {
    m_window.clientrect = {0, 0, kWidth, kHeight};
    m_direct.m_faces = FaceCache(0);
  }

  static QImage Paint(PageView& page, std::optional<QRegion> area = std::nullopt, bool erase = true) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QtDeviceContext dc(image, area.value_or(QRegion(image.rect())));
    if (erase) page.OnEraseBkgnd(dc);
    page.OnDraw(dc);
    return image;
  }

  // A Dial Gauge over a Text Box and under a PI-Controller's corner, so
  // that pictures are cut by the objects above and cover those below.
  void BuildPage() {
    m_pi = Add(m_doc.m_picontrollers, 1, 0, 150, 100, "PI");
    m_doc.m_picontrollers[m_pi].valuetext = "38";
    m_dial = Add(m_doc.m_dialgauges, 1, 1, 60, 20, "Dial");
    m_doc.m_dialgauges[m_dial].valuetext = "42";
    const int box = Add(m_doc.m_textboxes, 1, 2, 20, 60, "Tank farm north");
    m_doc.m_textboxes[box].bgcolor = Rgb(255, 255, 200);
  }

  void ExpectSameAsDirect(const std::string& change) { EXPECT_EQ(Paint(m_page), Paint(m_direct)) << change; }

  HeldControls m_held;
  ObjectStates m_directobjects{m_doc, m_view};
  PageView m_direct{m_doc,           m_view,   m_window, [](const std::string&) { return std::nullopt; },
                    m_directobjects, {&m_held}};
  int m_dial = -1;
  int m_pi = -1;
};

struct Change {
  std::string name;
  std::function<void(CKorvixDoc&, ViewState&, HeldControls&, int dial, int pi)> apply;
};

// One change of each thing a picture depends on; after each the kept
// pictures must give exactly the page that drawing afresh gives.
TEST_F(FaceCacheTest, EveryChangeOfWhatAPictureShowsIsDrawnAfresh) {
  BuildPage();
  const std::vector<Change> changes{
      {"dial title", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].title = "Flow"; }},
      {"dial value", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].valuetext = "150"; }},
      {"dial colour", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].gaugecolor = 0x0000FF; }},
      {"dial scale end", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].scaleend = "500"; }},
      {"dial scale start", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].scalestart = "-50"; }},
      {"dial warning", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].warnlevel = "120"; }},
      {"dial ticks", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].tickmarks = 5; }},
      {"dial submarks", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].submarks = 1; }},
      {"dial labels", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].showvalues = 0; }},
      {"dial size code", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].sizecode = 22; }},
      {"dial width", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].widthfactor = 7; }},
      {"dial height", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].heightfactor = 4; }},
      {"dial place", [](auto& d, auto&, auto&, int g, int) { d.m_dialgauges[g].x += 13; }},
      {"pi title", [](auto& d, auto&, auto&, int, int p) { d.m_picontrollers[p].title = "Heater"; }},
      {"pi value", [](auto& d, auto&, auto&, int, int p) { d.m_picontrollers[p].valuetext = "39.5"; }},
      {"pi kp", [](auto& d, auto&, auto&, int, int p) { d.m_picontrollers[p].kptext = "2.5"; }},
      {"pi ki", [](auto& d, auto&, auto&, int, int p) { d.m_picontrollers[p].kitext = "0.75"; }},
      {"pi size code", [](auto& d, auto&, auto&, int, int p) { d.m_picontrollers[p].sizecode = 20; }},
      {"pi width", [](auto& d, auto&, auto&, int, int p) { d.m_picontrollers[p].widthfactor = 16; }},
      {"pi text colour", [](auto& d, auto&, auto&, int, int p) { d.m_picontrollers[p].textcolor = 0xFF0000; }},
      {"pi height", [](auto& d, auto&, auto&, int, int p) { d.m_picontrollers[p].heightfactor = 6; }},
      {"pi set point", [](auto&, auto&, auto& h, int, int) { h.setpoint = "45"; }},
      {"pi output", [](auto&, auto&, auto& h, int, int) { h.output = "-3"; }},
      {"pi held button", [](auto&, auto&, auto& h, int, int) { h.pressed = PIStepButton::KiDown; }},
      {"page colour", [](auto& d, auto&, auto&, int, int) { d.m_pages[1].bgcolor = Rgb(200, 220, 240); }},
      {"font factor", [](auto&, auto& v, auto&, int, int) { v.SetFontFactor(2); }},
  };
  ExpectSameAsDirect("first paint");
  for (const Change& change : changes) {
    change.apply(m_doc, m_view, m_held, m_dial, m_pi);
    ExpectSameAsDirect(change.name);
  }
  EXPECT_GT(m_page.m_faces.Count(), 0u);
  EXPECT_EQ(m_direct.m_faces.Count(), 0u);
}

// A delivered value repaints only the gauge's rectangle without erasing;
// the page must end as a whole repaint would draw it.
TEST_F(FaceCacheTest, AValueRepaintWithoutErasingEndsAsTheWholePage) {
  BuildPage();
  Paint(m_page);
  const Rect rect = m_page.m_geometry.ObjectRectDialGauge(m_dial);
  QImage image = Paint(m_page);
  m_doc.m_dialgauges[m_dial].valuetext = "160";
  {
    QtDeviceContext dc(image, QRegion(rect.left, rect.top, Width(rect), Height(rect)));
    m_page.OnDraw(dc);
  }
  EXPECT_EQ(image, Paint(m_direct));
}

// A value that is new at every paint is drawn directly: no picture is made
// for it, so the budget is not filled with its past values. One that comes
// round again is kept.
TEST_F(FaceCacheTest, OnlyADrawingThatComesRoundAgainIsKept) {
  BuildPage();
  Paint(m_page);
  Paint(m_page);
  const std::size_t settled = m_page.m_faces.Count();
  for (int value = 0; value < 20; ++value) {
    m_doc.m_dialgauges[m_dial].valuetext = std::to_string(value);
    EXPECT_EQ(Paint(m_page), Paint(m_direct)) << value;
  }
  EXPECT_EQ(m_page.m_faces.Count(), settled);
  Paint(m_page);
  EXPECT_EQ(m_page.m_faces.Count(), settled + 1);
}

// 2000 objects of the costly kinds at Font Size X 3 cover the page many
// times over: the pictures stay within the budget, those that do not fit
// are drawn directly, and the page is the same.
TEST_F(FaceCacheTest, APageOfTwoThousandObjectsStaysWithinTheBudget) {
  constexpr std::size_t kBudget = std::size_t{4} << 20;
  m_page.m_faces = FaceCache(kBudget);
  m_view.SetFontFactor(3);
  for (int n = 0; n < 2000; ++n) {
    const int x = (n * 37) % kWidth / 3;
    const int y = (n * 53) % kHeight / 3;
    switch (n % 4) {
      case 0: m_doc.m_dialgauges[Add(m_doc.m_dialgauges, 1, n, x, y)].valuetext = std::to_string(n % 200); break;
      case 1: Add(m_doc.m_levelgauges, 1, n, x, y); break;
      case 2: Add(m_doc.m_rockerswitches, 1, n, x, y); break;
      default: Add(m_doc.m_picontrollers, 1, n, x, y); break;
    }
  }
  const QImage direct = Paint(m_direct);
  EXPECT_EQ(Paint(m_page), direct);
  EXPECT_EQ(Paint(m_page), direct);
  EXPECT_GT(m_page.m_faces.Count(), 0u);
  EXPECT_LE(m_page.m_faces.Bytes(), kBudget);
}

}  // namespace
}  // namespace korvix
