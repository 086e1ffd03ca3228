#pragma once

#include <QLocalServer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <map>
#include <string>

#include "livelink/dde_server.h"
#include "livelink/link_frames.h"

class QLocalSocket;

namespace korvix {

// The socket other programs of this user reach the live-value server on:
// `dde-<pid>.sock` in the user's private runtime folder. It is serviced by
// the interface thread's event loop, which the Run-Loop pumps every pass.
class CLiveLinkListener final : public QObject, private DdeTransport {
public:
  // `folder` empty: the private runtime folder.
  CLiveLinkListener(CKorvixDoc& doc, ObjectRunStates& states, LiveValueFinder values, QObject* parent = nullptr,
                    std::string folder = {});
  ~CLiveLinkListener() override;

  DdeServer& Server() { return m_dde; }
  bool IsListening() const { return m_server.isListening(); }
  QString SocketPath() const { return m_server.fullServerName(); }
  // A new or opened project, or the view's end, ends the conversation.
  void EndConversation() { m_dde.OnDdeTerminate(m_dde.m_ddeclient); }

private:
  struct Peer {
    QPointer<QLocalSocket> socket;
    LinkFrameSplitter frames;
    bool initiated = false;
  };

  void Listen(const std::string& folder);
  void OnNewConnection();
  void OnReadyRead(int id);
  bool ServeFrame(int id, Peer& peer, const std::string& line);
  void Post(int client, const std::string& frame) override;
  void Close(int client) override;
  void Drop(int id);
  int PendingCount() const;

  QLocalServer m_server;
  DdeServer m_dde;
  std::map<int, Peer> m_peers;
  int m_nextid = 1;
};

}  // namespace korvix
