#include <gtest/gtest.h>
#include <QApplication>
#include <QTimer>

#include <chrono>
#include <memory>
#include <thread>

#include "comms/port_map.h"
#include "document/korvix_doc.h"
#include "modeless_editor_fixture.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "pty_pair.h"
#include "ui/main_frame.h"
#include "ui/view_subsystems.h"

namespace korvix::testing {
namespace {

class ModelessEditorTest : public ::testing::Test {
protected:
  void SetUp() override { frame.show(); }

  EditorLoop& Loop() { return subsystems->Editors(); }

  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  BlockWatch mainwindow{frame};
};

TEST_F(ModelessEditorTest, BlocksTheMainWindowMovesTheFocusToCloseAfterAButtonOrDoubleClickAndClosesOnEnter) {
  SampleListEditor editor(&frame, "Script List");
  UserSteps user([&] { editor.m_open = 0; });
  int added = 0, edited = 0;
  const EditorPass pass{.requests = {{&editor.m_new, [&] { ++added; }}, {&editor.m_edit, [&] { ++edited; }}}};
  user.Then([&] { return editor.isVisible(); },
            [&] {
              EXPECT_TRUE(mainwindow.blocked);
              DoubleClickLine(*editor.list, 1);
            });
  user.Then([&] { return edited == 1; },
            [&] {
              EXPECT_EQ(editor.focusWidget(), editor.closebutton);
              editor.newbutton->setFocus();
              editor.newbutton->click();
            });
  user.Then([&] { return added == 1; },
            [&] {
              EXPECT_EQ(editor.focusWidget(), editor.closebutton);
              PressEnter(editor);
            });

  editor.ShowEditor();
  EXPECT_EQ(Loop().Run(editor, pass), EditorEnd::Closed);
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(added, 1);
  EXPECT_EQ(edited, 1);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_FALSE(mainwindow.blocked);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), &frame);
}

TEST_F(ModelessEditorTest, TheMainWindowStaysBlockedUntilTheOutermostOfTwoNestedEditorsCloses) {
  SampleListEditor outer(&frame, "Script List");
  BlockWatch outerwatch(outer);
  std::unique_ptr<SampleListEditor> inner;
  UserSteps user([&] {
    if (inner) inner->m_open = 0;
    outer.m_open = 0;
  });
  int added = 0;
  const EditorPass outerpass{.requests = {{&outer.m_edit,
                                           [&] {
                                             inner = std::make_unique<SampleListEditor>(&frame, "Script Configuration");
                                             inner->ShowEditor();
                                             EXPECT_EQ(Loop().Run(*inner, {}), EditorEnd::Closed);
                                           }},
                                          {&outer.m_new, [&] { ++added; }}}};
  user.Then([&] { return outer.isVisible(); }, [&] { outer.editbutton->click(); });
  user.Then([&] { return inner && inner->isVisible(); },
            [&] {
              EXPECT_TRUE(mainwindow.blocked);
              EXPECT_FALSE(outerwatch.blocked);
              outer.newbutton->click();
              inner->closebutton->click();
            });
  user.Then([&] { return !inner->isVisible(); },
            [&] {
              EXPECT_TRUE(mainwindow.blocked);
              EXPECT_EQ(added, 1);
              outer.closebutton->click();
            });

  outer.ShowEditor();
  EXPECT_EQ(Loop().Run(outer, outerpass), EditorEnd::Closed);
  EXPECT_TRUE(user.Done());
  EXPECT_FALSE(mainwindow.blocked);
}

TEST_F(ModelessEditorTest, AByteOnThePortWakesTheWaitingPassWhileTheConsolePolls) {
  PtyPair pty;
  MapComPort(profile, 0, pty.SlavePath());
  subsystems->RunLoop().Runtime().SelectComPort(0);
  ComLink& link = subsystems->RunLoop().Runtime().Link();
  ASSERT_EQ(link.OpenComPort(0), 1);
  link.m_pollport = 1;

  SampleListEditor editor(&frame, "Send/Receive");
  bool gaveup = false;
  QTimer::singleShot(10000, &editor, [&] {
    gaveup = true;
    editor.m_open = 0;
  });
  // Sent once the pass is asleep, so nothing but the port can wake it.
  std::thread far([&pty] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    pty.Send("A1\r");
  });
  bool closing = false;
  const EditorPass pass{.enables = [&] {
    if (closing || link.m_rxbuffer != "A1\r") return;
    closing = true;
    QTimer::singleShot(0, &editor, [&] { editor.m_open = 0; });
  }};

  editor.ShowEditor();
  EXPECT_EQ(Loop().Run(editor, pass), EditorEnd::Closed);
  far.join();
  EXPECT_FALSE(gaveup);
  EXPECT_EQ(link.m_rxbuffer, "A1\r");
  link.CloseComPort();
}

}  // namespace
}  // namespace korvix::testing
