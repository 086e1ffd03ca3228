// The live-value sweep runs every Run-Loop pass, and a poll at 9600 baud
// takes about 10 ms: every linkable record of a project filled to its
// limits is linked, and the client reads each frame over a real socket.

#include <benchmark/benchmark.h>

#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <thread>

#include "livelink/dde_server.h"

namespace {

using namespace korvix;

class SocketTransport final : public DdeTransport {
public:
  SocketTransport() { ::socketpair(AF_UNIX, SOCK_STREAM, 0, m_fds); }
  ~SocketTransport() override {
    ::close(m_fds[0]);
    ::close(m_fds[1]);
  }
  void Post(int, const std::string& frame) override {
    if (::write(m_fds[0], frame.data(), frame.size()) < 0) std::abort();
  }
  void Close(int) override {}
  // Reads until `frames` LF have arrived.
  void ClientReads(int frames) {
    char buffer[65536];
    while (frames > 0) {
      const ssize_t n = ::read(m_fds[1], buffer, sizeof buffer);
      if (n <= 0) std::abort();
      for (ssize_t i = 0; i < n; ++i) frames -= buffer[i] == '\n' ? 1 : 0;
    }
  }

private:
  int m_fds[2] = {-1, -1};
};

template <class List>
void Fill(List& list, const char* prefix) {
  while (list.Add() >= 0) {
    auto& record = list[list.Count() - 1];
    record.idlabel = prefix + std::to_string(list.Count());
    record.valuetext = "0";
  }
}

struct FullProject {
  FullProject() {
    Fill(doc->m_datawindows, "DW");
    Fill(doc->m_textwindows, "TW");
    Fill(doc->m_inputwindows, "IW");
    Fill(doc->m_levelgauges, "LG");
    Fill(doc->m_dialgauges, "DG");
    Fill(doc->m_metergauges, "MG");
    Fill(doc->m_vertgauges, "VG");
    Fill(doc->m_horzgauges, "HG");
    Fill(doc->m_dualhandgauges, "DH");
    Fill(doc->m_windvanes, "WV");
    Fill(doc->m_eventcounters, "EC");
    Fill(doc->m_eventtimers, "ET");
    Fill(doc->m_picontrollers, "PI");
    Fill(doc->m_variables, "V");
    doc->SetPathName("/data/Plant.kvx");
    server.OnDdeInitiate(1, "Korvix", "Plant.kvx");
    server.OnDdeFrame(1, {"ADVISE", "CF_TEXT", "0", "0", ""});
    transport.ClientReads(2);
    // The first sweep sends more than the socket holds.
    std::thread client([this] { transport.ClientReads(Linked()); });
    server.SendDdeAdvise();
    client.join();
  }
  int Linked() const {
    return doc->m_datawindows.Count() + doc->m_textwindows.Count() + doc->m_inputwindows.Count() +
           doc->m_levelgauges.Count() + doc->m_dialgauges.Count() + doc->m_metergauges.Count() +
           doc->m_vertgauges.Count() + doc->m_horzgauges.Count() + doc->m_dualhandgauges.Count() +
           doc->m_windvanes.Count() + doc->m_eventcounters.Count() + doc->m_eventtimers.Count() +
           doc->m_picontrollers.Count() + doc->m_variables.Count();
  }

  std::unique_ptr<CKorvixDoc> doc = std::make_unique<CKorvixDoc>();
  SocketTransport transport;
  ObjectRunStates states;
  DdeServer server{*doc, states, nullptr, transport};
};

void BM_AdviseFiftyChanges(benchmark::State& state) {
  FullProject project;
  state.counters["linked"] = project.Linked();
  int round = 0;
  for (auto _ : state) {
    ++round;
    for (int i = 0; i < 50; ++i) project.doc->m_datawindows[i * 37].valuetext = std::to_string(round);
    project.server.SendDdeAdvise();
    project.transport.ClientReads(50);
  }
}
BENCHMARK(BM_AdviseFiftyChanges)->Unit(benchmark::kMicrosecond);

void BM_AdviseNoChange(benchmark::State& state) {
  FullProject project;
  for (auto _ : state) project.server.SendDdeAdvise();
}
BENCHMARK(BM_AdviseNoChange)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
