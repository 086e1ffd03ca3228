#include "qtdraw/bitmap_file.h"

#include <QImage>
#include <QString>

#include <cstring>

namespace korvix {

std::optional<Bitmap> LoadBitmapFile(const std::string& path) {
  QImage image;
  if (!image.load(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())), "BMP"))
    return std::nullopt;
  image = image.convertToFormat(QImage::Format_RGB32);
  const int width = image.width();
  const int height = image.height();
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    std::memcpy(pixels.data() + static_cast<std::size_t>(y) * width, image.constScanLine(y),
                static_cast<std::size_t>(width) * sizeof(std::uint32_t));
  return Bitmap(width, height, std::move(pixels));
}

}  // namespace korvix
