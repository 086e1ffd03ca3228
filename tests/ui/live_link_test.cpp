#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "ui/live_link_listener.h"

namespace korvix {
namespace {

// Waits are bounded so that a broken server fails the test instead of
// hanging it; nothing is asserted about how long anything took.
constexpr qint64 kPatienceMs = 10000;

// The documented client in its raw mode: lines written go out as frames,
// frames received come back as lines.
class Client {
public:
  Client(const std::string& folder, const std::string& topic, const std::string& service = "Korvix") {
    m_process.start("/usr/bin/python3",
                    {KORVIX_LIVE_LINK_CLIENT, "--folder", QString::fromStdString(folder), "--service",
                     QString::fromStdString(service), "--raw", QString::fromStdString(topic)});
  }
  ~Client() {
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(2000)) m_process.kill();
    m_process.waitForFinished(2000);
  }

  void Send(const std::string& line) { m_process.write(QByteArray::fromStdString(line + "\n")); }

  // The next `count` lines it received (fewer if it ended or time ran out).
  std::vector<std::string> Lines(std::size_t count) {
    std::vector<std::string> lines;
    QElapsedTimer timer;
    timer.start();
    while (lines.size() < count && timer.elapsed() < kPatienceMs) {
      if (m_process.canReadLine()) {
        lines.push_back(m_process.readLine().trimmed().toStdString());
        continue;
      }
      if (m_process.state() == QProcess::NotRunning && !m_process.canReadLine()) {
        m_process.waitForReadyRead(0);
        if (!m_process.canReadLine()) break;
      }
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      m_process.waitForReadyRead(5);
    }
    return lines;
  }

  // Its exit code once it has ended.
  int Ended() {
    QElapsedTimer timer;
    timer.start();
    while (m_process.state() != QProcess::NotRunning && timer.elapsed() < kPatienceMs) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      m_process.waitForFinished(5);
    }
    return m_process.state() == QProcess::NotRunning ? m_process.exitCode() : -1;
  }

private:
  QProcess m_process;
};

// A plain socket connected to the listener, for clients that do what the
// documented one never does; -1 when it cannot connect.
int ConnectTo(const QString& socketpath, int flags = 0) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | flags, 0);
  if (fd < 0) return -1;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = socketpath.toStdString();
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
  ::close(fd);
  return -1;
}

class LiveLink : public ::testing::Test {
protected:
  LiveLink() {
    doc.SetPathName("/data/Plant.kvx");
    doc.m_datawindows.Add(DataWindowRecord{});
    doc.m_datawindows[0].idlabel = "Temp";
    doc.m_datawindows[0].valuetext = "23.5";
    doc.m_variables.Add(VariableRecord{});
    doc.m_variables[0].idlabel = "Level";
    doc.m_variables[0].valuetext = "";
  }

  void Listen() { listener = std::make_unique<CLiveLinkListener>(doc, states, finder, nullptr, folder); }

  ScratchFolder scratch;
  std::string folder = scratch / "korvix";
  CKorvixDoc doc;
  ObjectRunStates states;
  std::map<std::string, std::string> values{{"Temp", "23.5"}, {"Level", ""}};
  LiveValueFinder finder = [this](std::string& out, std::string_view name) {
    const auto found = values.find(std::string(name));
    if (found == values.end()) return false;
    out = found->second;
    return true;
  };
  std::unique_ptr<CLiveLinkListener> listener;
};

TEST_F(LiveLink, OnlyThisProjectsServiceAndTopicAreAnswered) {
  Listen();
  struct Case {
    const char* path;
    const char* service;
    const char* topic;
    bool answered;
  };
  const std::vector<Case> cases = {
      {"/data/Plant.kvx", "korvix", "plant.KVX", true}, {"/data/Plant.kvx", "K orvix", "Plant.kvx", true},
      {"/data/Plant.kvx", "Korvix", "", false},         {"/data/Plant.kvx", "", "Plant.kvx", false},
      {"/data/Plant.kvx", "Other", "Plant.kvx", false}, {"", "Korvix", "Plant.kvx", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.service) + "/" + c.topic + " for " + c.path);
    doc.SetPathName(c.path);
    Client client(folder, c.topic, c.service);
    if (c.answered) {
      EXPECT_EQ(client.Lines(1), std::vector<std::string>{"ACK\tINITIATE\t" + std::string(c.service) + "\t" + c.topic});
    } else {
      EXPECT_EQ(client.Ended(), 1);
    }
  }
}

