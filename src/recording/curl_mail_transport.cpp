#include "recording/curl_mail_transport.h"

#include "platform/curl_library.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <system_error>

namespace korvix {
namespace {

// The name the program greets the server with.
constexpr const char* kGreetingName = "Korvix";
constexpr const char* kEndOfData = ".\r\n";
constexpr int kPlainSmtpPort = 25;
constexpr int kSubmissionPort = 587;
constexpr int kImplicitTlsPort = 465;

struct Upload {
  const std::string& data;
  size_t offset = 0;
};

size_t ReadMessage(char* buffer, size_t size, size_t count, void* userdata) {
  auto& upload = *static_cast<Upload*>(userdata);
  const size_t length = std::min(size * count, upload.data.size() - upload.offset);
  std::memcpy(buffer, upload.data.data() + upload.offset, length);
  upload.offset += length;
  return length;
}

bool IsRefusal(const std::string& reply) { return !reply.empty() && (reply[0] == '4' || reply[0] == '5'); }

// Keeps the server's last refusing reply, which names the reason; the
// farewell after it says nothing.
int WatchReplies(CURL*, curl_infotype type, char* data, size_t size, void* userdata) {
  if (type != CURLINFO_HEADER_IN) return 0;
  std::string line(data, size);
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  if (IsRefusal(line)) *static_cast<std::string*>(userdata) = line;
  return 0;
}

int WatchStop(void* userdata, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const std::atomic<bool>*>(userdata)->load() ? 1 : 0;
}

// libcurl's own port for smtp:// is 25 whatever the mode, while STARTTLS is
// served on the submission port.
int UsualPort(int security) {
  if (security == kMailSecurityStartTls) return kSubmissionPort;
  if (security == kMailSecurityTls) return kImplicitTlsPort;
  return kPlainSmtpPort;
}

std::string Address(const MailRequest& request) {
  const char* scheme = request.security == kMailSecurityTls ? "smtps://" : "smtp://";
  const int port = request.port != 0 ? request.port : UsualPort(request.security);
  return scheme + request.server + ":" + std::to_string(port) + "/" + kGreetingName;
}

}  // namespace

CurlMailTransport::CurlMailTransport(ResultHandler onresult, CurlMailOptions options)
    : m_onresult(std::move(onresult)), m_options(std::move(options)) {}

// libcurl and the worker come with the first mail: a project that never
// mails carries neither.
bool CurlMailTransport::Start() {
  if (m_started) return m_curl != nullptr;
  m_started = true;
  std::string loaderror;
  m_lib = LoadCurlLibrary(loaderror);
  if (!m_lib) return false;
  m_curl = m_lib->easyinit();
  if (!m_curl) return false;
  try {
    m_worker = std::thread([this] { Work(); });
  } catch (const std::system_error&) {
    m_lib->easycleanup(static_cast<CURL*>(m_curl));
    m_curl = nullptr;
  }
  return m_curl != nullptr;
}

CurlMailTransport::~CurlMailTransport() {
  {
    std::lock_guard lock(m_mutex);
    m_stop = true;
    m_queue.clear();
  }
  m_wake.notify_one();
  if (m_worker.joinable()) m_worker.join();
  if (m_curl) m_lib->easycleanup(static_cast<CURL*>(m_curl));
}

MailSubmission CurlMailTransport::Send(MailRequest request) {
  if (!Start()) return {};
  {
    std::lock_guard lock(m_mutex);
    m_queue.push_back(std::move(request));
  }
  m_wake.notify_one();
  return {true, ""};
}

void CurlMailTransport::Work() {
  CURL* curl = static_cast<CURL*>(m_curl);
  for (;;) {
    MailRequest request;
    {
      std::unique_lock lock(m_mutex);
      m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
      if (m_stop) return;
      request = std::move(m_queue.front());
      m_queue.pop_front();
    }
    // libcurl ends the data itself, and stuffs a body line "." on the way.
    if (request.message.ends_with(kEndOfData)) request.message.resize(request.message.size() - 3);
    Upload upload{request.message};
    std::string refusal;
    char error[CURL_ERROR_SIZE] = "";
    curl_slist* recipients = m_lib->slistappend(nullptr, request.recipient.c_str());

    m_lib->easyreset(curl);
    m_lib->easysetopt(curl, CURLOPT_URL, Address(request).c_str());
    if (request.security == kMailSecurityStartTls) m_lib->easysetopt(curl, CURLOPT_USE_SSL, CURLUSESSL_ALL);
    if (!m_options.cafile.empty()) m_lib->easysetopt(curl, CURLOPT_CAINFO, m_options.cafile.c_str());
    if (!request.user.empty()) {
      m_lib->easysetopt(curl, CURLOPT_USERNAME, request.user.c_str());
      m_lib->easysetopt(curl, CURLOPT_PASSWORD, request.password.c_str());
    }
    m_lib->easysetopt(curl, CURLOPT_MAIL_FROM, request.sender.c_str());
    m_lib->easysetopt(curl, CURLOPT_MAIL_RCPT, recipients);
    m_lib->easysetopt(curl, CURLOPT_UPLOAD, 1L);
    m_lib->easysetopt(curl, CURLOPT_READFUNCTION, ReadMessage);
    m_lib->easysetopt(curl, CURLOPT_READDATA, &upload);
    m_lib->easysetopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(request.message.size()));
    m_lib->easysetopt(curl, CURLOPT_CONNECTTIMEOUT, m_options.connectseconds);
    m_lib->easysetopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, m_options.replyseconds);
    m_lib->easysetopt(curl, CURLOPT_TIMEOUT, m_options.totalseconds);
    m_lib->easysetopt(curl, CURLOPT_NOSIGNAL, 1L);
    m_lib->easysetopt(curl, CURLOPT_ERRORBUFFER, error);
    m_lib->easysetopt(curl, CURLOPT_VERBOSE, 1L);
    m_lib->easysetopt(curl, CURLOPT_DEBUGFUNCTION, WatchReplies);
    m_lib->easysetopt(curl, CURLOPT_DEBUGDATA, &refusal);
    m_lib->easysetopt(curl, CURLOPT_NOPROGRESS, 0L);
    m_lib->easysetopt(curl, CURLOPT_XFERINFOFUNCTION, WatchStop);
    m_lib->easysetopt(curl, CURLOPT_XFERINFODATA, &m_stop);
    const CURLcode code = m_lib->easyperform(curl);
    m_lib->slistfreeall(recipients);
    if (m_stop) return;

    if (code == CURLE_OK) {
      m_onresult(false, "");
    } else if (!refusal.empty()) {
      m_onresult(true, refusal);
    } else {
      m_onresult(true, error[0] ? error : m_lib->easystrerror(code));
    }
  }
}

}  // namespace korvix
