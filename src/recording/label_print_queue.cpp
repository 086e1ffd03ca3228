#include "recording/label_print_queue.h"

namespace korvix {

LabelPrintQueue::LabelPrintQueue(LabelPrintTarget& target) : m_target(target) {}

LabelPrintQueue::~LabelPrintQueue() {
  {
    std::lock_guard lock(m_mutex);
    m_stop = true;
    m_queue.clear();
  }
  m_wake.notify_one();
  if (m_worker.joinable()) m_worker.join();
}

void LabelPrintQueue::Add(std::string printer, std::string text, int fontsize, std::string barcode, int barsize) {
  {
    std::lock_guard lock(m_mutex);
    m_queue.push_back(Job{std::move(printer), std::move(text), fontsize, std::move(barcode), barsize});
    // Most projects never print a label: the worker and its stack wait for
    // the first one.
    if (!m_worker.joinable()) m_worker = std::thread([this] { Work(); });
  }
  m_wake.notify_one();
}

void LabelPrintQueue::Flush() {
  std::unique_lock lock(m_mutex);
  m_idle.wait(lock, [this] { return m_queue.empty() && !m_busy; });
}

void LabelPrintQueue::Work() {
  for (;;) {
    Job job;
    {
      std::unique_lock lock(m_mutex);
      m_busy = false;
      m_idle.notify_all();
      m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
      if (m_stop) return;
      job = std::move(m_queue.front());
      m_queue.pop_front();
      m_busy = true;
    }
    PrintLabel(m_target, job.printer, job.text, job.fontsize, job.barcode, job.barsize);
  }
}

}  // namespace korvix
