#include <gtest/gtest.h>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>
#include <vector>

#include "document/korvix_doc.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "render/object_geometry.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"
#include "ui/page_editor_ui.h"
#include "ui/view_subsystems.h"

namespace korvix {
namespace {

// The program's own wiring: the page editor gets edit-mode input through the
// chain that puts run-mode controls first, and every release is timed for
// the Run-Loop's paint hold.
class ViewSubsystemsTest : public ::testing::Test {
protected:
  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  int saves = 0;
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, [this] { ++saves; });

  // The window as the user has it: shown, in front, taking the keys.
  void ShowActive() {
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  }

  // Starts the Run-Loop from its menu and, once it has made a few passes,
  // acts from inside it; the run halts from its menu after the last step.
  void WhileRunning(const std::vector<std::function<void()>>& steps) {
    size_t next = 0;
    uint64_t due = 3;
    QTimer during;
    during.setInterval(0);
    QObject::connect(&during, &QTimer::timeout, [&] {
      ViewRuntime& runtime = subsystems->RunLoop().Runtime();
      if (!runtime.IsRunning() || runtime.PassCount() < due) return;
      if (next < steps.size()) {
        steps[next++]();
        due = runtime.PassCount() + 3;
        return;
      }
      during.stop();
      frame.CommandAction(ID_RUNLOOP_HALT)->trigger();
    });
    during.start();
    frame.CommandAction(ID_RUNLOOP_START)->trigger();
    EXPECT_EQ(next, steps.size());
  }

  void Click(QPoint at) {
    QWidget* viewport = frame.View()->viewport();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
      QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), Qt::LeftButton, held, {});
      QApplication::sendEvent(viewport, &event);
    }
  }
};

