#include <gtest/gtest.h>

#include <QImage>
#include <QPageSize>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "qtdraw/printer_label_target.h"
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

}  // namespace
}  // namespace korvix
