#pragma once

#include <sys/types.h>

#include <string>

namespace korvix {

// The Python FTP server of ftp_peer.py, serving `root` on 127.0.0.1 for the
// life of this object; a stalling one never reads an upload. `port` 0 is
// any free one; a port it cannot have throws.
class FtpPeer {
public:
  explicit FtpPeer(const std::string& root, bool stall = false, int port = 0);
  ~FtpPeer();
  FtpPeer(const FtpPeer&) = delete;
  FtpPeer& operator=(const FtpPeer&) = delete;

  int Port() const { return m_port; }

private:
  pid_t m_pid = -1;
  int m_stdin = -1;
  int m_port = 0;
};

// A loopback port where nothing listens (bound and closed at once).
int ClosedLoopbackPort();

}  // namespace korvix
