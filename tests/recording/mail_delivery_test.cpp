#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "recording/curl_mail_transport.h"
#include "smtp_peer.h"

namespace korvix {
namespace {

constexpr auto kResultTimeout = std::chrono::seconds(30);

bool LoopbackListens(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool listens = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return listens;
}

struct Result {
  bool failed;
  std::string text;
};

class MailDeliveryTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvix-mail-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    s_certdir = pattern;
    ASSERT_TRUE(MakeLoopbackCertificate(s_certdir));
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(s_certdir); }

  void SetUp() override {
    m_outdir = s_certdir + "/" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::create_directories(m_outdir);
  }

  std::unique_ptr<CurlMailTransport> Transport(long replyseconds = 20) {
    CurlMailOptions options;
    options.cafile = s_certdir + "/cert.pem";
    options.replyseconds = replyseconds;
    return std::make_unique<CurlMailTransport>(
        [this](bool failed, const std::string& text) {
          std::lock_guard lock(m_mutex);
          m_results.push_back({failed, text});
          m_arrived.notify_all();
        },
        options);
  }

  static MailRequest Request(int port, int security, const std::string& body = "hello\r\n") {
    MailRequest request;
    request.server = "127.0.0.1";
    request.port = port;
    request.security = security;
    request.sender = "plant@test.invalid";
    request.recipient = "op@test.invalid";
    request.message = "Subject: Korvix Report\r\n\r\n" + body + "\r\n.\r\n";
    return request;
  }

  std::vector<Result> WaitForResults(size_t count) {
    std::unique_lock lock(m_mutex);
    m_arrived.wait_for(lock, kResultTimeout, [&] { return m_results.size() >= count; });
    return m_results;
  }

  std::string Delivered(int n) const {
    std::ifstream in(m_outdir + "/" + std::to_string(n) + ".msg", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static inline std::string s_certdir;
  std::string m_outdir;
  std::mutex m_mutex;
  std::condition_variable m_arrived;
  std::vector<Result> m_results;
};

TEST_F(MailDeliveryTest, DeliversInEveryModeWithAndWithoutLogin) {
  struct Case {
    const char* mode;
    int security;
    const char* user;
  };
  const Case cases[] = {
      {"none", kMailSecurityNone, ""},         {"none", kMailSecurityNone, "plant"},
      {"starttls", kMailSecurityStartTls, ""}, {"starttls", kMailSecurityStartTls, "plant"},
      {"tls", kMailSecurityTls, ""},           {"tls", kMailSecurityTls, "plant"},
  };
  // A lone "." line would end the data early unless it is stuffed.
  const std::string body = "Level \xE9 12.5\r\n.\r\nend";
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.mode) + " " + c.user);
    const std::string outdir = m_outdir + "/" + c.mode + c.user;
    std::filesystem::create_directories(outdir);
    SmtpPeer peer(c.mode, outdir, s_certdir, c.user, "pa ss");
    ASSERT_NE(peer.Port(), 0);
    m_results.clear();
    auto transport = Transport();
    MailRequest request = Request(peer.Port(), c.security, body);
    request.user = c.user;
    request.password = "pa ss";
    ASSERT_TRUE(transport->Send(request).accepted);
    const auto results = WaitForResults(1);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(results[0].failed) << results[0].text;
    std::ifstream in(outdir + "/1.msg", std::ios::binary);
    std::ostringstream delivered;
    delivered << in.rdbuf();
    EXPECT_EQ(delivered.str(), "plant@test.invalid\nop@test.invalid\n\nSubject: Korvix Report\r\n\r\n" + body + "\r\n");
  }
}

TEST_F(MailDeliveryTest, RefusalsAndSilenceGiveOneFailureEach) {
  SmtpPeer plain("none", m_outdir, s_certdir);
  SmtpPeer login("none", m_outdir, s_certdir, "plant", "right");
  SmtpPeer silent("silent", m_outdir, s_certdir);
  for (const SmtpPeer* peer : {&plain, &login, &silent}) ASSERT_NE(peer->Port(), 0);
  auto transport = Transport(2);

  MailRequest refused = Request(plain.Port(), kMailSecurityNone);
  refused.recipient = "refused@test.invalid";
  MailRequest badpassword = Request(login.Port(), kMailSecurityNone);
  badpassword.user = "plant";
  badpassword.password = "wrong";
  for (const MailRequest& request : {refused, Request(plain.Port(), kMailSecurityStartTls), badpassword,
                                     Request(silent.Port(), kMailSecurityNone)}) {
    ASSERT_TRUE(transport->Send(request).accepted);
  }
  const auto results = WaitForResults(4);
  ASSERT_EQ(results.size(), 4u);
  for (const Result& result : results) EXPECT_TRUE(result.failed);
  EXPECT_EQ(results[0].text, "550 Server refused; try later");
  EXPECT_FALSE(results[1].text.empty());
  EXPECT_EQ(results[2].text.substr(0, 4), "535 ");
  EXPECT_FALSE(results[3].text.empty());
  EXPECT_EQ(Delivered(1), "");
}

// Port 0 takes the mode's usual port; with nothing listening there the
// failure names the port that was tried.
TEST_F(MailDeliveryTest, PortZeroIsTheModesUsualPort) {
  const struct {
    int security;
    int port;
  } cases[] = {{kMailSecurityNone, 25}, {kMailSecurityStartTls, 587}, {kMailSecurityTls, 465}};
  for (const auto& c : cases) {
    if (LoopbackListens(c.port)) GTEST_SKIP() << "a server listens on loopback port " << c.port;
  }
  auto transport = Transport();
  for (const auto& c : cases) ASSERT_TRUE(transport->Send(Request(0, c.security)).accepted);
  const auto results = WaitForResults(std::size(cases));
  ASSERT_EQ(results.size(), std::size(cases));
  for (size_t i = 0; i < results.size(); ++i) {
    SCOPED_TRACE(cases[i].port);
    EXPECT_TRUE(results[i].failed);
    const std::string named = "port " + std::to_string(cases[i].port);
    const size_t at = results[i].text.find(named);
    ASSERT_NE(at, std::string::npos) << results[i].text;
    EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(results[i].text[at + named.size()]))) << results[i].text;
  }
}

TEST_F(MailDeliveryTest, SendsGoOutInTheOrderTheyCame) {
  SmtpPeer peer("none", m_outdir, s_certdir);
  auto transport = Transport();
  for (const char* body : {"first", "second"}) ASSERT_TRUE(transport->Send(Request(peer.Port(), 0, body)).accepted);
  const auto results = WaitForResults(2);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_FALSE(results[0].failed || results[1].failed);
  EXPECT_TRUE(Delivered(1).ends_with("first\r\n"));
  EXPECT_TRUE(Delivered(2).ends_with("second\r\n"));
}

}  // namespace
}  // namespace korvix
