#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "recording/label_print.h"

namespace korvix {

// Prints labels one after the other on a worker thread, so that a slow
// print system never holds up the caller. Labels not yet started when it is
// destroyed are dropped; the one being printed is finished first.
class LabelPrintQueue {
public:
  explicit LabelPrintQueue(LabelPrintTarget& target);
  ~LabelPrintQueue();
  LabelPrintQueue(const LabelPrintQueue&) = delete;
  LabelPrintQueue& operator=(const LabelPrintQueue&) = delete;

  void Add(std::string printer, std::string text, int fontsize, std::string barcode, int barsize);
  // Waits until every label added so far is printed.
  void Flush();

private:
  struct Job {
    std::string printer;
    std::string text;
    int fontsize = 0;
    std::string barcode;
    int barsize = 0;
  };
  void Work();

  LabelPrintTarget& m_target;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::condition_variable m_idle;
  std::deque<Job> m_queue;
  bool m_busy = false;
  bool m_stop = false;
  std::thread m_worker;
};

}  // namespace korvix
