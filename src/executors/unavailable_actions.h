#pragma once

#include "executors/outside_actions.h"
#include "platform/message_sink.h"

namespace korvix {

// Stand-ins until e-mail reports and label printing exist: they tell the
// operator plainly that nothing was sent or printed.
class UnavailableEmail final : public EmailReporter {
public:
  explicit UnavailableEmail(MessageSink& sink) : m_sink(sink) {}
  void SendEmailReport(const std::string& address, const std::string& message) override;

private:
  MessageSink& m_sink;
};

class UnavailablePrinter final : public LabelPrinter {
public:
  explicit UnavailablePrinter(MessageSink& sink) : m_sink(sink) {}
  void PrintLabel(const std::string& printer, const std::string& text, int fontsize,
                  const std::string& barcode, int barsize) override;

private:
  MessageSink& m_sink;
};

}  // namespace korvix
