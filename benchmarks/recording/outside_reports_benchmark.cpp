// What a "Send Email" or "Print Label" step costs the Run-Loop pass that runs
// it: building a report of 1000 characters and handing it over, and laying
// out and drawing a label with a 70-character bar code.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/testing/fake_clocks.h"
#include "recording/email_sender.h"
#include "recording/label_print.h"
#include "render/testing/recording_device_context.h"

namespace {

using namespace korvix;

class NullTransport final : public MailTransport {
public:
  MailSubmission Send(MailRequest request) override {
    benchmark::DoNotOptimize(request.message.data());
    return {true, ""};
  }
};

class NullPopupWindow final : public PopupWindow {
public:
  void Create(const std::string&, const std::string&, const std::string&) override {}
  void Destroy() override {}
};

void BM_SendEmailReport(benchmark::State& state) {
  NullTransport transport;
  NullPopupWindow window;
  PopupBox popup(window);
  CEmailSender sender(&transport, popup, [] { return false; });
  EmailServerSettings settings;
  settings.smtpserver = "mail.test.invalid";
  settings.senderemail = "plant@test.invalid";
  const std::string body(1000, 'x');
  for (auto _ : state) {
    sender.SendEmailReport(LocalDateTime{}, settings, "op@test.invalid", body);
    sender.OnEmailSendResult(false, "");
  }
}
BENCHMARK(BM_SendEmailReport);

class RecordingPage final : public LabelPage {
public:
  LabelPageMetrics Metrics() override { return {2400, 1200, 600, 600}; }
  DeviceContext& Dc() override { return m_dc; }
  bool EndPage() override { return true; }
  void EndDocument() override {}
  void AbortDocument() override {}

private:
  RecordingDeviceContext m_dc;
};

class RecordingTarget final : public LabelPrintTarget {
public:
  std::unique_ptr<LabelPage> StartDocument(const std::string&, const std::string&) override {
    return std::make_unique<RecordingPage>();
  }
};

void BM_PrintLabelLayout(benchmark::State& state) {
  RecordingTarget target;
  const std::string barcode(70, 'K');
  for (auto _ : state) PrintLabel(target, "Zebra", "Lot 7\r\nLine 2\r\nLine 3", 120, barcode, 10);
}
BENCHMARK(BM_PrintLabelLayout);

}  // namespace
