#include <gtest/gtest.h>

#include <QImage>

#include "gauge_kinds.h"
#include "qtdraw/testing/reference_image.h"

namespace korvix {
namespace {

// Fonts rasterise a little differently from one machine to the next: a pixel
// counts as changed only when a channel moves by more than 48, and 1 % of
// changed pixels passes.
constexpr ReferenceTolerance kTolerance{48, 0, 0.01};

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

TEST(GaugeReferenceTest, OneObjectOfEveryKindLooksAsItsReference) {
  ExpectLooksLikeReference(DrawPage(), kReference, kTolerance);
}

}  // namespace
}  // namespace korvix
