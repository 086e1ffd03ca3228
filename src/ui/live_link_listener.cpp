#include "ui/live_link_listener.h"

#include <dirent.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/private_folder.h"

namespace korvix {

namespace {

constexpr char kSocketPrefix[] = "dde-";
constexpr char kSocketSuffix[] = ".sock";
constexpr int kMaxWaitingPeers = 8;
constexpr int kInitiateWaitMs = 5000;
// A client that leaves this much of what it was sent unread is not reading.
constexpr std::size_t kMaxUnread = 1024 * 1024;
constexpr int kBacklog = 30;
constexpr std::size_t kReadChunk = 4096;

// The pid in "dde-<pid>.sock", or 0.
long SocketOwner(std::string_view name) {
  const std::string_view prefix = kSocketPrefix;
  const std::string_view suffix = kSocketSuffix;
  if (name.size() <= prefix.size() + suffix.size() || name.substr(0, prefix.size()) != prefix ||
      name.substr(name.size() - suffix.size()) != suffix)
    return 0;
  const std::string_view digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  long pid = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9' || pid > 1'000'000'000) return 0;
    pid = pid * 10 + (c - '0');
  }
  return pid;
}

// Sockets left behind by programs that ended without removing them.
void RemoveStaleSockets(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const long pid = SocketOwner(entry->d_name);
    if (pid == 0 || pid == ::getpid()) continue;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) ::unlink((folder + "/" + entry->d_name).c_str());
  }
  ::closedir(dir);
}

bool SameUser(int fd) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 && credentials.uid == ::getuid();
}

// A listening socket at `path`, or -1 with errno set.
int ListenAt(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) {
    errno = ENAMETOOLONG;
    return -1;
  }
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, kBacklog) != 0) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

// Writes what the socket takes now; false when the client has gone.
bool SendSome(int fd, std::string& outbox) {
  while (!outbox.empty()) {
    const ssize_t sent = ::send(fd, outbox.data(), outbox.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0) return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    outbox.erase(0, static_cast<std::size_t>(sent));
  }
  return true;
}

}  // namespace

// The notifiers may be the sender of the signal being handled, so they go
// once it has returned.
void CLiveLinkListener::Release(Peer& peer) {
  for (QSocketNotifier* notifier : {peer.reader, peer.writer}) {
    if (notifier == nullptr) continue;
    notifier->setEnabled(false);
    notifier->deleteLater();
  }
  peer.reader = nullptr;
  peer.writer = nullptr;
  if (peer.fd >= 0) ::close(peer.fd);
  peer.fd = -1;
}

CLiveLinkListener::CLiveLinkListener(CKorvixDoc& doc, ObjectRunStates& states, LiveValueFinder values, QObject* parent,
                                     std::string folder)
    : QObject(parent), m_dde(doc, states, std::move(values), *this) {
  Listen(folder.empty() ? PrivateRuntimeFolderPath() : folder);
}

CLiveLinkListener::~CLiveLinkListener() {
  EndConversation();
  for (auto& [id, peer] : m_peers) Release(peer);
  m_peers.clear();
  for (auto& [id, peer] : m_closing) Release(peer);
  m_closing.clear();
  StopListening();
}

void CLiveLinkListener::StopListening() {
  if (m_listenfd < 0) return;
  delete m_acceptor;
  m_acceptor = nullptr;
  ::close(m_listenfd);
  m_listenfd = -1;
  ::unlink(m_path.c_str());
}

void CLiveLinkListener::Listen(const std::string& folder) {
  std::string problem;
  if (EnsurePrivateFolder(folder, problem).empty()) {
    std::fprintf(stderr, "Korvix: no live-value link: %s\n", problem.c_str());
    return;
  }
  RemoveStaleSockets(folder);
  const std::string path = folder + "/" + kSocketPrefix + std::to_string(::getpid()) + kSocketSuffix;
  ::unlink(path.c_str());
  const mode_t oldmask = ::umask(077);
  const int fd = ListenAt(path);
  const int error = errno;
  ::umask(oldmask);
  if (fd < 0) {
    std::fprintf(stderr, "Korvix: no live-value link: %s: %s\n", path.c_str(), std::strerror(error));
    return;
  }
  ::chmod(path.c_str(), 0600);
  m_listenfd = fd;
  m_path = path;
  m_acceptor = new QSocketNotifier(static_cast<qintptr>(fd), QSocketNotifier::Read, this);
  connect(m_acceptor, &QSocketNotifier::activated, this, &CLiveLinkListener::OnNewConnection);
}

int CLiveLinkListener::PendingCount() const {
  int count = 0;
  for (const auto& [id, peer] : m_peers) count += peer.initiated ? 0 : 1;
  return count;
}

void CLiveLinkListener::OnNewConnection() {
  for (;;) {
    const int fd = ::accept4(m_listenfd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      return;
    }
    if (!SameUser(fd) || PendingCount() >= kMaxWaitingPeers) {
      ::close(fd);
      continue;
    }
    const int id = m_nextid++;
    Peer& peer = m_peers[id];
    peer.fd = fd;
    peer.reader = new QSocketNotifier(static_cast<qintptr>(fd), QSocketNotifier::Read, this);
    connect(peer.reader, &QSocketNotifier::activated, this, [this, id] { OnReadable(id); });
    QTimer::singleShot(kInitiateWaitMs, this, [this, id] {
      const auto found = m_peers.find(id);
      if (found != m_peers.end() && !found->second.initiated) Drop(id);
    });
  }
}

