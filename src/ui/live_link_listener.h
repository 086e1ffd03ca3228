#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <string>

#include "livelink/dde_server.h"
#include "livelink/link_frames.h"

class QSocketNotifier;

namespace korvix {

// The socket other programs of this user reach the live-value server on:
// `dde-<pid>.sock` in the user's private runtime folder. It is serviced by
// the interface thread's event loop, which the Run-Loop pumps every pass.
// Plain local sockets watched by notifiers: the toolkit's network library
// would bring its name-service and security libraries, a megabyte of
// memory held from the start for a socket that most runs never use.
class CLiveLinkListener final : public QObject, private DdeTransport {
public:
  // `folder` empty: the private runtime folder.
  CLiveLinkListener(CKorvixDoc& doc, ObjectRunStates& states, LiveValueFinder values, QObject* parent = nullptr,
                    std::string folder = {});
  ~CLiveLinkListener() override;

  DdeServer& Server() { return m_dde; }
  bool IsListening() const { return m_listenfd >= 0; }
  // Empty when not listening.
  QString SocketPath() const { return IsListening() ? QString::fromStdString(m_path) : QString(); }
  // A new or opened project, or the view's end, ends the conversation.
  void EndConversation() { m_dde.OnDdeTerminate(m_dde.m_ddeclient); }

private:
  // One connection; what it was sent and the socket has not yet taken
  // waits in `outbox`.
  struct Peer {
    int fd = -1;
    QSocketNotifier* reader = nullptr;
    QSocketNotifier* writer = nullptr;
    std::string outbox;
    LinkFrameSplitter frames;
    bool initiated = false;
  };
  // Close lets what was posted go out first; Drop abandons it.
  enum class Ending { None, Close, Drop };

  void Listen(const std::string& folder);
  void OnNewConnection();
  void OnReadable(int id);
  void ServeFrames(int id);
  bool ServeFrame(int id, Peer& peer, const std::string& line);
  void OnWritable(int id);
  void Post(int client, const std::string& frame) override;
  void Close(int client) override { End(client, Ending::Close); }
  void Drop(int id) { End(id, Ending::Drop); }
  void End(int id, Ending how);
  void CloseNow(int id);
  void DropNow(int id);
  static void Release(Peer& peer);
  void StopListening();
  int PendingCount() const;

  int m_listenfd = -1;
  std::string m_path;
  QSocketNotifier* m_acceptor = nullptr;
  DdeServer m_dde;
  std::map<int, Peer> m_peers;
  // Closed conversations whose last frames are still on their way out.
  std::map<int, Peer> m_closing;
  int m_nextid = 1;
  // The connection one of whose frames is being served, 0 for none, and
  // how it is to end once that frame's handling has returned: the handler
  // and its callers still hold it.
  int m_serving = 0;
  Ending m_servingend = Ending::None;
};

}  // namespace korvix
