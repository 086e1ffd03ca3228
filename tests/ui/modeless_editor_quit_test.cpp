#include <gtest/gtest.h>
#include <QApplication>
#include <QEvent>

#include <memory>

#include "document/korvix_doc.h"
#include "modeless_editor_fixture.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/main_frame.h"
#include "ui/view_subsystems.h"

// A program of its own: the quit that the editors post again ends Qt's event
// loops for the rest of the process.
namespace korvix::testing {
namespace {

class QuitCount final : public QObject {
public:
  QuitCount() { QCoreApplication::instance()->installEventFilter(this); }
  int seen = 0;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) ++seen;
    return false;
  }
};

TEST(ModelessEditorQuit, AQuitEndsNestedEditorsFromTheInsideOutServingNothingAndIsPostedAgain) {
  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame(profile);
  auto* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  BlockWatch mainwindow(frame);
  frame.show();

  SampleListEditor outer(&frame, "Script List");
  std::unique_ptr<SampleListEditor> inner;
  UserSteps user([&] {
    if (inner) inner->m_open = 0;
    outer.m_open = 0;
  });
  EditorLoop& loop = subsystems->Editors();
  int served = 0;
  EditorEnd innerend = EditorEnd::Closed;
  const EditorPass outerpass{
      .requests = {{&outer.m_edit,
                    [&] {
                      inner = std::make_unique<SampleListEditor>(&frame, "Script Configuration");
                      inner->ShowEditor();
                      innerend = loop.Run(
                          *inner, {.requests = {{&inner->m_copy, [&] { ++served; }}}, .writeback = [&] { ++served; }});
                    }},
                   {&outer.m_new, [&] { ++served; }}},
      .writeback = [&] { ++served; }};
  QuitCount quits;
  user.Then([&] { return outer.isVisible(); }, [&] { outer.editbutton->click(); });
  user.Then([&] { return inner && inner->isVisible(); },
            [&] {
              outer.newbutton->click();
              inner->copybutton->click();
              QEvent quit(QEvent::Quit);
              QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
            });

  outer.ShowEditor();
  EXPECT_EQ(loop.Run(outer, outerpass), EditorEnd::Quit);
  EXPECT_EQ(innerend, EditorEnd::Quit);
  EXPECT_EQ(served, 0);
  EXPECT_FALSE(inner->isVisible());
  EXPECT_FALSE(outer.isVisible());
  EXPECT_FALSE(mainwindow.blocked);

  const int before = quits.seen;
  QCoreApplication::processEvents();
  EXPECT_EQ(quits.seen, before + 1);
}

}  // namespace
}  // namespace korvix::testing
