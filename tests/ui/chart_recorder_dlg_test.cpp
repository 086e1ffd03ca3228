#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help_page_catcher.h"
#include "modeless_editor_fixture.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "properties/chart_recorder_properties.h"
#include "render/font_cell.h"
#include "ui/chart_recorder_dlg.h"
#include "ui/latin1_edits.h"
#include "ui/main_frame.h"
#include "ui/korvix_view.h"
#include "ui/page_editor_ui.h"
#include "ui/view_subsystems.h"

namespace korvix::testing {
namespace {

CChartRecorderDlg* ShownEditor() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* dialog = qobject_cast<CChartRecorderDlg*>(widget); dialog && dialog->isVisible()) return dialog;
  return nullptr;
}

void PressKey(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
}

// The editor as the program opens it: a right click on a Chart Recorder
// that a Data Window and a Signal Lamp could feed.
class ChartRecorderDlgTest : public ::testing::Test {
protected:
  void SetUp() override {
    frame.show();
    for (ScreenObjectKind kind :
         {ScreenObjectKind::DataWindow, ScreenObjectKind::SignalLamp, ScreenObjectKind::ChartRecorder})
      frame.CommandAction(PlaceCommand(kind))->trigger();
    // Out from under the recorder, where they were placed.
    doc.m_datawindows[0].y = doc.m_signallamps[0].y = 2000;
    doc.SetModifiedFlag(false);
  }

  ChartRecorderRecord& Recorder() { return doc.m_chartrecorders[0]; }

  // Returns once the editor is closed; `user` plays the steps meanwhile.
  void OpenEditor() {
    const Rect rect = subsystems->PageEditor().Editor().ObjectRect({ScreenObjectKind::ChartRecorder, 0});
    const QPointF inside((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    QWidget* viewport = frame.View()->viewport();
    QMouseEvent press(QEvent::MouseButtonPress, inside, viewport->mapToGlobal(inside), Qt::RightButton,
                      Qt::RightButton, {});
    QApplication::sendEvent(viewport, &press);
  }

  void Then(std::function<bool(CChartRecorderDlg&)> ready, std::function<void(CChartRecorderDlg&)> act) {
    user.Then([ready] { return ShownEditor() && ready(*ShownEditor()); }, [act] { act(*ShownEditor()); });
  }

  MemoryProfile profile;
  CMainFrame frame{profile};
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  UserSteps user{[] {
    if (CChartRecorderDlg* dialog = ShownEditor()) dialog->m_open = 0;
  }};
};

TEST_F(ChartRecorderDlgTest, FieldsChangeAtOnceAndCloseStoresTheCheckedSettings) {
  HelpPageCatcher help(kChartRecorderHelpTopic);
  const std::string lamp = doc.m_signallamps[0].idlabel;
  const std::string window = doc.m_datawindows[0].idlabel;
  bool closefocused = false;
  bool swatchshowedfield = false;
  Then([](auto& d) { return d.m_available->count() == 2 && !d.m_addbutton->isEnabled(); },
       [](auto& d) { d.m_available->setCurrentRow(1); });
  Then([](auto& d) { return d.m_addbutton->isEnabled(); }, [](auto& d) { d.m_addbutton->click(); });
  Then([](auto& d) { return d.m_current->count() == 1; },
       [](auto& d) { DoubleClickLine(*d.m_available, 0); });
  Then([](auto& d) { return d.m_current->count() == 2 && d.m_available->count() == 0; },
       [](auto& d) { d.m_current->setCurrentRow(1); });
  Then([](auto& d) { return d.m_moveupbutton->isEnabled(); }, [](auto& d) { d.m_moveupbutton->click(); });
  Then([](auto& d) { return d.m_current->currentRow() == 0 && d.m_colour->isEnabled(); },
       [&](auto& d) {
         swatchshowedfield = d.m_colour->Colour() == kColorRed;
         d.m_colour->SetColour(Rgb(0, 128, 255));  // as the picker answers
         d.m_plotfile->setFocus();
         PressKey(d.m_plotfile, Qt::Key_F1);
         closefocused = d.focusWidget() == d.m_closebutton;
         d.m_scanrate->setText("5");
         d.m_closebutton->click();
       });
  // The picked colour reaches the field on the next pass, before "Close".
  Then([&](auto& d) { return d.focusWidget() == d.m_scanrate && Recorder().fields[1].colour == Rgb(0, 128, 255); },
       [](auto& d) {
         d.m_scanrate->setText("250");
         d.m_hdivsel->setCurrentIndex(9);
         d.m_closebutton->click();
       });

  OpenEditor();

  EXPECT_TRUE(user.Done());
  EXPECT_EQ(ShownEditor(), nullptr);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Please enter an integer between 10 and 9999999.");
  EXPECT_EQ(help.m_opened, QStringList{kChartRecorderHelpTopic});
  EXPECT_TRUE(closefocused);
  EXPECT_TRUE(swatchshowedfield);
  const ChartRecorderRecord& r = Recorder();
  EXPECT_EQ(ChartFieldLines(r), (std::vector<std::string>{window, lamp}));
  EXPECT_EQ(r.fields[1].colour, Rgb(0, 128, 255));  // the Data Window, added second
  EXPECT_EQ(r.fields[0].colour, kColorRed);
  EXPECT_EQ(r.scanrate, 250);
  EXPECT_EQ(r.hdivisions, 20);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ChartRecorderDlgTest, EscapeKeepsTheFieldsButNotTheSettingsAndTheRecorderGrowsForItsLegend) {
  for (int n = 0; n < kMaxChartRecorderFields - 1; ++n) AddChartField(Recorder(), "Field" + std::to_string(n));
  Recorder().heightfactor = 1.0;
  const int scanrate = Recorder().scanrate;
  Then([](auto& d) { return d.m_available->count() == 2; },
       [](auto& d) { d.m_available->setCurrentRow(0); });
  Then([](auto& d) { return d.m_addbutton->isEnabled(); }, [](auto& d) { d.m_addbutton->click(); });
  Then([](auto& d) { return d.m_current->count() == kMaxChartRecorderFields; },
       [](auto& d) { DoubleClickLine(*d.m_available, 0); });
  Then([&](auto&) { return !messages.shown.empty(); },
       [](auto& d) {
         d.m_scanrate->setText("1000");
         PressKey(&d, Qt::Key_Escape);
       });

  OpenEditor();

  EXPECT_TRUE(user.Done());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Entry Error");
  EXPECT_EQ(messages.shown[0].text, "Chart Recorders can not contain more than 10 data fields.");
  EXPECT_EQ(Recorder().fields.Count(), kMaxChartRecorderFields);
  EXPECT_EQ(Recorder().scanrate, scanrate);
  const int H = FontCellSize(Recorder().sizecode).cy;
  const int minimum = static_cast<int>(1.5 * H) + kMaxChartRecorderFields * static_cast<int>(2.1 * H);
  EXPECT_DOUBLE_EQ(Recorder().heightfactor, static_cast<double>(minimum) / H);
}

}  // namespace
}  // namespace korvix::testing
