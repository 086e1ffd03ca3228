#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPageSize>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "qtdraw/printer_label_target.h"
#include "qtdraw/qt_font_measure.h"
#include "qtdraw/qt_fonts.h"
#include "qtdraw/testing/pdf_files.h"
#include "recording/code128.h"
#include "recording/label_print_queue.h"

namespace korvix {
namespace {

constexpr int kDpi = 600;

std::string Output(const std::string& command) {
  std::string text;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return text;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  pclose(pipe);
  return text;
}

// Every label becomes its own PDF file, 6 by 1.5 inches at 600 dpi, whatever
// printer it names.
class LabelPdfTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvix-label-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    m_folder = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(m_folder); }

  std::string Pdf(int n) const { return m_folder + "/" + std::to_string(n) + ".pdf"; }

  // Prints the labels on the worker thread, one file each.
  void Print(const std::vector<std::pair<std::string, std::string>>& labels, int barsize = 10) {
    QtPrinterLabelTarget target([this](const std::string& name) -> std::unique_ptr<QPrinter> {
      if (name != "Zebra") return nullptr;
      auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(QString::fromStdString(Pdf(m_printed++)));
      printer->setResolution(kDpi);
      printer->setPageSize(QPageSize(QSizeF(6, 1.5), QPageSize::Inch));
      printer->setPageMargins(QMarginsF(0, 0, 0, 0));
      return printer;
    });
    LabelPrintQueue queue(target);
    for (const auto& [text, barcode] : labels) queue.Add("Zebra", text, 120, barcode, barsize);
    queue.Add("No such printer", "x", 120, "", 10);
    queue.Flush();
  }

  QImage Picture(int n) const {
    const std::string stem = m_folder + "/page" + std::to_string(n);
    std::system(("pdftoppm -r 600 -aa no -aaVector no -png -singlefile '" + Pdf(n) + "' '" + stem + "'").c_str());
    return QImage(QString::fromStdString(stem + ".png")).convertToFormat(QImage::Format_Grayscale8);
  }

  std::string BarCodeText(int n) const {
    Picture(n);
    std::string text = Output("zbarimg -q --raw '" + m_folder + "/page" + std::to_string(n) + ".png'");
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
  }

  std::string m_folder;
  int m_printed = 0;
};

// Two printable characters whose check value is `check`.
std::string WithCheck(int check) {
  for (char first = 'A'; first <= 'Z'; ++first) {
    for (char second = '0'; second <= 'z'; ++second) {
      const std::string data{first, second};
      if (Code128Check(data) == check) return data;
    }
  }
  return "";
}

TEST_F(LabelPdfTest, ReadersDecodeEveryCheckValueAndEveryCharacter) {
  std::vector<std::string> codes;
  for (int check : {0, 94, 95, 96, 97, 98, 99, 100, 101, 102}) codes.push_back(WithCheck(check));
  std::string printable;
  for (char c = 32; c < 127; ++c) printable += c;
  codes.push_back(printable.substr(0, 48));
  codes.push_back(printable.substr(48));
  codes.push_back(
      "A\x7F"
      "B");
  std::vector<std::pair<std::string, std::string>> labels;
  for (const std::string& code : codes) labels.emplace_back("Lot", code);
  Print(labels);
  ASSERT_EQ(m_printed, static_cast<int>(codes.size()));
  for (size_t i = 0; i < codes.size(); ++i) EXPECT_EQ(BarCodeText(static_cast<int>(i)), codes[i]) << i;
}

