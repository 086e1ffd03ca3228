#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include <memory>
#include <optional>

#include "document/kind_traits.h"
#include "document/korvix_doc.h"
#include "editor/stacking.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"
#include "ui/page_editor_ui.h"
#include "ui/page_editor_view_window.h"

namespace korvix {

struct NoSampleMemories final : ChartMemoryHook {
  void TransferChartMemory(int, int) override {}
  void RemoveChartMemory(int, int) override {}
  void EmptyChartMemory(int) override {}
};

// The real frame and view, with the page editor installed, driven as the
// user drives them: the clicks land on the viewport, and leave the focus
// where the keys then go.
class PageEditorUiTest : public ::testing::Test {
protected:
  MemoryProfile profile;
  CKorvixDoc doc;
  CMainFrame frame{profile};
  PageEditorViewWindow window{*frame.View()};
  ObjectStates objectstates{doc, frame.View()->State()};
  PageView page{doc, frame.View()->State(), window, [](const std::string&) { return std::optional<Bitmap>(); },
                objectstates};
  RecordingMessageSink messages;
  NoSampleMemories memories;
  PropertyEditors editors;
  std::optional<int> chosenposition;
  std::unique_ptr<CPageEditorUi> ui;

  void SetUp() override {
    PageDialogs dialogs;
    dialogs.choosePosition = [this](QWidget*, int, int) { return chosenposition; };
    dialogs.chooseColor = [](QWidget*, int) { return std::optional<int>(); };
    dialogs.chooseBitmap = [](QWidget*, const std::string&) { return std::optional<std::string>(); };
    ui = std::make_unique<CPageEditorUi>(frame, doc, page, window, messages, memories, editors, dialogs);
    frame.View()->SetInputHandler([this](QEvent* event) { return ui->OnViewEvent(event); });
    frame.InsertStartupMenuItems();
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  }

  void TearDown() override {
    EXPECT_TRUE(StackingIsValid(doc));
    frame.View()->SetInputHandler(nullptr);
    ui.reset();
  }

  ViewState& View() { return frame.View()->State(); }
  QWidget* Viewport() { return frame.View()->viewport(); }

  void Trigger(CommandId id) {
    QAction* action = frame.CommandAction(id);
    ASSERT_NE(action, nullptr) << id;
    action->trigger();
  }

  ScreenObject Place(ScreenObjectKind kind) {
    Trigger(PlaceCommand(kind));
    int count = 0;
    VisitKind(kind, [&](auto tag) { count = ListOf<decltype(tag)::value>(doc).Count(); });
    return {kind, count - 1};
  }

  Rect RectOf(ScreenObject object) { return ui->Editor().ObjectRect(object); }

  void Mouse(QEvent::Type type, Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    switch (type) {
      case QEvent::MouseButtonPress: QTest::mousePress(Viewport(), button, modifiers, at); break;
      case QEvent::MouseButtonRelease: QTest::mouseRelease(Viewport(), button, modifiers, at); break;
      case QEvent::MouseButtonDblClick: QTest::mouseDClick(Viewport(), button, modifiers, at); break;
      default: FAIL() << "not a button event: " << type;
    }
  }
  void Press(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    Mouse(QEvent::MouseButtonPress, Qt::LeftButton, at, modifiers);
  }
  void Release(QPoint at) { Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, at); }
  void MoveTo(QPoint at) {
    QMouseEvent event(QEvent::MouseMove, QPointF(at), QPointF(Viewport()->mapToGlobal(at)), Qt::NoButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(Viewport(), &event);
  }
  void Click(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    Press(at, modifiers);
    Release(at);
  }
  void Drag(QPoint from, QPoint to) {
    Press(from);
    MoveTo((from + to) / 2);
    MoveTo(to);
    Release(to);
  }
  // Typed into whatever holds the focus.
  void Key(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key);
  }

  static QPoint Inside(const Rect& r) { return {r.left + Width(r) / 2, r.top + Height(r) / 2}; }
  static QPoint BottomRightHandle(const Rect& r) { return {r.right - 2, r.bottom - 2}; }
  static QPoint RightHandle(const Rect& r) { return {r.right - 2, (r.top + r.bottom) / 2}; }
};

}  // namespace korvix
