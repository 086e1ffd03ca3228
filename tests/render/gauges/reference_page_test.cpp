#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <string>

#include "gauge_kinds.h"

namespace korvix {
namespace {

// Fonts rasterise a little differently from one machine to the next: a pixel
// counts as changed only when a channel moves by more than this, and a small
// share of changed pixels passes.
constexpr int kChannelTolerance = 48;
constexpr double kChangedShare = 0.01;

const char* const kReference = KORVIX_GAUGE_DATA_DIR "/gauges_page.png";

// Where each kind sits on the page, in unzoomed units, in AllGaugeKinds order.
constexpr Point kPlaces[] = {{10, 10}, {90, 10}, {350, 10}, {610, 10}, {350, 150}, {10, 270}, {270, 270}, {530, 270}};

QImage DrawPage() {
  GaugeCanvas canvas(1, 790, 530);
  const auto kinds = AllGaugeKinds();
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    const int index = kinds[k].add(canvas, kPlaces[k].x, kPlaces[k].y);
    kinds[k].setvalue(canvas, index, "63");
    kinds[k].forget(canvas, index);
    canvas.Draw([&](DrawingContext& c) { kinds[k].draw(canvas, c, index); });
  }
  return canvas.m_image;
}

int ChangedPixels(const QImage& a, const QImage& b) {
  int changed = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      if (std::abs(qRed(p) - qRed(q)) > kChannelTolerance || std::abs(qGreen(p) - qGreen(q)) > kChannelTolerance ||
          std::abs(qBlue(p) - qBlue(q)) > kChannelTolerance)
        ++changed;
    }
  }
  return changed;
}

// KORVIX_UPDATE_REFERENCES=1 writes the reference instead of comparing.
TEST(GaugeReferenceTest, OneObjectOfEveryKindLooksAsItsReference) {
  const QImage page = DrawPage();
  if (std::getenv("KORVIX_UPDATE_REFERENCES") != nullptr) {
    ASSERT_TRUE(page.save(kReference));
    GTEST_SKIP() << "reference written";
  }
  QImage reference(kReference);
  ASSERT_FALSE(reference.isNull()) << kReference;
  reference = reference.convertToFormat(page.format());
  ASSERT_EQ(reference.size(), page.size());
  EXPECT_LE(ChangedPixels(page, reference), static_cast<int>(kChangedShare * page.width() * page.height()));
}

}  // namespace
}  // namespace korvix
