#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "app/curl_worker.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "runloop/publishing.h"

namespace korvix {

// The page's name in the private temporary folder.
constexpr char kWebLogLocalName[] = "KorvixWebLog.html";

// One upload of the data log's newest rows as a page, on a thread of its
// own. The thread works on a copy of the settings taken at the start and
// touches only the document's four shared values afterwards, so an edit of
// the settings in the meantime cannot tear what it reads. Destroying this
// object cancels a transfer in progress and waits for the thread; it must go
// before the document does.
class FtpWebLogThread final : public WebLogThread {
public:
  // `sink` is reached from the worker thread; `pagefolder` empty: the
  // private temporary folder.
  FtpWebLogThread(MessageSink& sink, MillisecondClock& clock, std::string pagefolder = {}, CurlTimeouts timeouts = {});
  ~FtpWebLogThread() override;
  FtpWebLogThread(const FtpWebLogThread&) = delete;
  FtpWebLogThread& operator=(const FtpWebLogThread&) = delete;

  void Start(const CKorvixDoc& doc, WebLogProgress& progress) override;
  bool IsRunning() const override { return m_running.load(); }
  // Waits for the current upload, if any, to end.
  void Join();

private:
  void Run(WebLogSettings settings, std::string logpath, WebLogProgress& shared);
  void Report(const std::string& text);

  MessageSink& m_sink;
  MillisecondClock& m_clock;
  std::string m_pagefolder;
  CurlTimeouts m_timeouts;
  std::atomic<bool> m_running{false};
  std::atomic<bool> m_cancel{false};
  std::thread m_thread;
};

}  // namespace korvix