TEST_F(LiveLink, ConversationRequestsLinksAndIsTakenOver) {
  Listen();
  Client first(folder, "Plant.kvx");
  ASSERT_EQ(first.Lines(1).size(), 1u);
  first.Send("REQUEST\tCF_TEXT\tTemp");
  first.Send("REQUEST\tCF_TEXT\tLevel");
  first.Send("REQUEST\tCF_TEXT\tNoSuch");
  first.Send("ADVISE\tCF_TEXT\t0\t0\t");
  EXPECT_EQ(first.Lines(4),
            (std::vector<std::string>{"DATA\tTemp\t1\t0\tCF_TEXT\t23.5%0D%0A", "DATA\tLevel\t1\t0\tCF_TEXT\t %0D%0A",
                                      "ACK\tNoSuch\t0", "ACK\t\t8000"}));
  listener->Server().SendDdeAdvise();
  EXPECT_EQ(first.Lines(1), std::vector<std::string>{"DATA\tTemp\t0\t0\tCF_TEXT\t23.5%0D%0A"});
  doc.m_variables[0].valuetext = "4";
  listener->Server().SendDdeAdvise();
  listener->Server().SendDdeAdvise();
  first.Send("REQUEST\tCF_TEXT\tTemp");
  EXPECT_EQ(first.Lines(2),
            (std::vector<std::string>{"DATA\tLevel\t0\t0\tCF_TEXT\t4%0D%0A", "DATA\tTemp\t1\t0\tCF_TEXT\t23.5%0D%0A"}));

  Client second(folder, "Plant.kvx");
  EXPECT_EQ(second.Lines(1), std::vector<std::string>{"ACK\tINITIATE\tKorvix\tPlant.kvx"});
  EXPECT_EQ(first.Lines(2), (std::vector<std::string>{"TERMINATE", "CLOSED"}));
  EXPECT_EQ(states.Variables()[0].ddelink, 0);
  EXPECT_EQ(states.Of<ScreenObjectKind::DataWindow>()[0].ddelink, 0);
  second.Send("TERMINATE");
  EXPECT_EQ(second.Lines(2), (std::vector<std::string>{"TERMINATE", "CLOSED"}));
}

TEST_F(LiveLink, BadInputEndsOnlyThatConversation) {
  Listen();
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"unreadable flag", "ADVISE\tCF_TEXT\t2\t0\tTemp"},
      {"broken escape", "REQUEST\tCF_TEXT\tTe%zzmp"},
      {"unknown verb", "HELLO"},
      {"overlong frame", std::string(5000, 'x')},
  };
  for (const auto& [name, line] : cases) {
    SCOPED_TRACE(name);
    Client client(folder, "Plant.kvx");
    ASSERT_EQ(client.Lines(1).size(), 1u);
    client.Send("ADVISE\tCF_TEXT\t0\t0\tTemp");
    client.Send(line);
    EXPECT_EQ(client.Lines(2), (std::vector<std::string>{"ACK\tTemp\t8000", "CLOSED"}));

    EXPECT_EQ(states.Of<ScreenObjectKind::DataWindow>()[0].ddelink, 0);
  }
  EXPECT_TRUE(listener->IsListening());
}

TEST_F(LiveLink, AtMostEightConnectionsWaitForTheirInitiate) {
  Listen();
  std::vector<std::unique_ptr<QLocalSocket>> silent;
  for (int i = 0; i < 9; ++i) {
    silent.push_back(std::make_unique<QLocalSocket>());
    silent.back()->connectToServer(listener->SocketPath());
    ASSERT_TRUE(silent.back()->waitForConnected(kPatienceMs));
  }
  QElapsedTimer timer;
  timer.start();
  while (silent[8]->state() == QLocalSocket::ConnectedState && timer.elapsed() < kPatienceMs)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_NE(silent[8]->state(), QLocalSocket::ConnectedState);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(silent[i]->state(), QLocalSocket::ConnectedState) << i;

  // One that initiates leaves the waiting room to the next.
  silent[0]->write("INITIATE\tKorvix\tPlant.kvx\n");
  timer.restart();
  while (silent[0]->bytesAvailable() == 0 && timer.elapsed() < kPatienceMs)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(silent[0]->readAll().toStdString(), "ACK\tINITIATE\tKorvix\tPlant.kvx\n");
  Client late(folder, "Plant.kvx");
  EXPECT_EQ(late.Lines(1), std::vector<std::string>{"ACK\tINITIATE\tKorvix\tPlant.kvx"});
}

