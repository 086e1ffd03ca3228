#pragma once

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "render/rect.h"

namespace korvix {

// How far a drawn picture may stray from its reference. Text rasterises a
// little differently from one machine to the next, so a pixel differs only
// when one of its channels moves by more than `channel`; inside `exact`,
// which holds no text, it differs when it moves at all. The picture passes
// while no pixel of `exact` differs and at most `pixels` plus `share` of
// all its pixels do elsewhere.
struct ReferenceTolerance {
  int channel = 0;
  int pixels = 0;
  double share = 0.0;
  Rect exact{};
};

struct ReferenceDifference {
  int exact = 0;      // differing pixels inside the exact area
  int elsewhere = 0;  // and outside it
};

inline ReferenceDifference CompareWithReference(const QImage& image, const QImage& reference,
                                                const ReferenceTolerance& tolerance) {
  const QImage other = reference.convertToFormat(image.format());
  const auto differs = [](QRgb p, QRgb q, int by) {
    return std::abs(qRed(p) - qRed(q)) > by || std::abs(qGreen(p) - qGreen(q)) > by ||
           std::abs(qBlue(p) - qBlue(q)) > by;
  };
  const Rect& exact = tolerance.exact;
  ReferenceDifference difference;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const bool inexact = x >= exact.left && x < exact.right && y >= exact.top && y < exact.bottom;
      if (differs(image.pixel(x, y), other.pixel(x, y), inexact ? 0 : tolerance.channel))
        ++(inexact ? difference.exact : difference.elsewhere);
    }
  return difference;
}

// Pictures of different sizes never look alike.
inline bool LooksLikeReference(const QImage& image, const QImage& reference, const ReferenceTolerance& tolerance) {
  if (image.size() != reference.size()) return false;
  const ReferenceDifference difference = CompareWithReference(image, reference, tolerance);
  const double allowed = tolerance.pixels + tolerance.share * image.width() * image.height();
  return difference.exact == 0 && difference.elsewhere <= allowed;
}

// Compares `image` with the picture in `file`. KORVIX_UPDATE_REFERENCE=1
// writes the file from `image` instead, after a deliberate change. A
// picture that does not pass is left in the temporary folder to look at.
inline void ExpectLooksLikeReference(const QImage& image, const std::filesystem::path& file,
                                     const ReferenceTolerance& tolerance) {
  if (std::getenv("KORVIX_UPDATE_REFERENCE") != nullptr) {
    ASSERT_TRUE(image.save(QString::fromStdString(file.string())));
    GTEST_SKIP() << "reference written to " << file;
  }
  const QImage reference(QString::fromStdString(file.string()));
  ASSERT_FALSE(reference.isNull()) << file;
  ASSERT_EQ(reference.size(), image.size()) << file;
  if (LooksLikeReference(image, reference, tolerance)) return;
  const ReferenceDifference difference = CompareWithReference(image, reference, tolerance);
  const std::filesystem::path actual = std::filesystem::temp_directory_path() / ("actual_" + file.filename().string());
  image.save(QString::fromStdString(actual.string()));
  ADD_FAILURE() << difference.exact << " pixels of the exact area and " << difference.elsewhere
                << " elsewhere differ from " << file << "; this run drew " << actual;
}

}  // namespace korvix
