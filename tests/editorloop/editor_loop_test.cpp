#include <gtest/gtest.h>

#include <climits>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../comms/fake_com_link_host.h"
#include "comms/com_link.h"
#include "editorloop/editor_loop.h"
#include "platform/profile.h"
#include "platform/testing/fake_clocks.h"
#include "texts/number_texts.h"

namespace korvix::testing {
namespace {

using Log = std::vector<std::string>;

class LoggedEditor final : public ModelessEditor {
public:
  LoggedEditor(std::string name, Log& log) : m_name(std::move(name)), m_log(log) {}
  int m_open = 1;
  bool IsOpen() const override { return m_open == 1; }
  void DisableWindow() override { m_log.push_back(m_name + " disabled"); }
  void EnableWindowAndFocus() override { m_log.push_back(m_name + " enabled"); }
  void DestroyWindow() override { m_log.push_back(m_name + " destroyed"); }

private:
  std::string m_name;
  Log& m_log;
};

class LoggedSink final : public MessageSink {
public:
  explicit LoggedSink(Log& log) : m_log(log) {}

protected:
  MessageResult Present(const std::string&, const std::string& text, MessageIcon, MessageButtons) override {
    m_log.push_back("message " + text);
    return MessageResult::Ok;
  }

private:
  Log& m_log;
};

class CountingPort final : public SerialPort {
public:
  explicit CountingPort(int& reads) : m_reads(reads) {}
  bool Open(const std::string&) override { return true; }
  bool IsOpen() const override { return true; }
  SerialRead ReadByte(uint8_t&) override {
    ++m_reads;
    return SerialRead::Nothing;
  }
  bool Write(const std::string&) override { return true; }
  bool WaitReadable(std::chrono::microseconds) override { return false; }
  void Purge() override {}
  void Close() override {}

private:
  int& m_reads;
};

// Each wait of the loop plays the test's next step: what happens while the
// editor waits for the user.
class ScriptedWait final : public PassWait {
public:
  std::deque<std::function<void()>> steps;
  std::function<void()> runout;

  void WaitMessage() override {
    if (steps.empty()) return runout();
    const std::function<void()> step = std::move(steps.front());
    steps.pop_front();
    step();
  }
};

class EditorLoopTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(link.OpenComPort(0), 1);
    sink.SetPopupCloser([this] { log.push_back("popup closed"); });
    // A test that forgets to close its editors fails instead of hanging.
    wait.runout = [this] {
      ADD_FAILURE() << "the editor waited past the last step";
      QuitArrives();
    };
  }

  void Then(std::function<void()> step) { wait.steps.push_back(std::move(step)); }
  void QuitArrives() {
    host.queue.push_back(QueuedMessage::Other);
    host.quit_next = true;
  }
  EditorRequest Logged(int& flag, const std::string& name) {
    return {&flag, [this, name] { log.push_back(name); }};
  }

  Log log;
  FakeComLinkHost host;
  LoggedSink sink{log};
  FakeMillisecondClock clock;
  MemoryProfile profile;
  NumberTexts numbers;
  int reads = 0;
  ComLink link{
      PeersOf(host), host.run, sink, clock, profile, numbers, [this] { return std::make_unique<CountingPort>(reads); }};
  ScriptedWait wait;
  EditorLoop loop{link, wait, sink};
};

TEST_F(EditorLoopTest, ServesRaisedRequestsInTheEditorsOrderThenSetsTheButtonsAndStoresOnClose) {
  LoggedEditor editor("list", log);
  int add = 0, edit = 0, remove = 0;
  const EditorPass pass{.requests = {Logged(add, "add"), Logged(edit, "edit"), Logged(remove, "delete")},
                        .enables = [this] { log.push_back("enables"); },
                        .writeback = [this] { log.push_back("writeback"); }};
  Then([&] { remove = add = 1; });
  Then([&] { editor.m_open = 0; });

  EXPECT_EQ(loop.Run(editor, pass), EditorEnd::Closed);
  EXPECT_EQ(log, (Log{"enables", "add", "delete", "enables", "writeback", "list destroyed"}));
  EXPECT_EQ(add + edit + remove, 0);
  EXPECT_EQ(loop.OpenEditors(), 0);
}

TEST_F(EditorLoopTest, ARequestThatClosesTheEditorEndsItWithoutWaitingAgain) {
  LoggedEditor editor("configuration", log);
  int closerequest = 0;
  const EditorPass pass{.requests = {{&closerequest, [&] { editor.m_open = 0; }}},
                        .writeback = [this] { log.push_back("writeback"); }};
  Then([&] { closerequest = 1; });

  EXPECT_EQ(loop.Run(editor, pass), EditorEnd::Closed);
  EXPECT_TRUE(wait.steps.empty());
  EXPECT_EQ(log, (Log{"writeback", "configuration destroyed"}));
}

