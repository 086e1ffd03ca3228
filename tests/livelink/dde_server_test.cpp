#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "livelink/dde_server.h"
#include "livelink/link_frames.h"

namespace korvix {
namespace {

struct FakeTransport final : DdeTransport {
  std::vector<std::pair<int, std::string>> posted;
  std::vector<int> closed;
  void Post(int client, const std::string& frame) override { posted.emplace_back(client, frame); }
  void Close(int client) override { closed.push_back(client); }
  std::vector<std::string> Take() {
    std::vector<std::string> frames;
    for (const auto& [client, frame] : posted) frames.push_back(std::to_string(client) + ":" + frame);
    posted.clear();
    return frames;
  }
};

class DdeServerTest : public ::testing::Test {
protected:
  DdeServerTest()
      : server(
            doc, states,
            [this](std::string& out, std::string_view name) {
              const auto found = values.find(std::string(name));
              if (found == values.end()) return false;
              out = found->second;
              return true;
            },
            transport) {
    doc.SetPathName("/data/Plant.kvx");
    doc.m_datawindows.Add(DataWindowRecord{});
    doc.m_datawindows[0].idlabel = "Temp";
    doc.m_datawindows[0].valuetext = "23.5";
    doc.m_variables.Add(VariableRecord{});
    doc.m_variables[0].idlabel = "Count";
    doc.m_variables[0].valuetext = "7";
    doc.m_eventcounters.Add(EventCounterRecord{});
    doc.m_eventcounters[0].idlabel = "Pulses";
    doc.m_eventcounters[0].valuetext = "3";
  }

  void Open(int client = 1) {
    ASSERT_TRUE(server.OnDdeInitiate(client, "Korvix", "Plant.kvx"));
    transport.Take();
  }
  bool Frame(const std::string& line, int client = 1) { return server.OnDdeFrame(client, *DecodeLinkFrame(line)); }

  CKorvixDoc doc;
  ObjectRunStates states;
  std::map<std::string, std::string> values{{"Temp", "23.5"}, {"Empty", ""}, {"systemtime", "17:00:00"}};
  FakeTransport transport;
  DdeServer server;
};

TEST_F(DdeServerTest, InitiateMatchesServiceAndProjectFileName) {
  struct Case {
    const char* service;
    const char* topic;
    bool accepted;
  };
  const std::vector<Case> cases = {{"korvix", "plant.KVX", true}, {"K orvix", "Plant.kvx", true},
                                   {"Korvix", "", false},         {"", "Plant.kvx", false},
                                   {"Other", "Plant.kvx", false}, {"Korvix", "Plant", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.service) + "/" + c.topic);
    server.m_ddeclient = 0;
    EXPECT_EQ(server.OnDdeInitiate(5, c.service, c.topic), c.accepted);
    EXPECT_EQ(transport.Take(), c.accepted ? std::vector<std::string>{"5:ACK\tINITIATE\t" + std::string(c.service) +
                                                                      "\t" + c.topic + "\n"}
                                           : std::vector<std::string>{});
  }
  server.m_ddeclient = 0;
  doc.SetPathName("");
  EXPECT_FALSE(server.OnDdeInitiate(5, "Korvix", ""));
}

TEST_F(DdeServerTest, RequestAnswersKnownNamesAndRefusesTheRest) {
  Open();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"REQUEST\tCF_TEXT\tTemp", "1:DATA\tTemp\t1\t0\tCF_TEXT\t23.5%0D%0A\n"},
      {"REQUEST\tCF_TEXT\tEmpty", "1:DATA\tEmpty\t1\t0\tCF_TEXT\t %0D%0A\n"},
      {"REQUEST\tCF_TEXT\tsystemtime", "1:DATA\tsystemtime\t1\t0\tCF_TEXT\t17:00:00%0D%0A\n"},
      {"REQUEST\tCF_TEXT\tNoSuch", "1:ACK\tNoSuch\t0\n"},
      {"REQUEST\tCF_UNICODETEXT\tTemp", "1:ACK\tTemp\t0\n"},
      {"POKE\tCF_TEXT\tTemp\t1", "1:ACK\tTemp\t0\n"},
      {"EXECUTE\t[run]", "1:ACK\t[run]\t0\n"},
  };
  for (const auto& [frame, reply] : cases) {
    SCOPED_TRACE(frame);
    EXPECT_TRUE(Frame(frame));
    EXPECT_EQ(transport.Take(), std::vector<std::string>{reply});
  }
  EXPECT_FALSE(Frame("REQUEST\tCF_TEXT"));
  EXPECT_FALSE(Frame("ADVISE\tCF_TEXT\t2\t0\tTemp"));
  EXPECT_FALSE(Frame("REQUEST\tCF_TEXT\tTemp", 9));
}