void CLiveLinkListener::OnReadable(int id) {
  for (;;) {
    const auto found = m_peers.find(id);
    if (found == m_peers.end()) return;
    char bytes[kReadChunk];
    const ssize_t got = ::recv(found->second.fd, bytes, sizeof bytes, MSG_DONTWAIT);
    if (got > 0) {
      found->second.frames.Append(bytes, static_cast<std::size_t>(got));
      ServeFrames(id);
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
    // Hung up, after all it sent has been served.
    m_dde.OnDdeTerminate(id, false);
    Drop(id);
    return;
  }
}

void CLiveLinkListener::ServeFrames(int id) {
  for (;;) {
    const auto found = m_peers.find(id);
    if (found == m_peers.end()) return;
    Peer& peer = found->second;
    std::optional<std::string> line = peer.frames.Next();
    if (!line) {
      if (peer.frames.Overlong()) m_dde.OnDdeTerminate(id, false);
      return;
    }
    m_serving = id;
    const bool served = ServeFrame(id, peer, *line);
    m_serving = 0;
    const Ending ending = std::exchange(m_servingend, Ending::None);
    if (ending != Ending::None) {
      End(id, ending);
      return;
    }
    if (!served) {
      m_dde.OnDdeTerminate(id, false);
      return;
    }
  }
}

bool CLiveLinkListener::ServeFrame(int id, Peer& peer, const std::string& line) {
  const auto fields = DecodeLinkFrame(line);
  if (!fields) return false;
  if (peer.initiated) return m_dde.OnDdeFrame(id, *fields);
  if (fields->size() != 3 || (*fields)[0] != "INITIATE") return false;
  peer.initiated = m_dde.OnDdeInitiate(id, (*fields)[1], (*fields)[2]);
  return peer.initiated;
}

void CLiveLinkListener::Post(int client, const std::string& frame) {
  const auto found = m_peers.find(client);
  if (found == m_peers.end() || found->second.fd < 0) return;
  // Ended while its frame is served: nothing more goes to it.
  if (client == m_serving && m_servingend != Ending::None) return;
  Peer& peer = found->second;
  peer.outbox += frame;
  if (!SendSome(peer.fd, peer.outbox) || peer.outbox.size() > kMaxUnread) {
    m_dde.OnDdeTerminate(client, false);
    Drop(client);
    return;
  }
  if (peer.outbox.empty() || peer.writer != nullptr) return;
  peer.writer = new QSocketNotifier(static_cast<qintptr>(peer.fd), QSocketNotifier::Write, this);
  connect(peer.writer, &QSocketNotifier::activated, this, [this, client] { OnWritable(client); });
}

void CLiveLinkListener::OnWritable(int id) {
  for (std::map<int, Peer>* peers : {&m_peers, &m_closing}) {
    const auto found = peers->find(id);
    if (found == peers->end()) continue;
    Peer& peer = found->second;
    const bool alive = SendSome(peer.fd, peer.outbox);
    if (alive && !peer.outbox.empty()) return;
    if (peers == &m_closing) {
      Release(peer);
      m_closing.erase(found);
    } else if (!alive) {
      m_dde.OnDdeTerminate(id, false);
      Drop(id);
    } else {
      peer.writer->setEnabled(false);
      peer.writer->deleteLater();
      peer.writer = nullptr;
    }
    return;
  }
}

// A frame's handler may end its own conversation, as when the answer it
// posts cannot go out; the connection then outlives the handler.
void CLiveLinkListener::End(int id, Ending how) {
  if (m_serving != 0 && id == m_serving) {
    m_servingend = std::max(m_servingend, how);
    return;
  }
  if (how == Ending::Close) {
    CloseNow(id);
  } else {
    DropNow(id);
  }
}

void CLiveLinkListener::CloseNow(int client) {
  const auto found = m_peers.find(client);
  if (found == m_peers.end()) return;
  Peer peer = std::move(found->second);
  m_peers.erase(found);
  if (peer.reader != nullptr) {
    peer.reader->setEnabled(false);
    peer.reader->deleteLater();
    peer.reader = nullptr;
  }
  // What was posted before the end still reaches the client.
  if (peer.fd >= 0 && !peer.outbox.empty() && SendSome(peer.fd, peer.outbox) && !peer.outbox.empty()) {
    m_closing.emplace(client, std::move(peer));
    return;
  }
  Release(peer);
}

// Also ends a conversation whose closing is still sending: a client that
// stopped reading would otherwise hold its unread answers for ever.
void CLiveLinkListener::DropNow(int id) {
  for (std::map<int, Peer>* peers : {&m_peers, &m_closing}) {
    const auto found = peers->find(id);
    if (found == peers->end()) continue;
    Release(found->second);
    peers->erase(found);
  }
}

}  // namespace korvix
