#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "help_page_catcher.h"
#include "modeless_editor_fixture.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "properties/chart_recorder_properties.h"
#include "recording/chart_memories.h"
#include "render/font_cell.h"
#include "ui/chart_recorder_dlg.h"
#include "ui/korvix_view.h"
#include "ui/latin1_edits.h"
#include "ui/main_frame.h"
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
    QMouseEvent press(QEvent::MouseButtonPress, inside, viewport->mapToGlobal(inside), Qt::RightButton, Qt::RightButton,
                      {});
    QApplication::sendEvent(viewport, &press);
  }

  void Then(std::function<bool(CChartRecorderDlg&)> ready, std::function<void(CChartRecorderDlg&)> act) {
    user.Then([ready] { return ShownEditor() && ready(*ShownEditor()); }, [act] { act(*ShownEditor()); });
  }

  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
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
  Then([](auto& d) { return d.m_current->count() == 1; }, [](auto& d) { DoubleClickLine(*d.m_available, 0); });
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
  Then([](auto& d) { return d.m_available->count() == 2; }, [](auto& d) { d.m_available->setCurrentRow(0); });
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

// The samples hold the values in field-array order: a move changes only
// the display order and keeps them, an added or removed field would not
// fit them.
TEST_F(ChartRecorderDlgTest, MovingAFieldKeepsTheSamplesAndAddingOrRemovingOneEmptiesThem) {
  AddChartField(Recorder(), "Tank1");
  AddChartField(Recorder(), "Pump");
  ChartMemory& memory = subsystems->RunLoop().Runtime().Charts().Memory(0);
  const std::string samples = "09/14/25,13:05:09.42,0005,-012\r\n";
  ASSERT_TRUE(memory.Assign(samples));
  std::vector<std::string> seen;
  Then([](auto& d) { return d.m_current->count() == 2; }, [](auto& d) { d.m_current->setCurrentRow(1); });
  Then([](auto& d) { return d.m_moveupbutton->isEnabled(); }, [](auto& d) { d.m_moveupbutton->click(); });
  Then([](auto& d) { return d.m_current->currentRow() == 0; },
       [&](auto& d) {
         seen.push_back(memory.Bytes());
         d.m_movedownbutton->click();
       });
  Then([](auto& d) { return d.m_current->currentRow() == 1; },
       [&](auto& d) {
         seen.push_back(memory.Bytes());
         d.m_removebutton->click();
       });
  Then([](auto& d) { return d.m_current->count() == 1; },
       [&](auto& d) {
         seen.push_back(memory.Bytes());
         memory.Assign(samples);
         d.m_available->setCurrentRow(0);
       });
  Then([](auto& d) { return d.m_addbutton->isEnabled(); }, [](auto& d) { d.m_addbutton->click(); });
  Then([](auto& d) { return d.m_current->count() == 2; },
       [&](auto& d) {
         seen.push_back(memory.Bytes());
         d.m_closebutton->click();
       });

  OpenEditor();

  EXPECT_TRUE(user.Done());
  EXPECT_EQ(seen, (std::vector<std::string>{samples, samples, "", ""}));
  EXPECT_TRUE(messages.shown.empty());
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Save and Recall through the editor's buttons, over one plot file in a
// folder of the test's own.
class ChartPlotRequestsTest : public ChartRecorderDlgTest {
protected:
  void SetUp() override {
    ChartRecorderDlgTest::SetUp();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    AddChartField(Recorder(), "Tank1");
    AddChartField(Recorder(), "Pump");
    Recorder().fields[0].colour = Rgb(0, 0, 255);
    Recorder().plotfile = " " + plot.string() + " ";
    ASSERT_TRUE(Memory().Assign(kSamples));
    Books().writepos = Books().readmark = static_cast<int>(kSamples.size());
    Recorder().windowdate = Recorder().lastdate = Recorder().startdate = "09/14/25";
    Recorder().windowtime = Recorder().lasttime = "13:05:10.42";
    Recorder().starttime = "13:05:09.42";
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  ChartMemory& Memory() { return subsystems->RunLoop().Runtime().Charts().Memory(0); }
  ChartMemoryBooks& Books() { return subsystems->RunLoop().Runtime().Charts().Books(0); }

  // Presses the buttons in turn, each once the previous request is done
  // (the busy window no longer holds the editor), then closes the editor.
  void Press(std::vector<QPushButton * CChartRecorderDlg::*> buttons) {
    const auto idle = [](CChartRecorderDlg& d) { return d.isEnabled() && d.m_save == 0 && d.m_recall == 0; };
    for (auto button : buttons) Then(idle, [button](auto& d) { (d.*button)->click(); });
    Then(idle, [](auto& d) { d.m_closebutton->click(); });
    OpenEditor();
    EXPECT_TRUE(user.Done());
  }

  static inline const std::string kSamples = "09/14/25,13:05:09.42,0005,-012\r\n09/14/25,13:05:10.42,0006,-000\r\n";
  static inline const std::string kSaved =
      "Date,Time,Tank1,Pump\r\n09/14/25,13:05:09.42,5,-12\r\n09/14/25,13:05:10.42,6,-0\r\n";
  // Tests run side by side, so each has a folder of its own, named short
  // enough for "Plot File Name".
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kvxplot" + std::to_string(QCoreApplication::applicationPid()));
  std::filesystem::path plot = folder / "plot.txt";
};

TEST_F(ChartPlotRequestsTest, SaveAsksThenWritesTheUnpaddedPlotAndNoKeepsTheOldFile) {
  WriteText(plot, "old");
  messages.answers = {MessageResult::No, MessageResult::Yes};
  Press({&CChartRecorderDlg::m_savebutton});
  EXPECT_EQ(FileText(plot), "old");
  Press({&CChartRecorderDlg::m_savebutton});
  EXPECT_EQ(FileText(plot), kSaved);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].caption, "Save Chart Plot to File");
  EXPECT_EQ(messages.shown[1].buttons, MessageButtons::YesNoDefaultNo);
  EXPECT_EQ(Recorder().plotfile, plot.string());  // trimmed by the request, kept by Close
  EXPECT_EQ(Memory().Bytes(), kSamples);
}