TEST_F(EditorLoopTest, APaintWaitsWhileTheLastReleaseIsAtMost100MsOld) {
  struct Case {
    uint32_t sincerelease;
    size_t queuedafter;
  };
  for (const Case c : {Case{0, 1}, Case{100, 1}, Case{101, 0}, Case{5000, 0}}) {
    SCOPED_TRACE(c.sincerelease);
    LoggedEditor editor("list", log);
    host.queue.clear();
    Then([&] {
      link.m_releasetime = 7000;
      clock.now = 7000 + c.sincerelease;
      host.queue = {QueuedMessage::Paint};
    });
    Then([&] {
      EXPECT_EQ(host.queue.size(), c.queuedafter);
      editor.m_open = 0;
    });
    EXPECT_EQ(loop.Run(editor, {}), EditorEnd::Closed);
  }
}

TEST_F(EditorLoopTest, AQuitEndsTheEditorAtOnceServingAndStoringNothingAndIsPostedAgain) {
  LoggedEditor editor("list", log);
  int add = 0;
  const EditorPass pass{.requests = {Logged(add, "add")}, .writeback = [this] { log.push_back("writeback"); }};
  Then([&] {
    add = 1;
    QuitArrives();
  });

  EXPECT_EQ(loop.Run(editor, pass), EditorEnd::Quit);
  EXPECT_EQ(log, (Log{"list destroyed"}));
  EXPECT_EQ(host.calls, (std::vector<std::string>{"PostQuitMessage"}));
  EXPECT_EQ(add, 1);
}

TEST_F(EditorLoopTest, AQuitInANestedEditorEndsEveryOpenEditorFromTheInsideOut) {
  LoggedEditor outer("list", log), inner("configuration", log);
  int edit = 0, add = 0, innerdelete = 0;
  EditorEnd innerend = EditorEnd::Closed;
  const EditorPass innerpass{.requests = {Logged(innerdelete, "inner delete")},
                             .writeback = [this] { log.push_back("inner writeback"); }};
  const EditorPass outerpass{.requests = {{&edit, [&] { innerend = loop.Run(inner, innerpass); }}, Logged(add, "add")},
                             .writeback = [this] { log.push_back("outer writeback"); }};
  Then([&] { edit = 1; });
  Then([&] {
    add = innerdelete = 1;
    QuitArrives();
  });

  EXPECT_EQ(loop.Run(outer, outerpass), EditorEnd::Quit);
  EXPECT_EQ(innerend, EditorEnd::Quit);
  EXPECT_EQ(log, (Log{"configuration destroyed", "list destroyed"}));
  EXPECT_EQ(loop.OpenEditors(), 0);

  // The quit is the program's now; an editor opened after it runs as usual.
  host.quit_next = false;
  LoggedEditor next("variables", log);
  Then([&] { next.m_open = 0; });
  EXPECT_EQ(loop.Run(next, {}), EditorEnd::Closed);
}

TEST_F(EditorLoopTest, FlagsRaisedInTheOuterEditorWhileTheInnerRunsAreServedOnceItClosed) {
  LoggedEditor outer("list", log), inner("configuration", log);
  int edit = 0, remove = 0, innercopy = 0;
  const EditorPass innerpass{.requests = {Logged(innercopy, "inner copy")}};
  const EditorPass outerpass{.requests = {{&edit,
                                           [&] {
                                             log.push_back("edit");
                                             inner.m_open = 1;
                                             EXPECT_EQ(loop.Run(inner, innerpass), EditorEnd::Closed);
                                             EXPECT_EQ(loop.OpenEditors(), 1);
                                           }},
                                          Logged(remove, "delete")}};
  Then([&] { edit = 1; });
  Then([&] {
    EXPECT_EQ(loop.OpenEditors(), 2);
    remove = edit = 1;
    innercopy = 1;
  });
  Then([&] { inner.m_open = 0; });
  Then([&] { EXPECT_EQ(log.back(), "delete"); });
  Then([&] { inner.m_open = 0; });
  Then([&] { outer.m_open = 0; });

  EXPECT_EQ(loop.Run(outer, outerpass), EditorEnd::Closed);
  EXPECT_EQ(log, (Log{"edit", "inner copy", "configuration destroyed", "delete", "edit", "configuration destroyed",
                      "list destroyed"}));
}

