#pragma once

#include <sys/types.h>
#include <string>
#include <vector>

namespace korvix {

// The loopback SMTP server of smtp_peer.py in its own process, for one
// test; it stops when this object goes.
class SmtpPeer {
public:
  // mode: "none", "starttls", "tls" or "silent"; a user requires a login.
  // The recipient refused@test.invalid gets `refusal` as the reply.
  SmtpPeer(const std::string& mode, const std::string& outdir, const std::string& certdir, const std::string& user = "",
           const std::string& password = "", const std::string& refusal = "550 Server refused; try later");
  ~SmtpPeer();
  SmtpPeer(const SmtpPeer&) = delete;
  SmtpPeer& operator=(const SmtpPeer&) = delete;

  int Port() const { return m_port; }

private:
  pid_t m_pid = -1;
  int m_input = -1;
  int m_port = 0;
};

// Makes a self-signed certificate for 127.0.0.1 as cert.pem and key.pem.
bool MakeLoopbackCertificate(const std::string& folder);

}  // namespace korvix
