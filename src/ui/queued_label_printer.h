#pragma once

#include <memory>

#include "executors/outside_actions.h"
#include "recording/label_print_queue.h"

namespace korvix {

// "Print Label" for the executors: each label joins the print queue and the
// Run-Loop goes on at once.
class QueuedLabelPrinter final : public LabelPrinter {
public:
  explicit QueuedLabelPrinter(std::unique_ptr<LabelPrintTarget> target)
      : m_target(std::move(target)), m_queue(*m_target) {}

  void PrintLabel(const std::string& printer, const std::string& text, int fontsize, const std::string& barcode,
                  int barsize) override {
    m_queue.Add(printer, text, fontsize, barcode, barsize);
  }
  LabelPrintQueue& Queue() { return m_queue; }

private:
  std::unique_ptr<LabelPrintTarget> m_target;
  LabelPrintQueue m_queue;
};

}  // namespace korvix
