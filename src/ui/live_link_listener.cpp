#include "ui/live_link_listener.h"

#include <dirent.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QLocalSocket>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string_view>

#include "platform/private_folder.h"

namespace korvix {

namespace {

constexpr char kSocketPrefix[] = "dde-";
constexpr char kSocketSuffix[] = ".sock";
constexpr int kMaxWaitingPeers = 8;
constexpr int kInitiateWaitMs = 5000;
// A client that leaves this much of what it was sent unread is not reading.
constexpr qint64 kMaxUnread = 1024 * 1024;

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

bool SameUser(QLocalSocket& socket) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  const int fd = static_cast<int>(socket.socketDescriptor());
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 && credentials.uid == ::getuid();
}

}  // namespace

CLiveLinkListener::CLiveLinkListener(CKorvixDoc& doc, ObjectRunStates& states, LiveValueFinder values, QObject* parent,
                                     std::string folder)
    : QObject(parent), m_dde(doc, states, std::move(values), *this) {
  Listen(folder.empty() ? PrivateRuntimeFolderPath() : folder);
}

CLiveLinkListener::~CLiveLinkListener() {
  EndConversation();
  for (auto& [id, peer] : m_peers) delete peer.socket.data();
  m_peers.clear();
  const QString path = m_server.fullServerName();
  m_server.close();
  if (!path.isEmpty()) QLocalServer::removeServer(path);
}

void CLiveLinkListener::Listen(const std::string& folder) {
  std::string problem;
  if (EnsurePrivateFolder(folder, problem).empty()) {
    std::fprintf(stderr, "Korvix: no live-value link: %s\n", problem.c_str());
    return;
  }
  RemoveStaleSockets(folder);
  const std::string path = folder + "/" + kSocketPrefix + std::to_string(::getpid()) + kSocketSuffix;
  QLocalServer::removeServer(QString::fromStdString(path));
  const mode_t oldmask = ::umask(077);
  const bool listening = m_server.listen(QString::fromStdString(path));
  ::umask(oldmask);
  if (!listening) {
    std::fprintf(stderr, "Korvix: no live-value link: %s: %s\n", path.c_str(),
                 m_server.errorString().toLocal8Bit().constData());
    return;
  }
  ::chmod(path.c_str(), 0600);
  connect(&m_server, &QLocalServer::newConnection, this, &CLiveLinkListener::OnNewConnection);
}

int CLiveLinkListener::PendingCount() const {
  int count = 0;
  for (const auto& [id, peer] : m_peers) count += peer.initiated ? 0 : 1;
  return count;
}

void CLiveLinkListener::OnNewConnection() {
  while (QLocalSocket* socket = m_server.nextPendingConnection()) {
    if (!SameUser(*socket) || PendingCount() >= kMaxWaitingPeers) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    const int id = m_nextid++;
    m_peers[id].socket = socket;
    connect(socket, &QLocalSocket::readyRead, this, [this, id] { OnReadyRead(id); });
    connect(socket, &QLocalSocket::disconnected, this, [this, id] {
      if (m_peers.count(id) != 0) m_dde.OnDdeTerminate(id, false);
      Drop(id);
    });
    QTimer::singleShot(kInitiateWaitMs, socket, [this, id] {
      const auto peer = m_peers.find(id);
      if (peer != m_peers.end() && !peer->second.initiated) Drop(id);
    });
  }
}

void CLiveLinkListener::OnReadyRead(int id) {
  for (;;) {
    const auto found = m_peers.find(id);
    if (found == m_peers.end() || !found->second.socket) return;
    Peer& peer = found->second;
    const QByteArray bytes = peer.socket->readAll();
    peer.frames.Append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::optional<std::string> line = peer.frames.Next();
    if (!line) {
      if (peer.frames.Overlong()) m_dde.OnDdeTerminate(id, false);
      return;
    }
    if (!ServeFrame(id, peer, *line)) {
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
  const auto peer = m_peers.find(client);
  if (peer == m_peers.end() || !peer->second.socket) return;
  QLocalSocket& socket = *peer->second.socket;
  socket.write(frame.data(), static_cast<qint64>(frame.size()));
  if (socket.bytesToWrite() > kMaxUnread) {
    m_dde.OnDdeTerminate(client, false);
    Drop(client);
  }
}

void CLiveLinkListener::Close(int client) {
  const auto peer = m_peers.find(client);
  if (peer == m_peers.end()) return;
  QPointer<QLocalSocket> socket = peer->second.socket;
  m_peers.erase(peer);
  if (!socket) return;
  // What was posted before the end still reaches the client.
  socket->flush();
  connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  socket->disconnectFromServer();
}

void CLiveLinkListener::Drop(int id) {
  const auto peer = m_peers.find(id);
  if (peer == m_peers.end()) return;
  QPointer<QLocalSocket> socket = peer->second.socket;
  m_peers.erase(peer);
  if (!socket) return;
  socket->abort();
  socket->deleteLater();
}

}  // namespace korvix