TEST_F(ChartPlotRequestsTest, SaveIntoAMissingFolderSaysTheFileCouldNotBeOpened) {
  Recorder().plotfile = (folder / "missing" / "plot.txt").string();
  Press({&CChartRecorderDlg::m_savebutton});
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].caption, "File Access Error");
  EXPECT_EQ(messages.shown[1].text, "The file " + Recorder().plotfile + " could not be opened.");
}

// The plot is written beside the file and put in its place in one step;
// when that step fails, what stood there stays.
TEST_F(ChartPlotRequestsTest, ASaveThatCannotWriteItsFileSaysSoAndLeavesWhatStoodThere) {
  std::filesystem::create_directory(plot);
  Press({&CChartRecorderDlg::m_savebutton});
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].caption, "File Access Error");
  EXPECT_EQ(messages.shown[1].text, "Error while writing data to file.");
  EXPECT_TRUE(std::filesystem::is_directory(plot));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
}

TEST_F(ChartPlotRequestsTest, RecallTakesASavedPlotBackAndABadFileChangesNothing) {
  Press({&CChartRecorderDlg::m_savebutton});
  Recorder().fields[1].label = "Valve";
  Memory().Assign("");
  Books().writepos = Books().readmark = 0;
  Recorder().autostart = 1;
  doc.SetModifiedFlag(false);
  messages.shown.clear();
  Press({&CChartRecorderDlg::m_recallbutton});
  EXPECT_EQ(messages.shown.size(), 1u);  // the question only
  EXPECT_EQ(messages.shown[0].caption, "Recall Chart Plot from File");
  EXPECT_EQ(ChartFieldLines(Recorder()), (std::vector<std::string>{"Tank1", "Pump"}));
  EXPECT_EQ(Recorder().fields[0].colour, Rgb(0, 0, 255));
  EXPECT_EQ(Memory().Bytes(), "09/14/25,13:05:09.42,5,-12\r\n09/14/25,13:05:10.42,6,-0\r\n");
  EXPECT_EQ(Recorder().windowtime, "13:05:10.42");
  EXPECT_EQ(Recorder().autostart, 0);  // cleared in the editor, stored by Close
  EXPECT_TRUE(doc.IsModified());

  const std::string kept = Memory().Bytes();
  WriteText(plot, "Date,Hour,A\r\n");
  messages.shown.clear();
  Press({&CChartRecorderDlg::m_recallbutton});
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].caption, "File Access Error");
  EXPECT_EQ(messages.shown[1].text, "Illegal file format. No time found");
  EXPECT_EQ(ChartFieldLines(Recorder()), (std::vector<std::string>{"Tank1", "Pump"}));
  EXPECT_EQ(Memory().Bytes(), kept);
}

TEST_F(ChartPlotRequestsTest, RecallOfAFileThatCannotBeOpenedSaysSoAndLeavesTheRecorderAsItWas) {
  Recorder().plotfile = (folder / "missing" / "plot.txt").string();
  const ChartRecorderRecord before = Recorder();
  Press({&CChartRecorderDlg::m_recallbutton});
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].caption, "File Access Error");
  EXPECT_EQ(messages.shown[1].text, "The file " + Recorder().plotfile + " could not be opened.");
  EXPECT_EQ(ChartFieldLines(Recorder()), (std::vector<std::string>{"Tank1", "Pump"}));
  EXPECT_EQ(Recorder().fields[0].colour, Rgb(0, 0, 255));
  EXPECT_EQ(Memory().Bytes(), kSamples);
  EXPECT_EQ(Books().writepos, static_cast<int>(kSamples.size()));
  EXPECT_EQ(Recorder().windowtime, before.windowtime);
  EXPECT_EQ(Recorder().starttime, before.starttime);
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

}  // namespace
}  // namespace korvix::testing
