#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/korvix_doc.h"
#include "render/object_run_states.h"
#include "runloop/publishing.h"

namespace korvix {

// Where the live-value conversation's frames go. Clients are numbered by
// the connection layer; 0 is no client.
class DdeTransport {
public:
  virtual ~DdeTransport() = default;
  // A frame that cannot go out may end the conversation from inside the
  // call, through OnDdeTerminate.
  virtual void Post(int client, const std::string& frame) = 0;
  // Ends the connection once what was posted to it has gone out.
  virtual void Close(int client) = 0;
};

// The value text of an ID Label or Variable name; false, without a word to
// the operator, when nothing bears the name.
using LiveValueFinder = std::function<bool(std::string& out, std::string_view name)>;

// The live-value server: one client conversation at a time, in which the
// client requests values or sets up hot links that the Run-Loop's sweep
// pushes once per change and round.
class DdeServer final : public DdeAdvisor {
public:
  // The links live in the view's run-time states, beside the records.
  DdeServer(CKorvixDoc& doc, ObjectRunStates& states, LiveValueFinder values, DdeTransport& transport);

  // True when the client's service and topic name this project; the
  // connection layer closes a client that is not answered.
  bool OnDdeInitiate(int client, std::string_view service, std::string_view topic);
  // One frame after INITIATE from `client`; false when it cannot be read,
  // which ends the conversation.
  bool OnDdeFrame(int client, const std::vector<std::string>& fields);
  // The client asked to end, or its connection went.
  void OnDdeTerminate(int client, bool reply = true);

  void SendDdeAdvise() override;
  void SetDdeLinkByLabel(std::string_view label, int value);

  int m_ddeclient = 0;
  int m_ddedeferupd = 0;
  int m_ddeackreq = 0;

private:
  void OnDdeRequest(const std::string& format, const std::string& item);
  void OnDdeAdvise(const std::string& format, int defer, int ack, const std::string& item);
  void OnDdeUnadvise(const std::string& item);
  void PostDdeData(const std::string& item, const std::string& value);
  void PostAck(const std::string& item, bool positive);
  void ClearConversation();

  CKorvixDoc& m_doc;
  ObjectRunStates& m_states;
  LiveValueFinder m_values;
  DdeTransport& m_transport;
};

}  // namespace korvix
