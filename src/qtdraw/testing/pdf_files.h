#pragma once

#include <QPrinter>
#include <QString>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace korvix {

// A printer that writes a PDF file at 600 dpi on Letter paper, optionally
// limited to pages first..last, as the print dialog would set it up.
inline std::unique_ptr<QPrinter> MakePdfPrinter(const std::string& path, int first = 0, int last = 0) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setResolution(600);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(path));
  printer->setPageSize(QPageSize(QPageSize::Letter));
  if (first > 0) {
    printer->setPrintRange(QPrinter::PageRange);
    printer->setFromTo(first, last);
  }
  return printer;
}

// A printer that writes a PDF file at 600 dpi on a sheet of `width` x
// `height` inches printed to its edges, so the page is exactly the sheet.
inline std::unique_ptr<QPrinter> MakeFullPagePdfPrinter(const std::string& path, double width, double height) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setResolution(600);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(QString::fromStdString(path));
  printer->setPageSize(QPageSize(QSizeF(width, height), QPageSize::Inch));
  printer->setFullPage(true);
  printer->setPageMargins(QMarginsF(0, 0, 0, 0));
  return printer;
}

inline std::string CommandOutput(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  std::array<char, 4096> buffer{};
  for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    output.append(buffer.data(), got);
  ::pclose(pipe);
  return output;
}

// The text of one page, laid out as it stands on the page.
inline std::string PdfPageText(const std::string& path, int page) {
  const std::string n = std::to_string(page);
  return CommandOutput("pdftotext -f " + n + " -l " + n + " -layout '" + path + "' - 2>/dev/null");
}

// A word of a page and the box its glyphs stand in (from each glyph's
// origin and advance across, from the font's ascent to its descent down),
// in points from the page's top-left corner.
struct PdfWord {
  std::string text;
  double xmin = 0;
  double ymin = 0;
  double xmax = 0;
  double ymax = 0;
};

inline std::vector<PdfWord> PdfPageWords(const std::string& path, int page) {
  const std::string n = std::to_string(page);
  const std::string html = CommandOutput("pdftotext -bbox -f " + n + " -l " + n + " '" + path + "' - 2>/dev/null");
  std::vector<PdfWord> words;
  for (std::size_t at = html.find("<word "); at != std::string::npos; at = html.find("<word ", at + 1)) {
    PdfWord word;
    int consumed = 0;
    if (std::sscanf(html.c_str() + at, "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%n", &word.xmin,
                    &word.ymin, &word.xmax, &word.ymax, &consumed) != 4)
      continue;
    const std::size_t start = at + static_cast<std::size_t>(consumed);
    word.text = html.substr(start, html.find("</word>", start) - start);
    words.push_back(std::move(word));
  }
  return words;
}

inline int PdfPageCount(const std::string& path) {
  const std::string info = CommandOutput("pdfinfo '" + path + "' 2>/dev/null");
  const std::size_t at = info.find("Pages:");
  return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

// One page rendered as a grey image at `dpi`: width, height and one byte per pixel.
struct PdfPageImage {
  int width = 0;
  int height = 0;
  std::string pixels;
  int At(int x, int y) const { return static_cast<unsigned char>(pixels[static_cast<std::size_t>(y) * width + x]); }
};

// `crop`, when given, is "-x X -y Y -W W -H H" in pixels at `dpi`.
inline PdfPageImage RenderPdfPage(const std::string& path, int page, int dpi, const std::string& crop = {}) {
  const std::string n = std::to_string(page);
  const std::string pgm = CommandOutput("pdftoppm -gray -r " + std::to_string(dpi) + " -f " + n + " -l " + n + " " +
                                        crop + " '" + path + "' 2>/dev/null");
  PdfPageImage image;
  int maxval = 0;
  int consumed = 0;
  if (std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &image.width, &image.height, &maxval, &consumed) != 3) return {};
  image.pixels = pgm.substr(static_cast<std::size_t>(consumed) + 1);
  return image;
}

// Only the area of width x height pixels at (x, y) of the page rendered at
// `dpi`, without smoothing, so every pixel is what was drawn there.
inline PdfPageImage RenderPdfArea(const std::string& path, int page, int dpi, int x, int y, int width, int height) {
  return RenderPdfPage(path, page, dpi,
                       "-aa no -aaVector no -x " + std::to_string(x) + " -y " + std::to_string(y) + " -W " +
                           std::to_string(width) + " -H " + std::to_string(height));
}

}  // namespace korvix
