#pragma once

#include "document/korvix_doc.h"
#include "runloop/web_log_progress.h"

namespace korvix {

// The web-log upload as the Run-Loop starts it (FtpWebLogThread in the
// program). NoWebLogThread uploads nothing and clears the thread's flags at
// once, as a finished upload would leave them.
class WebLogThread {
public:
  virtual ~WebLogThread() = default;
  // `progress`'s m_weblogpath, m_weblogbusy and m_weblogreading are set
  // already; the upload reports into `progress` until it ends.
  virtual void Start(const CKorvixDoc& doc, WebLogProgress& progress) = 0;
  // True while an upload started in an earlier run has not ended.
  virtual bool IsRunning() const = 0;
};

class NoWebLogThread final : public WebLogThread {
public:
  void Start(const CKorvixDoc&, WebLogProgress& progress) override {
    progress.m_weblogreading.Set(0);
    progress.m_weblogbusy.Set(0);
  }
  bool IsRunning() const override { return false; }
};

// The live-value server's push of changed values to its client (DdeServer
// in the program). Without a server no client can link, so NoDdeAdvisor has
// nothing to send.
class DdeAdvisor {
public:
  virtual ~DdeAdvisor() = default;
  virtual void SendDdeAdvise() = 0;
};

class NoDdeAdvisor final : public DdeAdvisor {
public:
  void SendDdeAdvise() override {}
};

}  // namespace korvix
