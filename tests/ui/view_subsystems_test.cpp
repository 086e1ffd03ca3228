#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>

#include "document/korvix_doc.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
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

}  // namespace
}  // namespace korvix
