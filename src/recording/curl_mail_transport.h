#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "recording/mail_transport.h"

namespace korvix {

struct CurlLibrary;

struct CurlMailOptions {
  long connectseconds = 20;
  long replyseconds = 20;  // for each of the server's replies
  long totalseconds = 120;
  std::string cafile;  // "": the system's certificate authorities
};

// SMTP through libcurl on one worker thread, in the order the requests
// came. Requests still queued when it is destroyed are dropped and the one
// under way is cut off, so leaving the program never waits for a server.
class CurlMailTransport final : public MailTransport {
public:
  CurlMailTransport(ResultHandler onresult, CurlMailOptions options = {});
  ~CurlMailTransport() override;
  CurlMailTransport(const CurlMailTransport&) = delete;
  CurlMailTransport& operator=(const CurlMailTransport&) = delete;

  MailSubmission Send(MailRequest request) override;

private:
  bool Start();
  void Work();

  ResultHandler m_onresult;
  CurlMailOptions m_options;
  bool m_started = false;
  const CurlLibrary* m_lib = nullptr;
  void* m_curl = nullptr;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::deque<MailRequest> m_queue;
  std::atomic<bool> m_stop = false;
  std::thread m_worker;
};

}  // namespace korvix