TEST_F(DdeServerTest, SweepPushesEachChangeOncePerRoundInKindOrder) {
  Open();
  EXPECT_TRUE(Frame("ADVISE\tCF_TEXT\t0\t1\t"));
  EXPECT_EQ(transport.Take(), std::vector<std::string>{"1:ACK\t\t8000\n"});
  server.SendDdeAdvise();
  EXPECT_EQ(transport.Take(), (std::vector<std::string>{"1:DATA\tTemp\t0\t1\tCF_TEXT\t23.5%0D%0A\n",
                                                        "1:DATA\tPulses\t0\t1\tCF_TEXT\t3%0D%0A\n",
                                                        "1:DATA\tCount\t0\t1\tCF_TEXT\t7%0D%0A\n"}));
  server.SendDdeAdvise();
  EXPECT_TRUE(transport.Take().empty());

  doc.m_variables[0].valuetext = "8";
  doc.m_datawindows[0].valuetext = "24.0";
  doc.m_datawindows[0].valuetext = "23.5";
  server.SendDdeAdvise();
  EXPECT_EQ(transport.Take(), std::vector<std::string>{"1:DATA\tCount\t0\t1\tCF_TEXT\t8%0D%0A\n"});

  EXPECT_TRUE(Frame("UNADVISE\tCF_TEXT\tcount"));
  EXPECT_EQ(transport.Take(), std::vector<std::string>{"1:ACK\tcount\t8000\n"});
  doc.m_variables[0].valuetext = "9";
  server.SendDdeAdvise();
  EXPECT_TRUE(transport.Take().empty());

  EXPECT_TRUE(Frame("ADVISE\tCF_TEXT\t1\t0\tCount"));
  transport.Take();
  server.SendDdeAdvise();
  EXPECT_EQ(transport.Take(), std::vector<std::string>{"1:DATA\tCount\t0\t0\t-\n"});
}

TEST_F(DdeServerTest, UnknownOrReservedAdviseIsAcknowledgedAndNeverPushed) {
  Open();
  for (const std::string name : {"NoSuch", "systemtime"}) {
    EXPECT_TRUE(Frame("ADVISE\tCF_TEXT\t0\t0\t" + name));
    EXPECT_EQ(transport.Take(), std::vector<std::string>{"1:ACK\t" + name + "\t8000\n"});
  }
  server.SendDdeAdvise();
  EXPECT_TRUE(transport.Take().empty());
  EXPECT_TRUE(Frame("ADVISE\tCF_OTHER\t0\t0\tTemp"));
  EXPECT_EQ(transport.Take(), std::vector<std::string>{"1:ACK\tTemp\t0\n"});
}

TEST_F(DdeServerTest, TakeoverAndTerminateClearEveryLink) {
  Open(1);
  Frame("ADVISE\tCF_TEXT\t0\t0\t");
  server.SendDdeAdvise();
  transport.Take();
  ASSERT_TRUE(server.OnDdeInitiate(2, "Korvix", "Plant.kvx"));
  EXPECT_EQ(transport.Take(), (std::vector<std::string>{"1:TERMINATE\n", "2:ACK\tINITIATE\tKorvix\tPlant.kvx\n"}));
  EXPECT_EQ(transport.closed, std::vector<int>{1});
  EXPECT_EQ(states.Of<ScreenObjectKind::DataWindow>()[0].ddelink, 0);
  EXPECT_EQ(states.Of<ScreenObjectKind::DataWindow>()[0].ddelast, "");

  // A new client gets the current value on the next sweep.
  Frame("ADVISE\tCF_TEXT\t0\t0\tTemp", 2);
  transport.Take();
  server.SendDdeAdvise();
  EXPECT_EQ(transport.Take(), std::vector<std::string>{"2:DATA\tTemp\t0\t0\tCF_TEXT\t23.5%0D%0A\n"});

  EXPECT_TRUE(Frame("TERMINATE", 2));
  EXPECT_EQ(transport.Take(), std::vector<std::string>{"2:TERMINATE\n"});
  EXPECT_EQ(server.m_ddeclient, 0);
  EXPECT_EQ(states.Of<ScreenObjectKind::DataWindow>()[0].ddelink, 0);
  server.SendDdeAdvise();
  EXPECT_TRUE(transport.Take().empty());
}

}  // namespace
}  // namespace korvix
