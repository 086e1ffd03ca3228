#include <gtest/gtest.h>

#include <map>

#include "render/bitmap_cache.h"

namespace korvix {
namespace {

TEST(BitmapCache, EachFileIsReadOnceUntilItIsForgotten) {
  std::map<std::string, int> reads;
  BitmapCache cache([&](const std::string& file) -> std::optional<Bitmap> {
    ++reads[file];
    if (file == "gone.bmp") return std::nullopt;
    return Bitmap(1, 1, {0});
  });

  for (int i = 0; i < 2; ++i) {
    EXPECT_NE(cache.Get("a.bmp"), nullptr);
    EXPECT_EQ(cache.Get("gone.bmp"), nullptr);
  }
  cache.Forget("gone.bmp");
  cache.Forget("never.bmp");
  EXPECT_NE(cache.Get("a.bmp"), nullptr);
  EXPECT_EQ(cache.Get("gone.bmp"), nullptr);

  EXPECT_EQ(reads, (std::map<std::string, int>{{"a.bmp", 1}, {"gone.bmp", 2}}));
}

}  // namespace
}  // namespace korvix