TEST_F(LabelPdfTest, BarsAreWholeModulesAndTheBlockIsCentred) {
  Print({{"Lot 7\r\nLine two", std::string("A\xE9", 2)}});
  ASSERT_EQ(m_printed, 1);
  const QImage page = Picture(0);
  ASSERT_EQ(page.width(), 6 * kDpi);

  // The bottom row of the bar code: the last row with black in it.
  int row = page.height() - 1;
  auto black = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
  auto rowHasBlack = [&](int y) {
    for (int x = 0; x < page.width(); ++x)
      if (black(x, y)) return true;
    return false;
  };
  while (row > 0 && !rowHasBlack(row)) --row;
  std::vector<int> runs;
  int first = -1;
  int last = -1;
  for (int x = 0; x < page.width(); ++x) {
    if (first < 0 && !black(x, row)) continue;
    if (first < 0) first = x;
    if (black(x, row)) last = x;
    if (runs.empty() || (runs.size() % 2 == 1) != black(x, row)) runs.push_back(0);
    ++runs.back();
  }
  while (!runs.empty() && runs.size() % 2 == 0) runs.pop_back();

  const std::string digits = std::string(kCode128StartB) + Code128Pattern('A') + Code128Pattern('B') + kCode128Stop;
  std::vector<int> expected;
  for (char d : digits) expected.push_back(6 * (d - '0'));
  EXPECT_EQ(runs, expected);
  EXPECT_LE(std::abs((first + last + 1) - page.width()), 2);

  const std::string text = Output("pdftotext -layout '" + Pdf(0) + "' -");
  EXPECT_NE(text.find("Lot 7"), std::string::npos);
  EXPECT_NE(text.find("Line two"), std::string::npos);
}

// The text block is laid out from its lines' measured heights, the sum of
// them and half the last; however many lines there are, the drawn lines stay
// in that block, so none runs into the bar code below it.
TEST_F(LabelPdfTest, EveryLineOfTheTextStaysInsideTheMeasuredBlockAboveTheBarCode) {
  constexpr int kFineDpi = 1200;
  constexpr int kFontSize = 120;
  const Font font{std::string(kFaceArial), kFontSize};
  const std::string barcode = "LOT42";
  for (const int count : {1, 3, 20}) {
    std::string text;
    std::vector<Size> extents;
    QtFontMeasure fonts;
    const QFontMetrics metrics(MakeQtFont(font, kFineDpi));
    for (int line = 1; line <= count; ++line) {
      const std::string words = "Jumpy gypsy " + std::to_string(line);
      text += (line > 1 ? "\r\n" : "") + words;
      extents.push_back({metrics.horizontalAdvance(QString::fromStdString(words)), fonts.LineHeight(font, kFineDpi)});
    }
    const std::string pdf = m_folder + "/lines" + std::to_string(count) + ".pdf";
    QtPrinterLabelTarget target([&](const std::string&) {
      auto printer = MakeFullPagePdfPrinter(pdf, 4, 5);
      printer->setResolution(kFineDpi);
      return printer;
    });
    LabelPrintQueue queue(target);
    queue.Add("Zebra", text, kFontSize, barcode, 10);
    queue.Flush();

    const LabelPageMetrics page{4 * kFineDpi, 5 * kFineDpi, kFineDpi, kFineDpi};
    const Rect block = LayOutLabel(page, extents, Code128Data(barcode).size(), 10).text;
    // Glyph boxes on the device's pixels.
    const auto pixels = [](double points) { return static_cast<int>(std::lround(points * kFineDpi / 72)); };
    const std::vector<PdfWord> words = PdfPageWords(pdf, 1);
    ASSERT_EQ(words.size(), static_cast<std::size_t>(3 * count)) << count << " lines";
    for (std::size_t i = 0; i < words.size(); ++i) {
      const PdfWord& word = words[i];
      const int line = static_cast<int>(i / 3);
      const std::string what =
          std::to_string(count) + " lines, \"" + word.text + "\" of line " + std::to_string(line + 1);
      EXPECT_EQ(word.text, i % 3 == 0 ? "Jumpy" : i % 3 == 1 ? "gypsy" : std::to_string(line + 1)) << what;
      // Line k stands where the heights of the lines above it end.
      const int linetop = block.top + line * extents[0].cy;
      EXPECT_GE(pixels(word.xmin), block.left) << what;
      EXPECT_LE(pixels(word.xmax), block.right) << what;
      EXPECT_GE(pixels(word.ymin), linetop) << what;
      EXPECT_LE(pixels(word.ymax), linetop + extents[0].cy) << what;
      EXPECT_LE(pixels(word.ymax), block.bottom) << what;
    }
  }
}

}  // namespace
}  // namespace korvix
