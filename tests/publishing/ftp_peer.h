#pragma once

#include <sys/types.h>

#include <string>

namespace korvix {

// How the server treats an upload: takes it; never reads it (a hung
// server); or takes it and never gives the reply that ends the transfer.
enum class FtpPeerMode { Normal, Stall, NoFinalReply };

// The Python FTP server of ftp_peer.py, serving `root` on 127.0.0.1 for the
// life of this object. `port` 0 is any free one; a port it cannot have
// throws.
class FtpPeer {
public:
  explicit FtpPeer(const std::string& root, FtpPeerMode mode = FtpPeerMode::Normal, int port = 0);
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
