#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "canvas.h"
#include "qtdraw/bitmap_file.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A palette-based .bmp: rows of colour-table indices, top row first in
// `rows`, stored bottom-up as the format wants.
std::vector<std::uint8_t> IndexedBmp(int bits, const std::vector<Colour>& palette,
                                     const std::vector<std::vector<int>>& rows) {
  const int width = static_cast<int>(rows.front().size());
  const int height = static_cast<int>(rows.size());
  const int stride = ((width * bits + 31) / 32) * 4;
  const auto tablebytes = static_cast<std::uint32_t>(palette.size() * 4);
  const std::uint32_t offset = 14 + 40 + tablebytes;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLe(out, offset + stride * height, 4);
  PutLe(out, 0, 4);
  PutLe(out, offset, 4);
  PutLe(out, 40, 4);
  PutLe(out, width, 4);
  PutLe(out, height, 4);
  PutLe(out, 1, 2);
  PutLe(out, bits, 2);
  PutLe(out, 0, 4);  // no compression
  PutLe(out, stride * height, 4);
  PutLe(out, 2835, 4);
  PutLe(out, 2835, 4);
  PutLe(out, static_cast<std::uint32_t>(palette.size()), 4);
  PutLe(out, 0, 4);
  for (const Colour c : palette) {
    out.push_back(static_cast<std::uint8_t>(BlueOf(c)));
    out.push_back(static_cast<std::uint8_t>(GreenOf(c)));
    out.push_back(static_cast<std::uint8_t>(RedOf(c)));
    out.push_back(0);
  }
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> line(stride, 0);
    for (int x = 0; x < width; ++x) {
      const int bit = x * bits;
      const int shift = 8 - bits - bit % 8;
      line[bit / 8] |= static_cast<std::uint8_t>(rows[y][x] << shift);
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

class BitmapFileTest : public Canvas {
protected:
  BitmapFileTest() { fs::create_directories(m_dir); }
  ~BitmapFileTest() override { fs::remove_all(m_dir); }

  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const fs::path path = m_dir / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }

  fs::path m_dir = fs::temp_directory_path() /
                   ("korvix_bitmap_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
};

const std::vector<Colour> kPalette = {Rgb(255, 0, 0), Rgb(0, 128, 0), Rgb(0, 0, 255), Grey(7)};

TEST_F(BitmapFileTest, PaletteBitmapsLoadWithTheirColourTablesTopRowFirst) {
  struct Case {
    int bits;
    std::vector<std::vector<int>> rows;
  };
  const std::vector<Case> cases = {
      {8, {{0, 1, 2}, {3, 2, 1}}},
      {4, {{3, 0, 1, 2, 0}, {1, 1, 3, 0, 2}}},
      {1, {{1, 0, 0, 1, 1, 0, 1, 0, 1}, {0, 1, 1, 0, 0, 1, 0, 1, 0}}},
  };
  for (const Case& c : cases) {
    const std::vector<Colour> palette(kPalette.begin(), kPalette.begin() + (c.bits == 1 ? 2 : 4));
    const auto bitmap = LoadBitmapFile(Write("p.bmp", IndexedBmp(c.bits, palette, c.rows)));
    ASSERT_TRUE(bitmap.has_value()) << c.bits;
    ASSERT_EQ(bitmap->Width(), static_cast<int>(c.rows.front().size()));
    ASSERT_EQ(bitmap->Height(), 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < bitmap->Width(); ++x)
        EXPECT_EQ(bitmap->ColourAt(x, y), palette[c.rows[y][x]]) << c.bits << " bits at " << x << "," << y;
  }
}

TEST_F(BitmapFileTest, MissingOrUnreadableFilesGiveNoBitmap) {
  std::vector<std::uint8_t> truncated = IndexedBmp(8, kPalette, {{0, 1, 2}, {3, 2, 1}});
  truncated.resize(30);
  const std::string text = "not a bitmap at all";
  EXPECT_FALSE(LoadBitmapFile((m_dir / "absent.bmp").string()).has_value());
  EXPECT_FALSE(LoadBitmapFile(Write("cut.bmp", truncated)).has_value());
  EXPECT_FALSE(LoadBitmapFile(Write("text.bmp", {text.begin(), text.end()})).has_value());
  EXPECT_FALSE(LoadBitmapFile(Write("empty.bmp", {})).has_value());
}

TEST_F(BitmapFileTest, AFailedReadTellsAMissingFileFromAnUnreadableOne) {
  const std::string text = "not a bitmap at all";
  EXPECT_EQ(ReadBitmapFile((m_dir / "absent.bmp").string()).fault, BitmapFault::Missing);
  EXPECT_EQ(ReadBitmapFile(Write("bad.bmp", {text.begin(), text.end()})).fault, BitmapFault::NotBitmap);
  EXPECT_EQ(ReadBitmapFile(Write("empty.bmp", {})).fault, BitmapFault::NotBitmap);
}

TEST_F(BitmapFileTest, BackslashesSeparateFoldersAsSlashesDo) {
  fs::create_directory(m_dir / "pictures");
  Write("pictures/p.bmp", IndexedBmp(8, kPalette, {{0, 1, 2}}));
  const BitmapRead read = ReadBitmapFile(m_dir.string() + "\\pictures\\p.bmp");
  ASSERT_TRUE(read.bitmap.has_value());
  EXPECT_EQ(read.bitmap->Width(), 3);
}

TEST_F(BitmapFileTest, BitmapIsDrawnUnscaledAtItsOriginInsideTheClipRegion) {
  const auto bitmap = LoadBitmapFile(Write("p.bmp", IndexedBmp(8, kPalette, {{0, 1, 2}, {3, 2, 1}})));
  ASSERT_TRUE(bitmap.has_value());
  Paint([&](QtDeviceContext& dc) {
    dc.ExcludeClipRect({12, 0, 13, 48});
    dc.DrawBitmap(*bitmap, {10, 20});
  });
  EXPECT_EQ(InkBounds(), (Rect{10, 20, 12, 22}));
  EXPECT_EQ(At(10, 20), kPalette[0]);
  EXPECT_EQ(At(11, 20), kPalette[1]);
  EXPECT_EQ(At(10, 21), kPalette[3]);
}

}  // namespace
}  // namespace korvix
