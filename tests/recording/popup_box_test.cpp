#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/recording_message_sink.h"
#include "recording/popup_box.h"

namespace korvix {
namespace {

class RecordingPopupWindow final : public PopupWindow {
public:
  std::vector<std::string> events;
  void Create(const std::string& title, const std::string& message, const std::string& helptopic) override {
    events.push_back("create " + title + "|" + message + "|" + helptopic);
  }
  void Destroy() override { events.push_back("destroy"); }
};

class PopupBoxTest : public ::testing::Test {
protected:
  RecordingPopupWindow m_window;
  PopupBox m_popup{m_window};
  RecordingMessageSink m_sink;
};

TEST_F(PopupBoxTest, AMessageBoxClosesAShownPopupFirst) {
  m_popup.AttachTo(m_sink);
  ASSERT_TRUE(m_popup.Show("Tank", "Level high", "tank.htm"));
  EXPECT_EQ(m_popup.m_open, 1);
  EXPECT_EQ(m_popup.m_title, "Tank");
  EXPECT_EQ(m_popup.m_message, "Level high");
  EXPECT_EQ(m_popup.m_helptopic, "tank.htm");
  m_sink.Show("File Access Error", "x", MessageIcon::Exclamation);
  EXPECT_EQ(m_popup.m_open, 0);
  m_sink.Show("File Access Error", "y", MessageIcon::Exclamation);
  EXPECT_EQ(m_window.events, (std::vector<std::string>{"create Tank|Level high|tank.htm", "destroy"}));
  EXPECT_EQ(m_sink.shown.size(), 2u);
}

TEST_F(PopupBoxTest, ALaterPopupReplacesAnOrdinaryOneButNotAStickyOne) {
  m_popup.Show("A", "first");
  EXPECT_TRUE(m_popup.Show("B", "second"));
  EXPECT_EQ(m_popup.m_message, "second");
  EXPECT_TRUE(m_popup.Show("Email", "send failed", "", true));
  EXPECT_FALSE(m_popup.Show("C", "third"));
  EXPECT_EQ(m_popup.m_message, "send failed");
  EXPECT_EQ(m_popup.m_sticky, 1);
  m_popup.OnClosedByUser();
  EXPECT_EQ(m_popup.m_sticky, 0);
  EXPECT_TRUE(m_popup.Show("C", "third"));
  EXPECT_EQ(m_window.events.size(), 6u);  // four creates, two replacements destroyed
}

TEST_F(PopupBoxTest, HaltFromThePopupClosesItAndHaltsOnce) {
  int halts = 0;
  m_popup.SetHaltHandler([&halts] { ++halts; });
  m_popup.Show("A", "stop?");
  m_popup.OnHaltPressed();
  EXPECT_EQ(halts, 1);
  EXPECT_EQ(m_popup.m_open, 0);
}

}  // namespace
}  // namespace korvix