TEST_F(ViewSubsystemsTest, AClickInEditModeReachesThePageEditor) {
  frame.show();
  frame.CommandAction(PlaceCommand(ScreenObjectKind::TextBox))->trigger();
  ASSERT_EQ(doc.m_textboxes.Count(), 1);
  subsystems->RunLoop().Page().DeselectAll();
  ASSERT_EQ(subsystems->RunLoop().Page().m_runstates.At(ScreenObjectKind::TextBox, 0).selected, 0);

  const Rect rect = subsystems->PageEditor().Editor().ObjectRect({ScreenObjectKind::TextBox, 0});
  subsystems->RunLoop().Runtime().Link().m_releasetime = 0;
  Click(QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
  EXPECT_EQ(subsystems->RunLoop().Page().m_runstates.At(ScreenObjectKind::TextBox, 0).selected, 1);
  EXPECT_NE(subsystems->RunLoop().Runtime().Link().m_releasetime, 0u);
  EXPECT_FALSE(subsystems->RunLoop().Runtime().IsRunning());
}

// The keys go where the click left the focus: to the view, not to the
// viewport that takes the clicks.
TEST_F(ViewSubsystemsTest, AnInputWindowOpenedByAClickTakesTheKeyboardInRunMode) {
  constexpr int kMathConversionOn = 15;
  ShowActive();
  doc.m_variables[doc.m_variables.Add()].idlabel = "Doubled";
  frame.CommandAction(PlaceCommand(ScreenObjectKind::InputWindow))->trigger();
  ASSERT_EQ(doc.m_inputwindows.Count(), 1);
  InputWindowRecord& window = doc.m_inputwindows[0];
  window.action = kMathConversionOn;
  window.actiontext = "Doubled";
  window.actiontext2 = "{" + window.idlabel + "}*2";
  std::string doubled;
  WhileRunning({[&] {
                  ObjectGeometry geometry(doc, frame.View()->State(), subsystems->RunLoop().Page().m_runstates);
                  const Rect edit = geometry.ObjectRectInputWindowEditButton(0);
                  QTest::mouseClick(frame.View()->viewport(), Qt::LeftButton, {},
                                    QPoint((edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2));
                  QWidget* focus = QApplication::focusWidget();
                  ASSERT_NE(focus, nullptr);
                  QTest::keyClicks(focus, "42");
                  QTest::keyClick(focus, Qt::Key_Return);
                },
                [&] { subsystems->RunLoop().Runtime().Values().Values().FindLabelValueQuietly(doubled, "Doubled"); }});
  EXPECT_EQ(window.valuetext, "42");
  EXPECT_EQ(doubled, "84");
  EXPECT_TRUE(messages.shown.empty());
}

// The editors of the Run-Loop menu, the data log's view and its printed
// report, and the placing of new objects are there in edit mode only:
// greyed in the menus while the Run-Loop runs, and on the toolbar, whose
// buttons then take no click.
TEST_F(ViewSubsystemsTest, WhileTheRunLoopRunsItsEditorsAndTheLogCommandsAreGreyed) {
  const CommandId editors[] = {ID_RUNLOOP_INITIALIZATION, ID_RUNLOOP_POLLING_SETUP, ID_RUNLOOP_CPU_USAGE,
                               ID_RUNLOOP_VARIABLES,      ID_RUNLOOP_SCRIPTS,       ID_RUNLOOP_CONDITIONALS,
                               ID_RUNLOOP_DATA_LOGGING,   ID_RUNLOOP_WEBLOGGING};
  const CommandId toolbar[] = {ID_VIEW_LOG_FILE, ID_FILE_PRINT};
  frame.InsertStartupMenuItems();
  ShowActive();
  QMenu* runloop = frame.TopMenu(kRunLoopMenu);
  const auto enabled = [&](CommandId id) { return frame.CommandAction(id)->isEnabled(); };
  const auto button = [&](CommandId id) { return frame.ToolBar()->widgetForAction(frame.CommandAction(id)); };
  // The toolbar first: no menu has opened to bring it up to date.
  const auto expectall = [&](bool running) {
    for (CommandId id : toolbar) {
      EXPECT_EQ(enabled(id), !running) << id;
      ASSERT_NE(button(id), nullptr) << id;
      EXPECT_EQ(button(id)->isEnabled(), !running) << id;
    }
    runloop->popup(QPoint(0, 0));
    for (CommandId id : editors) EXPECT_EQ(enabled(id), !running) << id;
    runloop->hide();
    frame.TopMenu(kPlaceObjectMenu)->popup(QPoint(0, 0));
    ForEachKind([&](auto tag) { EXPECT_EQ(enabled(PlaceCommand(tag.value)), !running) << PlaceCommand(tag.value); });
    frame.TopMenu(kPlaceObjectMenu)->hide();
  };
  expectall(false);
  int opened = 0;
  QTimer dialogs;
  dialogs.setInterval(0);
  QObject::connect(&dialogs, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      ++opened;
      modal->close();
    }
  });
  dialogs.start();
  WhileRunning({[&] {
    expectall(true);
    for (CommandId id : toolbar) QTest::mouseClick(button(id), Qt::LeftButton);
  }});
  EXPECT_EQ(opened, 0);
  expectall(false);
  EXPECT_TRUE(messages.shown.empty());
}

// Each button of the toolbar shows its own picture: the print button a
// printer, not the disk of the project's Save.
TEST_F(ViewSubsystemsTest, TheToolbarButtonsShowPicturesOfTheirOwn) {
  const QSize size = frame.ToolBar()->iconSize();
  std::vector<QImage> pictures{frame.style()->standardIcon(QStyle::SP_DialogSaveButton).pixmap(size).toImage()};
  for (CommandId id : {ID_VIEW_LOG_FILE, ID_FILE_PRINT}) {
    const QImage picture = frame.CommandAction(id)->icon().pixmap(size).toImage();
    ASSERT_FALSE(picture.isNull()) << id;
    for (const QImage& other : pictures) EXPECT_NE(picture.convertToFormat(other.format()), other) << id;
    pictures.push_back(picture);
  }
}

}  // namespace
}  // namespace korvix
