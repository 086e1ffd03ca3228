// Opt-in: labels through a real print system. scripts/cups-label-check.sh
// runs it against a private CUPS server with a raw queue that writes each
// job into a file; KORVIX_CUPS_PRINTER names the queue, KORVIX_CUPS_OUTPUT
// the file.

#include <gtest/gtest.h>

#include <QPrinterInfo>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "qtdraw/printer_label_target.h"
#include "recording/label_print_queue.h"

namespace korvix {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

TEST(LabelsOnCups, TheQueueIsFoundByItsExactNameAndPrintsTheBarCode) {
  const std::string queue = Environment("KORVIX_CUPS_PRINTER");
  const std::string output = Environment("KORVIX_CUPS_OUTPUT");
  if (queue.empty() || output.empty()) GTEST_SKIP() << "no print queue given";

  EXPECT_TRUE(QPrinterInfo::availablePrinterNames().contains(QString::fromStdString(queue)));
  EXPECT_NE(InstalledPrinter(queue), nullptr);
  std::string othercase = queue;
  othercase[0] = static_cast<char>(std::islower(static_cast<unsigned char>(queue[0])) ? std::toupper(queue[0])
                                                                                      : std::tolower(queue[0]));
  EXPECT_EQ(InstalledPrinter(othercase), nullptr);

  QtPrinterLabelTarget target;
  {
    LabelPrintQueue labels(target);
    labels.Add(othercase, "Lost", 120, "LOST", 10);
    labels.Add(queue, "Lot 7", 120, "K128", 10);
    labels.Flush();
  }
  // The print system writes the job a moment later.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline &&
         (!std::filesystem::exists(output) || std::filesystem::file_size(output) == 0)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  ASSERT_TRUE(std::filesystem::exists(output));
  const std::string picture = output + "-page";
  std::system(("pdftoppm -r 600 -aa no -aaVector no -png -singlefile '" + output + "' '" + picture + "'").c_str());
  FILE* pipe = popen(("zbarimg -q --raw '" + picture + ".png'").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char decoded[64] = "";
  const size_t length = fread(decoded, 1, sizeof decoded - 1, pipe);
  pclose(pipe);
  EXPECT_EQ(std::string(decoded, length), "K128\n");
}

}  // namespace
}  // namespace korvix
