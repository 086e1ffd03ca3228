#include "qtdraw/bitmap_file.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstring>

namespace korvix {

BitmapRead ReadBitmapFile(const std::string& path) {
  QString name = QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
  name.replace(QLatin1Char('\\'), QLatin1Char('/'));
  QImageReader reader(name, "BMP");
  QImage image;
  if (!reader.read(&image)) {
    BitmapRead failed;
    failed.fault = reader.error() == QImageReader::FileNotFoundError ? BitmapFault::Missing : BitmapFault::NotBitmap;
    return failed;
  }
  image = image.convertToFormat(QImage::Format_RGB32);
  const int width = image.width();
  const int height = image.height();
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y)
    std::memcpy(pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width), image.constScanLine(y),
                static_cast<std::size_t>(width) * sizeof(std::uint32_t));
  return {Bitmap(width, height, std::move(pixels))};
}

std::optional<Bitmap> LoadBitmapFile(const std::string& path) { return ReadBitmapFile(path).bitmap; }

}  // namespace korvix
