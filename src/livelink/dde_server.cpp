#include "livelink/dde_server.h"

#include "document/kind_traits.h"
#include "livelink/link_frames.h"
#include "texts/label_texts.h"

namespace korvix {

namespace {

constexpr char kServiceName[] = "Korvix";
constexpr char kTextFormat[] = "CF_TEXT";
constexpr char kAckPositive[] = "8000";
constexpr char kAckNegative[] = "0";
constexpr char kNoData[] = "-";
// Names are compared on this many characters at most, so that no client
// can make the server walk the project with an arbitrarily long one.
constexpr std::size_t kMaxNameLength = 99;

std::string Name(std::string_view text) { return std::string(text.substr(0, kMaxNameLength)); }

std::string ProjectFileName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A value the client can tell from no value at all.
std::string Served(const std::string& value) { return (value.empty() ? std::string(" ") : value) + "\r\n"; }

bool ReadFlag(const std::string& field, int& flag) {
  if (field != "0" && field != "1") return false;
  flag = field == "1" ? 1 : 0;
  return true;
}

// The linked kinds in kind order, then the Variables, the order the sweep
// pushes them in; fn(record, link) gets each record with its link state.
template <class Fn>
void ForEachLinkable(CKorvixDoc& doc, ObjectRunStates& states, Fn fn) {
  const auto each = [&fn](auto& list, auto& links) {
    for (int i = 0; i < list.Count(); ++i) fn(list[i], links[i]);
  };
  ForEachKind([&](auto tag) {
    constexpr ScreenObjectKind kind = decltype(tag)::value;
    if constexpr (KindTraits<kind>::kLinked) each(ListOf<kind>(doc), states.Of<kind>());
  });
  each(doc.m_variables, states.Variables());
}

}  // namespace

DdeServer::DdeServer(CKorvixDoc& doc, ObjectRunStates& states, LiveValueFinder values, DdeTransport& transport)
    : m_doc(doc), m_states(states), m_values(std::move(values)), m_transport(transport) {}

bool DdeServer::OnDdeInitiate(int client, std::string_view service, std::string_view topic) {
  const std::string servicename = Name(service);
  const std::string topicname = Name(topic);
  const std::string filename = ProjectFileName(m_doc.GetPathName());
  if (servicename.empty() || topicname.empty() || filename.empty()) return false;
  if (!LabelsEqual(servicename, kServiceName) || !LabelsEqual(topicname, filename)) return false;
  if (m_ddeclient != 0 && m_ddeclient != client) {
    const int old = m_ddeclient;
    ClearConversation();
    m_transport.Post(old, EncodeLinkFrame({"TERMINATE"}));
    m_transport.Close(old);
  }
  m_ddeclient = client;
  m_transport.Post(client, EncodeLinkFrame({"ACK", "INITIATE", std::string(service), std::string(topic)}));
  return true;
}

bool DdeServer::OnDdeFrame(int client, const std::vector<std::string>& fields) {
  if (client != m_ddeclient || fields.empty()) return false;
  const std::string& verb = fields[0];
  if (verb == "REQUEST" && fields.size() == 3) {
    OnDdeRequest(fields[1], fields[2]);
  } else if (verb == "ADVISE" && fields.size() == 5) {
    int defer = 0;
    int ack = 0;
    if (!ReadFlag(fields[2], defer) || !ReadFlag(fields[3], ack)) return false;
    OnDdeAdvise(fields[1], defer, ack, fields[4]);
  } else if (verb == "UNADVISE" && fields.size() == 3) {
    OnDdeUnadvise(fields[2]);
  } else if (verb == "ACK" && fields.size() == 3) {
    // Acknowledgements of pushed values need nothing more.
  } else if (verb == "POKE" && fields.size() == 4) {
    PostAck(fields[2], false);
  } else if (verb == "EXECUTE" && fields.size() == 2) {
    PostAck(fields[1], false);
  } else if (verb == "TERMINATE" && fields.size() == 1) {
    OnDdeTerminate(client);
  } else {
    return false;
  }
  return true;
}

void DdeServer::OnDdeTerminate(int client, bool reply) {
  if (client == 0) return;
  if (reply) m_transport.Post(client, EncodeLinkFrame({"TERMINATE"}));
  if (client == m_ddeclient) ClearConversation();
  m_transport.Close(client);
}

void DdeServer::ClearConversation() {
  SetDdeLinkByLabel("", 0);
  m_ddeclient = 0;
}

void DdeServer::OnDdeRequest(const std::string& format, const std::string& item) {
  std::string value;
  if (format != kTextFormat || !m_values || !m_values(value, Name(item))) {
    PostAck(item, false);
    return;
  }
  m_transport.Post(m_ddeclient, EncodeLinkFrame({"DATA", item, "1", "0", kTextFormat, Served(value)}));
}

void DdeServer::OnDdeAdvise(const std::string& format, int defer, int ack, const std::string& item) {
  m_ddedeferupd = defer;
  m_ddeackreq = ack;
  if (format != kTextFormat) {
    PostAck(item, false);
    return;
  }
  SetDdeLinkByLabel(Name(item), 1);
  PostAck(item, true);
}

void DdeServer::OnDdeUnadvise(const std::string& item) {
  SetDdeLinkByLabel(Name(item), 0);
  PostAck(item, true);
}

void DdeServer::PostAck(const std::string& item, bool positive) {
  m_transport.Post(m_ddeclient, EncodeLinkFrame({"ACK", item, positive ? kAckPositive : kAckNegative}));
}

void DdeServer::SetDdeLinkByLabel(std::string_view label, int value) {
  ForEachLinkable(m_doc, m_states, [&](const auto& record, auto& link) {
    if (!label.empty() && !LabelsEqual(record.idlabel, label)) return;
    link.ddelink = value;
    // What went out belongs to this link; a new one starts afresh.
    if (value == 0) link.ddelast.clear();
  });
}

void DdeServer::SendDdeAdvise() {
  if (m_ddeclient == 0) return;
  ForEachLinkable(m_doc, m_states, [&](const auto& record, auto& link) {
    if (link.ddelink == 0 || record.valuetext == link.ddelast) return;
    link.ddelast = record.valuetext;
    PostDdeData(record.idlabel, record.valuetext);
  });
}

void DdeServer::PostDdeData(const std::string& item, const std::string& value) {
  const std::string ackreq = m_ddeackreq ? "1" : "0";
  if (m_ddedeferupd) {
    m_transport.Post(m_ddeclient, EncodeLinkFrame({"DATA", item, "0", ackreq, kNoData}));
  } else {
    m_transport.Post(m_ddeclient, EncodeLinkFrame({"DATA", item, "0", ackreq, kTextFormat, Served(value)}));
  }
}

}  // namespace korvix