// Over a megabyte of answers left unread ends the conversation; what was
// already on its way is still there to read, then the end.
TEST_F(LiveLink, AClientThatStopsReadingIsDropped) {
  Listen();
  const int fd = ConnectTo(listener->SocketPath(), SOCK_NONBLOCK);
  ASSERT_GE(fd, 0);
  const std::string request = "REQUEST\tCF_TEXT\tTemp\n";
  const std::string answer = "DATA\tTemp\t1\t0\tCF_TEXT\t23.5%0D%0A\n";
  std::string out = "INITIATE\tKorvix\tPlant.kvx\n";
  constexpr std::size_t kRequests = 2 * 1024 * 1024 / 33;
  for (std::size_t i = 0; i < kRequests; ++i) out += request;
  std::size_t sent = 0;
  QElapsedTimer timer;
  timer.start();
  while (sent < out.size() && timer.elapsed() < kPatienceMs) {
    const ssize_t n = ::send(fd, out.data() + sent, out.size() - sent, MSG_NOSIGNAL);
    if (n > 0) sent += static_cast<std::size_t>(n);
    if (n < 0 && errno != EAGAIN) break;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  std::string in;
  bool ended = false;
  timer.restart();
  while (!ended && timer.elapsed() < kPatienceMs) {
    char bytes[65536];
    const ssize_t n = ::recv(fd, bytes, sizeof bytes, 0);
    if (n > 0) in.append(bytes, static_cast<std::size_t>(n));
    ended = n == 0 || (n < 0 && errno != EAGAIN);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  ::close(fd);
  EXPECT_TRUE(ended);
  EXPECT_EQ(in.rfind("ACK\tINITIATE\tKorvix\tPlant.kvx\n" + answer, 0), 0u);
  EXPECT_LT(in.size(), answer.size() * kRequests);
  EXPECT_TRUE(listener->IsListening());
}

// Clients that hang up before the answer to what they sent, or in the
// middle of a frame: each ends only its own conversation.
TEST_F(LiveLink, ClientsThatHangUpEarlyLeaveTheServerServing) {
  Listen();
  const std::string initiate = "INITIATE\tKorvix\tPlant.kvx\n";
  struct Case {
    const char* name;
    std::string answered;  // sent, and its answer read, first
    std::string sent;      // then sent just before hanging up
  };
  const std::vector<Case> cases = {
      {"fire and forget", "", initiate},
      {"in the INITIATE", "", "INITIATE\tKorvix\tPla"},
      {"in a later frame", initiate, "REQUEST\tCF_TEXT\tTe"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int i = 0; i < 40; ++i) {
      const int fd = ConnectTo(listener->SocketPath());
      ASSERT_GE(fd, 0);
      if (!c.answered.empty()) {
        ASSERT_EQ(::send(fd, c.answered.data(), c.answered.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(c.answered.size()));
        char byte = 0;
        QElapsedTimer timer;
        timer.start();
        while (::recv(fd, &byte, 1, MSG_DONTWAIT) != 1 && timer.elapsed() < kPatienceMs)
          QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_EQ(byte, 'A');
      }
      ASSERT_EQ(::send(fd, c.sent.data(), c.sent.size(), MSG_NOSIGNAL), static_cast<ssize_t>(c.sent.size()));
      ::close(fd);
      // Served before the next one comes, so that the eight places for
      // connections waiting for their INITIATE never fill.
      for (int turn = 0; turn < 3; ++turn) QCoreApplication::processEvents();
    }
  }
  ASSERT_TRUE(listener->IsListening());
  Client client(folder, "Plant.kvx");
  client.Send("REQUEST\tCF_TEXT\tTemp");
  EXPECT_EQ(client.Lines(2),
            (std::vector<std::string>{"ACK\tINITIATE\tKorvix\tPlant.kvx", "DATA\tTemp\t1\t0\tCF_TEXT\t23.5%0D%0A"}));
}

TEST_F(LiveLink, SocatSpeaksTheProtocolToo) {
  Listen();
  QProcess socat;
  socat.start("socat", {"-t", "1", "-", "UNIX-CONNECT:" + listener->SocketPath()});
  ASSERT_TRUE(socat.waitForStarted(kPatienceMs));
  socat.write("INITIATE\tKorvix\tPlant.kvx\nREQUEST\tCF_TEXT\tTemp\nTERMINATE\n");
  socat.closeWriteChannel();
  QElapsedTimer timer;
  timer.start();
  while (socat.state() != QProcess::NotRunning && timer.elapsed() < kPatienceMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    socat.waitForFinished(5);
  }
  EXPECT_EQ(socat.readAllStandardOutput().toStdString(),
            "ACK\tINITIATE\tKorvix\tPlant.kvx\nDATA\tTemp\t1\t0\tCF_TEXT\t23.5%0D%0A\nTERMINATE\n");
}

TEST_F(LiveLink, SocketIsPrivateAndStaleOnesGo) {
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string stale = folder + "/dde-" + std::to_string(gone) + ".sock";
  WriteFile(stale, "");
  WriteFile(folder + "/dde-1.sock", "");
  Listen();
  ASSERT_TRUE(listener->IsListening());
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(folder + "/dde-1.sock"));
  struct stat info {};
  ASSERT_EQ(::stat(listener->SocketPath().toStdString().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(listener->SocketPath().toStdString(), folder + "/dde-" + std::to_string(::getpid()) + ".sock");
  const std::string path = listener->SocketPath().toStdString();
  listener.reset();
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(LiveLink, FolderOpenToOthersGetsNoServer) {
  ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
  ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
  Listen();
  EXPECT_FALSE(listener->IsListening());
}

}  // namespace
}  // namespace korvix
