#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <thread>

#include "comms/port_map.h"
#include "document/korvix_doc.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "pty_pair.h"
#include "ui/main_frame.h"
#include "ui/modeless_editor_dialog.h"
#include "ui/view_subsystems.h"

namespace korvix {
namespace {

// A list editor shaped like the program's: a list, buttons that raise
// requests, and "Close".
class SampleListEditor final : public ModelessEditorDialog {
public:
  SampleListEditor(QWidget* mainwindow, const QString& title) : ModelessEditorDialog(mainwindow) {
    setWindowTitle(title);
    list->addItems({"Startup", "Alarm", "Shutdown"});
    auto* selection = new QGroupBox("Selection List");
    (new QVBoxLayout(selection))->addWidget(list);
    auto* modify = new QGroupBox("Modify");
    auto* buttons = new QVBoxLayout(modify);
    for (QPushButton* button : {newbutton, editbutton, copybutton, pastebutton}) buttons->addWidget(button);
    buttons->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(selection);
    columns->addWidget(modify);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(closebutton, 0, Qt::AlignRight);

    ConnectRequest(newbutton, m_new);
    ConnectRequest(editbutton, m_edit);
    ConnectRequest(copybutton, m_copy);
    ConnectRequest(pastebutton, m_paste);
    ConnectDoubleClick(list, m_edit);
    SetCloseButton(closebutton);
  }

  int m_new = 0, m_edit = 0, m_copy = 0, m_paste = 0;
  QListWidget* list = new QListWidget;
  QPushButton* newbutton = new QPushButton("New");
  QPushButton* editbutton = new QPushButton("Edit");
  QPushButton* copybutton = new QPushButton("Copy");
  QPushButton* pastebutton = new QPushButton("Paste");
  QPushButton* closebutton = new QPushButton("Close");
};

// Whether the toolkit's modality keeps input from a window.
class BlockWatch final : public QObject {
public:
  explicit BlockWatch(QWidget& window) { window.installEventFilter(this); }
  bool blocked = false;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked) blocked = true;
    if (event->type() == QEvent::WindowUnblocked) blocked = false;
    return false;
  }
};

// Plays the user while an editor's loop runs: each step acts once its
// condition holds. Steps that never come true close every editor, so a
// fault fails the test instead of hanging it.
class UserSteps final : public QObject {
public:
  using Ready = std::function<bool()>;
  using Act = std::function<void()>;

  explicit UserSteps(std::function<void()> giveup) : m_giveup(std::move(giveup)) {
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
    m_timer.start();
  }
  void Then(Ready ready, Act act) { m_steps.push_back({std::move(ready), std::move(act)}); }
  bool Done() const { return m_steps.empty(); }

private:
  static constexpr int kMaxTicks = 20000;

  void Tick() {
    if (m_steps.empty()) return m_timer.stop();
    if (++m_ticks > kMaxTicks) {
      ADD_FAILURE() << m_steps.size() << " steps never came due";
      m_steps.clear();
      return m_giveup();
    }
    if (!m_steps.front().first()) return;
    const Act act = std::move(m_steps.front().second);
    m_steps.pop_front();
    act();
  }

  std::function<void()> m_giveup;
  std::deque<std::pair<Ready, Act>> m_steps;
  QTimer m_timer;
  int m_ticks = 0;
};

void PressEnter(QWidget& dialog) {
  QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(target, &key);
  }
}

class ModelessEditorTest : public ::testing::Test {
protected:
  void SetUp() override { frame.show(); }

  EditorLoop& Loop() { return subsystems->Editors(); }

  MemoryProfile profile;
  CMainFrame frame{profile};
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  BlockWatch mainwindow{frame};
};

TEST_F(ModelessEditorTest, BlocksTheMainWindowMovesTheFocusToCloseAfterAButtonAndClosesOnEnter) {
  SampleListEditor editor(&frame, "Script List");
  UserSteps user([&] { editor.m_open = 0; });
  int served = 0;
  const EditorPass pass{.requests = {{&editor.m_new, [&] { ++served; }}}};
  user.Then([&] { return editor.isVisible(); },
            [&] {
              EXPECT_TRUE(mainwindow.blocked);
              editor.newbutton->setFocus();
              editor.newbutton->click();
            });
  user.Then([&] { return served == 1; },
            [&] {
              EXPECT_EQ(editor.focusWidget(), editor.closebutton);
              PressEnter(editor);
            });

  editor.ShowEditor();
  EXPECT_EQ(Loop().Run(editor, pass), EditorEnd::Closed);
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(served, 1);
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
  testing::PtyPair pty;
  MapComPort(profile, 0, pty.SlavePath());
  doc.m_comport = 0;
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
}  // namespace korvix
