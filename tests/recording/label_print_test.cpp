#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/recording_message_sink.h"
#include "recording/code128.h"
#include "recording/label_print.h"
#include "recording/label_print_queue.h"
#include "recording/label_sizes.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

using Op = RecordingDeviceContext::Op;
constexpr int kChar = RecordingDeviceContext::kCharWidth;
constexpr int kLine = RecordingDeviceContext::kLineHeight;

TEST(LabelLayout, ModuleWidthAndBarCodeSize) {
  struct Case {
    int dpi;
    int barsize;
    size_t length;
    int module, width, height;
  };
  const Case cases[] = {
      {600, 10, 5, 6, 540, 150},    // a quarter inch is higher than a fifth of the width
      {600, 15, 20, 9, 2295, 459},  // a fifth of the width is higher
      {60, 10, 1, 1, 46, 15},       // below one pixel the module is kept at one
      {600, 10, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const LabelLayout layout = LayOutLabel({4000, 3000, c.dpi, c.dpi}, {{100, 20}}, c.length, c.barsize);
    EXPECT_EQ(layout.module, c.module) << c.dpi << " " << c.length;
    EXPECT_EQ(layout.barwidth, c.width) << c.dpi << " " << c.length;
    EXPECT_EQ(layout.barheight, c.height) << c.dpi << " " << c.length;
  }
}

TEST(LabelLayout, TextAndBarCodeAreCentredTogether) {
  const LabelPageMetrics page{1000, 800, 600, 600};
  const std::vector<Size> lines = {{100, 20}, {60, 20}};
  // Two lines and half the last: 50 pixels high.
  const LabelLayout alone = LayOutLabel(page, lines, 0, 10);
  EXPECT_EQ(alone.text, (Rect{450, 375, 550, 425}));
  const LabelLayout withcode = LayOutLabel(page, lines, 5, 10);
  EXPECT_EQ(withcode.text, (Rect{450, 300, 550, 350}));
  EXPECT_EQ(withcode.barleft, 500 - 270);
}

TEST(LabelLayout, LinesEndAtACarriageReturn) {
  EXPECT_EQ(LabelLines("a\r\nbc\rd\r\n"), (std::vector<std::string>{"a", "bc", "d", ""}));
  EXPECT_EQ(LabelLines(""), (std::vector<std::string>{""}));
}

class FakePage final : public LabelPage {
public:
  FakePage(RecordingDeviceContext& dc, std::vector<std::string>& log, bool endpage)
      : m_dc(dc), m_log(log), m_endpage(endpage) {}
  LabelPageMetrics Metrics() override { return {1000, 800, 100, 100}; }
  DeviceContext& Dc() override { return m_dc; }
  bool EndPage() override { return m_endpage; }
  void EndDocument() override { m_log.push_back("end"); }
  void AbortDocument() override { m_log.push_back("abort"); }

private:
  RecordingDeviceContext& m_dc;
  std::vector<std::string>& m_log;
  bool m_endpage;
};

class FakeTarget final : public LabelPrintTarget {
public:
  std::unique_ptr<LabelPage> StartDocument(const std::string& printer, const std::string& name) override {
    log.push_back(printer + "|" + name);
    if (printer != "Zebra") return nullptr;
    return std::make_unique<FakePage>(dc, log, endpage);
  }
  std::vector<std::string> log;
  bool endpage = true;
  RecordingDeviceContext dc;
};

std::vector<Rect> Bars(const RecordingDeviceContext& dc) {
  std::vector<Rect> bars;
  for (const auto& call : dc.calls) {
    if (call.op == Op::FillRect) bars.push_back(call.rect);
  }
  return bars;
}

TEST(PrintLabel, DrawsTheTextThenStartDataCheckAndStopBars) {
  FakeTarget target;
  PrintLabel(target, "Zebra", "Lot 7", 120, std::string("A\xE9", 2), 20);
  const RecordingDeviceContext& dc = target.dc;
  ASSERT_EQ(dc.calls.front().op, Op::DrawText);
  EXPECT_EQ(dc.calls.front().text, "Lot 7");
  EXPECT_EQ(dc.calls.front().font, (Font{"Arial", 120}));
  // One data character: module 2, width 2 x 46, a quarter inch high.
  const int top = 400 - (kLine + kLine / 2 + 25) / 2;
  EXPECT_EQ(dc.calls.front().rect, (Rect{500 - 5 * kChar / 2, top, 500 + 5 * kChar / 2, top + kLine + kLine / 2}));

  // Start B, 'A', check 'B', stop, module 2: the bars' widths.
  std::vector<int> widths;
  const std::string patterns = std::string(kCode128StartB) + Code128Pattern('A') + Code128Pattern('B') + kCode128Stop;
  for (size_t i = 0; i < patterns.size(); i += 2) widths.push_back(2 * (patterns[i] - '0'));
  const std::vector<Rect> bars = Bars(dc);
  ASSERT_EQ(bars.size(), widths.size());
  EXPECT_EQ(bars.front().left, 500 - 46);
  EXPECT_EQ(bars.back().right, 500 + 46);
  for (size_t i = 0; i < bars.size(); ++i) {
    EXPECT_EQ(Width(bars[i]), widths[i]) << i;
    EXPECT_EQ(bars[i].top, top + kLine + kLine / 2);
    EXPECT_EQ(Height(bars[i]), 25);
  }
  EXPECT_EQ(target.log, (std::vector<std::string>{"Zebra|Label", "end"}));
}

TEST(PrintLabel, EmptyTextKeepsOneLineAndNoBarCodeDrawsNoBars) {
  FakeTarget target;
  PrintLabel(target, "Zebra", "", 120, "\x01", 10);
  EXPECT_EQ(target.dc.calls.front().rect, (Rect{500 - kChar / 2, 400 - 12, 500 - kChar / 2 + kChar, 400 + 12}));
  EXPECT_TRUE(Bars(target.dc).empty());
}

TEST(PrintLabel, AnUnknownPrinterPrintsNothingAndAFailedPageIsAborted) {
  FakeTarget target;
  PrintLabel(target, "zebra", "x", 120, "1", 10);
  target.endpage = false;
  PrintLabel(target, "Zebra", "x", 120, "1", 10);
  EXPECT_EQ(target.log, (std::vector<std::string>{"zebra|Label", "Zebra|Label", "abort"}));
}

TEST(LabelPrintQueue, AnUnusedQueueEndsAtOnceAndALaterOnePrintsInOrder) {
  FakeTarget target;
  {
    LabelPrintQueue unused(target);
    unused.Flush();
  }
  LabelPrintQueue queue(target);
  queue.Flush();
  queue.Add("zebra", "x", 120, "", 10);
  queue.Add("printer 2", "y", 120, "", 10);
  queue.Flush();
  queue.Add("printer 3", "z", 120, "", 10);
  queue.Flush();
  EXPECT_EQ(target.log, (std::vector<std::string>{"zebra|Label", "printer 2|Label", "printer 3|Label"}));
}

TEST(LabelSizes, ListIndexesAndValuesConvertBothWays) {
  RecordingMessageSink sink;
  EXPECT_EQ(FontSizeFromIndex(0, sink), 720);
  EXPECT_EQ(FontSizeFromIndex(11, sink), 120);
  EXPECT_EQ(FontSizeFromIndex(15, sink), 80);
  EXPECT_EQ(FontSizeIndex(120, sink), 11);
  EXPECT_EQ(BarSizeFromIndex(0, sink), 15);
  EXPECT_EQ(BarSizeFromIndex(10, sink), 5);
  EXPECT_EQ(BarSizeIndex(10, sink), 5);
  EXPECT_TRUE(sink.shown.empty());

  const int outside[] = {FontSizeIndex(130, sink), FontSizeFromIndex(16, sink), FontSizeFromIndex(-1, sink),
                         BarSizeIndex(4, sink), BarSizeFromIndex(11, sink)};
  for (int value : outside) EXPECT_EQ(value, 0);
  ASSERT_EQ(sink.shown.size(), 5u);
  for (const auto& shown : sink.shown) {
    EXPECT_EQ(shown.caption, "Operational Error");
    EXPECT_EQ(shown.text, "Invalid Dialog Box Selection.");
    EXPECT_EQ(shown.icon, MessageIcon::Stop);
  }
}

}  // namespace
}  // namespace korvix