TEST_F(EditorLoopTest, PasteIsEnabledOnlyWhileTheClipboardHoldsTheEditorsOwnKind) {
  LoggedEditor outer("scripts", log), inner("steps", log);
  int edit = 0, copyscript = 0, copystep = 0;
  std::vector<bool> outerpaste, innerpaste;
  const EditorPass innerpass{
      .requests = {{&copystep, [&] { loop.m_clipkind = static_cast<int>(ClipKind::ScriptStep); }}},
      .enables = [&] { innerpaste.push_back(loop.CanPaste(ClipKind::ScriptStep)); }};
  const EditorPass outerpass{.requests = {{&edit, [&] { loop.Run(inner, innerpass); }},
                                          {&copyscript, [&] { loop.m_clipkind = static_cast<int>(ClipKind::Script); }}},
                             .enables = [&] { outerpaste.push_back(loop.CanPaste(ClipKind::Script)); }};
  Then([&] { copyscript = 1; });
  Then([&] { edit = 1; });
  Then([&] { copystep = 1; });
  Then([&] { inner.m_open = 0; });
  Then([&] { outer.m_open = 0; });

  loop.Run(outer, outerpass);
  EXPECT_EQ(outerpaste, (std::vector<bool>{false, true, false}));
  EXPECT_EQ(innerpaste, (std::vector<bool>{false, true}));

  const ClipKind kinds[] = {ClipKind::Script, ClipKind::ScriptStep, ClipKind::Conditional, ClipKind::Variable};
  for (const int held : {0, 1, -5, INT_MIN, INT_MAX}) {
    loop.m_clipkind = held;
    for (const ClipKind kind : kinds) EXPECT_FALSE(loop.CanPaste(kind)) << held;
  }
  for (const ClipKind kind : kinds) {
    loop.m_clipkind = static_cast<int>(kind);
    for (const ClipKind other : kinds) EXPECT_EQ(loop.CanPaste(other), other == kind);
  }
}

TEST_F(EditorLoopTest, EachPassReadsThePortOnceOnlyWhileTheRunLoopRunsOrTheConsolePolls) {
  struct Case {
    int runloop;
    int pollport;
    int reads;
  };
  for (const Case c : {Case{0, 0, 0}, Case{1, 0, 3}, Case{0, 1, 3}, Case{1, 1, 3}}) {
    SCOPED_TRACE(::testing::Message() << c.runloop << c.pollport);
    host.run.SetRunning(c.runloop != 0);
    link.m_pollport = c.pollport;
    reads = 0;
    LoggedEditor editor("view", log);
    Then([] {});
    Then([] {});
    Then([&] { editor.m_open = 0; });
    loop.Run(editor, {});
    EXPECT_EQ(reads, c.reads);
  }
}

TEST_F(EditorLoopTest, AFailedRequestShowsItsMessageOverTheInnermostEditorWithThePopupClosedFirst) {
  LoggedEditor outer("list", log), inner("configuration", log);
  int edit = 0, paste = 0;
  const EditorPass innerpass{
      .requests = {{&paste, [&] { loop.ShowMessage("Over Limit", "full", MessageIcon::Exclamation); }}}};
  const EditorPass outerpass{.requests = {{&edit, [&] { loop.Run(inner, innerpass); }}}};
  Then([&] { edit = 1; });
  Then([&] { paste = 1; });
  Then([&] { inner.m_open = 0; });
  Then([&] { outer.m_open = 0; });

  loop.Run(outer, outerpass);
  EXPECT_EQ(log, (Log{"configuration disabled", "popup closed", "message full", "configuration enabled",
                      "configuration destroyed", "list destroyed"}));
}

TEST_F(EditorLoopTest, LongWorkInARequestPumpsByItselfAndStopsAtAQuit) {
  LoggedEditor editor("list", log);
  int exportrequest = 0, importrequest = 0;
  int written = 0;
  const auto exportwork = [&] {
    for (int item = 0; item < 5; ++item) {
      ++written;
      if (item == 2) QuitArrives();
      if (!loop.PumpStep()) return;
    }
  };
  const EditorPass pass{.requests = {{&exportrequest, exportwork}, Logged(importrequest, "import")},
                        .writeback = [this] { log.push_back("writeback"); }};
  link.m_pollport = 1;
  Then([&] { exportrequest = importrequest = 1; });

  EXPECT_EQ(loop.Run(editor, pass), EditorEnd::Quit);
  EXPECT_EQ(written, 3);
  EXPECT_EQ(reads, 3);  // the pass that raised the requests, then the work's pumps before the quit
  EXPECT_EQ(log, (Log{"list destroyed"}));
}

}  // namespace
}  // namespace korvix::testing
