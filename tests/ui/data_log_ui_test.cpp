#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "automation/step_codes.h"
#include "document/korvix_doc.h"
#include "modal_driver.h"
#include "modeless_editor_fixture.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "qtdraw/testing/pdf_files.h"
#include "ui/data_logging_dlg.h"
#include "ui/latin1_edits.h"
#include "ui/log_report_setup_dlg.h"
#include "ui/log_view_dlg.h"
#include "ui/main_frame.h"
#include "ui/qt_message_sink.h"
#include "ui/system_busy_dlg.h"
#include "ui/view_subsystems.h"
#include "widget_input.h"

namespace korvix::testing {
namespace {

namespace fs = std::filesystem;

template <class Window>
Window* Shown() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible()) return window;
  }
  return nullptr;
}

QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

void ClickLine(QListWidget* list, int row) {
  list->setFocus();
  list->setCurrentRow(row);
}

class DataLogUiTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("korvix_datalog_ui_" + std::to_string(::getpid()));
    fs::create_directories(m_dir);
    doc.m_datalogfile = Log();
    doc.m_variables[doc.m_variables.Add()].idlabel = "Temp";
    doc.m_variables[doc.m_variables.Add()].idlabel = "Flow";
    frame.show();
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string Log() const { return (m_dir / "DataLog.txt").string(); }
  void Write(const std::string& bytes) { std::ofstream(Log(), std::ios::binary) << bytes; }
  CDataLogUi& Ui() { return subsystems->DataLog(); }
  void Trigger(CommandId id) { frame.CommandAction(id)->trigger(); }

  fs::path m_dir;
  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
};

TEST_F(DataLogUiTest, ColumnsAreAddedMovedAndRemovedAtOnceAndEveryChangeResetsTheWidths) {
  CDataLoggingDlg* dialog = nullptr;
  UserSteps user([&] {
    if (dialog) dialog->m_open = 0;
  });
  user.Then([&] { return (dialog = Shown<CDataLoggingDlg>()) != nullptr; },
            [&] {
              EXPECT_EQ(Lines(dialog->m_available), (QStringList{"Date", "Time", "Temp", "Flow"}));
              EXPECT_TRUE(Lines(dialog->m_logged).isEmpty());
              EXPECT_FALSE(dialog->m_addbutton->isEnabled());
              doc.m_logcolwidth[3] = 5;
              dialog->m_addbutton->setEnabled(true);
              dialog->m_addbutton->click();  // nothing selected: only the widths go back
            });
  user.Then([&] { return doc.m_logcolwidth[3] == 70; },
            [&] {
              EXPECT_EQ(doc.m_logfieldcount, 0);
              ClickLine(dialog->m_available, 2);
              DoubleClickLine(*dialog->m_available, 2);
            });
  user.Then([&] { return doc.m_logfieldcount == 1; },
            [&] {
              EXPECT_EQ(doc.m_variables[0].logcolumn, 0);
              EXPECT_EQ(dialog->focusWidget(), dialog->m_closebutton);
              EXPECT_EQ(Lines(dialog->m_available), (QStringList{"Date", "Time", "Flow"}));
              ClickLine(dialog->m_available, 1);
            });
  user.Then([&] { return dialog->m_addbutton->isEnabled(); }, [&] { dialog->m_addbutton->click(); });
  user.Then([&] { return doc.m_logfieldcount == 2; },
            [&] {
              EXPECT_EQ(Lines(dialog->m_logged), (QStringList{"Temp", "Time"}));
              ClickLine(dialog->m_available, 0);
              ClickLine(dialog->m_logged, 1);
              EXPECT_TRUE(dialog->m_available->selectedItems().isEmpty()) << "one list selected at a time";
            });
  user.Then([&] { return dialog->m_upbutton->isEnabled() && !dialog->m_addbutton->isEnabled(); },
            [&] { dialog->m_upbutton->click(); });
  user.Then([&] { return doc.m_logcoltime == 0; },
            [&] {
              EXPECT_EQ(Lines(dialog->m_logged), (QStringList{"Time", "Temp"}));
              EXPECT_EQ(dialog->LoggedSelection(), 0);
              DoubleClickLine(*dialog->m_logged, 0);
            });
  user.Then([&] { return doc.m_logfieldcount == 1; },
            [&] {
              EXPECT_EQ(doc.m_logcoltime, -1);
              EXPECT_EQ(doc.m_variables[0].logcolumn, 0);
              EXPECT_FALSE(dialog->m_removebutton->isEnabled());
              PressEnter(*dialog);
            });
  Trigger(ID_RUNLOOP_DATA_LOGGING);
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(Shown<CDataLoggingDlg>(), nullptr);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DataLogUiTest, CloseStoresTheAdjustedTextsOrKeepsTheFocusOnARefusedFieldAndEscapeDropsThem) {
  CDataLoggingDlg* dialog = nullptr;
  UserSteps user([&] {
    if (dialog) dialog->m_open = 0;
  });
  user.Then([&] { return (dialog = Shown<CDataLoggingDlg>()) != nullptr; },
            [&] {
              dialog->m_interval->setText("1.25");
              dialog->m_unit->setCurrentIndex(0);
              PressEnter(*dialog);
            });
  user.Then([&] { return messages.shown.size() == 1; },
            [&] {
              EXPECT_EQ(messages.shown[0].text, "This field does not support more than one decimal places.");
              EXPECT_TRUE(dialog->isVisible());
              EXPECT_EQ(dialog->focusWidget(), dialog->m_interval);
              dialog->m_interval->setText(".5");
              dialog->m_overflow->setText(" Spill.txt ");
              dialog->m_closebutton->click();
            });
  Trigger(ID_RUNLOOP_DATA_LOGGING);
  ASSERT_TRUE(user.Done());
  EXPECT_EQ(doc.m_loginterval, "0.5");
  EXPECT_EQ(doc.m_overflowfile, "Spill.txt");

  // Escape: the texts go, the name that View File stored stays.
  Write("");
  UserSteps again([&] {
    if (dialog) dialog->m_open = 0;
  });
  const std::string renamed = (m_dir / "Other.txt").string();
  again.Then([&] { return (dialog = Shown<CDataLoggingDlg>()) != nullptr; },
             [&] {
               dialog->m_interval->setText("9");
               dialog->m_file->setText(QString::fromStdString(" " + renamed));
               for (QPushButton* button : dialog->findChildren<QPushButton*>())
                 if (button->text() == " View File") button->click();
             });
  again.Then([&] { return Shown<CLogViewDlg>() != nullptr; }, [&] { PressKey(Shown<CLogViewDlg>(), Qt::Key_Escape); });
  again.Then([&] { return Shown<CLogViewDlg>() == nullptr && doc.m_datalogfile == renamed; },
             [&] { PressKey(dialog, Qt::Key_Escape); });
  Trigger(ID_RUNLOOP_DATA_LOGGING);
  EXPECT_TRUE(again.Done());
  EXPECT_EQ(doc.m_loginterval, "0.5");
  EXPECT_EQ(doc.m_datalogfile, renamed);
}

TEST_F(DataLogUiTest, AddAtTheLimitIsRefusedAndClearFileEmptiesTheLogOnlyAfterYes) {
  Write("Date\r\n1\r\n");
  doc.m_logfieldcount = 1000;
  messages.answers = {MessageResult::No, MessageResult::Yes};
  CDataLoggingDlg* dialog = nullptr;
  QPushButton* clear = nullptr;
  UserSteps user([&] {
    if (dialog) dialog->m_open = 0;
  });
  user.Then([&] { return (dialog = Shown<CDataLoggingDlg>()) != nullptr; },
            [&] {
              ClickLine(dialog->m_available, 0);
              for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == "Clear File") clear = button;
            });
  user.Then([&] { return dialog->m_addbutton->isEnabled(); }, [&] { dialog->m_addbutton->click(); });
  user.Then([&] { return messages.shown.size() == 1; },
            [&] {
              EXPECT_EQ(messages.shown[0].caption, "Entry Error");
              EXPECT_EQ(messages.shown[0].text, "The Data Log can not contain more than 1000 data fields.");
              EXPECT_EQ(doc.m_logcoldate, -1);
              clear->click();
            });
  user.Then([&] { return messages.shown.size() == 2; },
            [&] {
              EXPECT_EQ(messages.shown[1].caption, "Clear Log File");
              EXPECT_EQ(messages.shown[1].buttons, MessageButtons::YesNoDefaultNo);
              EXPECT_GT(fs::file_size(Log()), 0u);
              clear->click();
            });
  user.Then([&] { return messages.shown.size() == 3; }, [&] { PressKey(dialog, Qt::Key_Escape); });
  Trigger(ID_RUNLOOP_DATA_LOGGING);
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(fs::file_size(Log()), 0u);
  EXPECT_EQ(messages.shown.size(), 3u) << "an emptied log needs no field-order question";
}

TEST_F(DataLogUiTest, TheViewShowsTheLogAndKeepsDraggedWidthsThatChanged) {
  Write("Date,Time,Temp\r\n12/10/26,10:00:00,5,extra\r\n12/10/26,10:00:01\r\n");
  doc.m_logcolwidth[1] = 90;
  doc.SetModifiedFlag(false);
  CLogViewDlg* view = nullptr;
  UserSteps user([&] {
    if (view) view->m_open = 0;
  });
  user.Then([&] { return (view = Shown<CLogViewDlg>()) != nullptr; },
            [&] {
              QTableView* table = view->Table();
              ASSERT_EQ(table->model()->columnCount(), 3);
              ASSERT_EQ(table->model()->rowCount(), 2);
              EXPECT_EQ(table->model()->headerData(2, Qt::Horizontal).toString(), "Temp");
              EXPECT_EQ(table->model()->index(0, 2).data().toString(), "5");
              EXPECT_FALSE(table->model()->index(1, 2).data().isValid());
              EXPECT_FALSE(table->isSortingEnabled());
              EXPECT_EQ(table->horizontalHeader()->sectionSize(1), 90);
              EXPECT_EQ(table->horizontalHeader()->sectionSize(0), 70);
              EXPECT_EQ(view->Note()->text().toStdString(),
                        "Adjust the column widths by dragging on the title boarders with the left mouse button. "
                        "These settings will be used when printing the log report.");
              table->horizontalHeader()->resizeSection(2, 150);
              PressKey(view, Qt::Key_Escape);
            });
  Trigger(ID_VIEW_LOG_FILE);
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(doc.m_logcolwidth[2], 150);
  EXPECT_EQ(doc.m_logcolwidth[1], 90);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_GT(profile.GetProfileInt("LogViewDimensions", "Width"), 0);

  // Unchanged widths leave the project as it was.
  doc.SetModifiedFlag(false);
  UserSteps again([&] {
    if (view) view->m_open = 0;
  });
  again.Then([&] { return (view = Shown<CLogViewDlg>()) != nullptr; },
             [&] { view->findChild<QPushButton*>()->click(); });
  Trigger(ID_VIEW_LOG_FILE);
  EXPECT_TRUE(again.Done());
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(DataLogUiTest, AColumnDraggedNarrowerThanThreeLettersSpringsBack) {
  Write("A,B\r\n1,2\r\n");
  CLogViewDlg* view = nullptr;
  UserSteps user([&] {
    if (view) view->m_open = 0;
  });
  user.Then([&] { return (view = Shown<CLogViewDlg>()) != nullptr; },
            [&] {
              view->Table()->horizontalHeader()->setMinimumSectionSize(1);
              view->Table()->horizontalHeader()->resizeSection(0, 2);
            });
  user.Then([&] { return view->Table()->horizontalHeader()->sectionSize(0) == view->MinimumColumnWidth(); },
            [&] { PressEnter(*view); });
  Trigger(ID_VIEW_LOG_FILE);
  EXPECT_TRUE(user.Done());
}

TEST_F(DataLogUiTest, AnEmptyLogShowsNoColumnsAndALostLineEndIsReportedOnce) {
  for (const auto& [log, rows, reported] : {std::tuple{"", 0, 0u}, {"A,B\r\n1,2\r\n3", 2, 1u}}) {
    messages.shown.clear();
    Write(log);
    CLogViewDlg* view = nullptr;
    UserSteps user([&] {
      if (view) view->m_open = 0;
    });
    user.Then([&] { return (view = Shown<CLogViewDlg>()) != nullptr; },
              [&, rows = rows] {
                EXPECT_EQ(view->Table()->model()->rowCount(), rows);
                PressEnter(*view);
              });
    Trigger(ID_VIEW_LOG_FILE);
    EXPECT_TRUE(user.Done());
    EXPECT_EQ(messages.shown.size(), reported);
  }
}

TEST_F(DataLogUiTest, CancelWhileLoadingShowsNothing) {
  std::string log = "Date,Time,A,B,C,D,E,F,G,H\r\n";
  for (int r = 0; r < 400000; ++r) log += "12/10/26,10:00:00,1,2,3,4,5,6,7,8\r\n";
  Write(log);
  bool cancelled = false;
  UserSteps user([] {});
  user.Then(
      [&] {
        CSystemBusyDlg* busy = Shown<CSystemBusyDlg>();
        return busy && busy->isEnabled();
      },
      [&] {
        Shown<CSystemBusyDlg>()->findChild<QPushButton*>()->click();
        cancelled = true;
      });
  Trigger(ID_VIEW_LOG_FILE);
  EXPECT_TRUE(cancelled);
  EXPECT_EQ(Shown<CLogViewDlg>(), nullptr);
  EXPECT_EQ(Shown<CSystemBusyDlg>(), nullptr);
}

TEST_F(DataLogUiTest, TheLogCommandsWaitForEditModeAndAnUnlockedProject) {
  for (CommandId id : {ID_RUNLOOP_DATA_LOGGING, ID_VIEW_LOG_FILE, ID_FILE_PRINT}) {
    ASSERT_NE(frame.CommandAction(id), nullptr);
    EXPECT_TRUE(frame.CommandAction(id)->isEnabled());
  }
  EXPECT_EQ(frame.CommandAction(ID_VIEW_LOG_FILE)->toolTip(), "ViewLog");
  // As a locked project opens.
  doc.m_lockon = 1;
  frame.View()->OnInitialUpdate();
  for (CommandId id : {ID_RUNLOOP_DATA_LOGGING, ID_VIEW_LOG_FILE, ID_FILE_PRINT})
    EXPECT_FALSE(frame.CommandAction(id)->isEnabled());
}

TEST_F(DataLogUiTest, PrintReportWritesTheChosenPrintersFile) {
  std::string log = "Date,Time,Temp\r\n";
  for (int r = 0; r < 5; ++r) log += "12/10/26,10:00:0" + std::to_string(r) + ",7\r\n";
  Write(log);
  const std::string pdf = (m_dir / "report.pdf").string();
  Ui().SetPrinterChooser([&](QWidget*) { return MakePdfPrinter(pdf); });
  Trigger(ID_FILE_PRINT);
  ASSERT_EQ(PdfPageCount(pdf), 1);
  EXPECT_NE(PdfPageText(pdf, 1).find("Company Name"), std::string::npos);
}

// The report may run over many pages; its name suggests the file of a print
// to a file.
TEST_F(DataLogUiTest, PrintReportOffersAPageRangeForTheNamedReport) {
  Write("Date,Time,Temp\r\n12/10/26,10:00:00,7\r\n");
  bool pagerange = false;
  bool tofile = false;
  QString docname;
  ModalDriver<QPrintDialog> driver([&](QPrintDialog& dialog) {
    pagerange = dialog.testOption(QAbstractPrintDialog::PrintPageRange);
    tofile = dialog.testOption(QAbstractPrintDialog::PrintToFile);
    docname = dialog.printer()->docName();
    dialog.reject();
  });
  Trigger(ID_FILE_PRINT);
  EXPECT_EQ(driver.served, 1);
  EXPECT_TRUE(pagerange);
  EXPECT_TRUE(tofile);
  EXPECT_EQ(docname, "Data Log Report");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DataLogUiTest, ReportSetupStoresOnOkAndNothingOnCancel) {
  doc.m_reportbodyfont = 130;
  doc.SetModifiedFlag(false);
  {
    ModalDriver<CLogReportSetupDlg> cancel([](CLogReportSetupDlg& dialog) {
      EXPECT_EQ(dialog.m_bodyfont->currentText(), "72");
      dialog.m_headerfont->setCurrentIndex(0);
      dialog.reject();
    });
    Ui().EditLogReportSetup();
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Invalid Dialog Box Selection.");
  EXPECT_EQ(doc.m_reportheaderfont, 160);
  EXPECT_EQ(doc.m_reportbodyfont, 130);
  EXPECT_FALSE(doc.IsModified());

  ModalDriver<CLogReportSetupDlg> ok([](CLogReportSetupDlg& dialog) {
    dialog.m_bodyfont->setCurrentIndex(14);
    dialog.m_shading->setChecked(false);
    dialog.accept();
  });
  Ui().EditLogReportSetup();
  EXPECT_EQ(doc.m_reportbodyfont, 90);
  EXPECT_EQ(doc.m_reportshading, 0);
  EXPECT_EQ(doc.m_reportheaderfont, 160);
  EXPECT_TRUE(doc.IsModified());
}

TEST(LogReportSetupDlgTest, OkStoresAllFourteenFieldsAndRefusesAnOverlongHeader) {
  RecordingMessageSink messages;
  LogReportFields fields;
  CLogReportSetupDlg dialog(nullptr, fields, messages);
  EXPECT_EQ(dialog.m_margins[0]->count(), 21);
  EXPECT_EQ(dialog.m_margins[0]->itemText(20), "2.0''");
  EXPECT_EQ(dialog.m_headerfont->itemText(15), "8");
  for (int i = 0; i < 4; ++i) dialog.m_margins[i]->setCurrentIndex(i + 1);
  dialog.m_headerfont->setCurrentIndex(2);
  dialog.m_bodyfont->setCurrentIndex(3);
  dialog.m_pagefont->setCurrentIndex(4);
  dialog.m_headeron->setCurrentIndex(2);
  dialog.m_titleson->setCurrentIndex(1);
  dialog.m_pagepos->setCurrentIndex(6);
  dialog.m_grid->setChecked(true);
  dialog.m_shading->setChecked(true);
  dialog.m_spacing->setCurrentIndex(2);
  dialog.m_title->setPlainText(QString(1001, 'x'));
  dialog.accept();
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  dialog.m_title->setPlainText("Plant\nNorth");
  dialog.accept();
  const LogReportFields& ok = dialog.Fields();
  EXPECT_EQ((std::vector<int>{ok.margintop, ok.marginbottom, ok.marginleft, ok.marginright, ok.headerfont, ok.bodyfont,
                              ok.pagefont, ok.headeron, ok.titleson, ok.pagepos, ok.spacing}),
            (std::vector<int>{1, 2, 3, 4, 2, 3, 4, 2, 1, 6, 2}));
  EXPECT_TRUE(ok.grid && ok.shading);
  EXPECT_EQ(ok.title, "Plant\r\nNorth");
}

ScriptStep Step(int code, const std::string& param1, const std::string& param2 = "") {
  ScriptStep step = NewScriptStep(code);
  step.param1 = param1;
  step.param2 = param2;
  return step;
}

std::string FileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A run ended by a label that does not exist, in the program's own window
// with its own message boxes: the user takes a while to press OK, and
// nothing is recorded after, neither a data log record nor a Chart
// Recorder sample of the halted values.
TEST(RunEndedByAnErrorTest, NothingIsRecordedAfterTheIllegalOperationMessage) {
  struct Case {
    const char* what;
    const char* formula;  // of the Math Conversion after the pause
    const char* field;    // the Chart Recorder's
  };
  for (const Case& c : {Case{"a Math Conversion step", "{Levle} * 2", "Level"},
                        Case{"a Chart Recorder field", "{Level} * 2", "Levle"}}) {
    const fs::path dir = fs::temp_directory_path() / ("korvix_run_end_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    MemoryProfile profile;
    CKorvixDoc doc;
    doc.m_datalogfile = (dir / "DataLog.txt").string();
    doc.m_loginterval = "0.1";
    doc.m_logintervalunit = 0;
    doc.m_logfieldcount = 3;
    doc.m_logcoltime = 0;
    VariableRecord& level = doc.m_variables[doc.m_variables.Add()];
    level.idlabel = "Level";
    level.valuetext = "21";
    level.resetonrun = 0;
    level.logcolumn = 2;
    SignalLampRecord& lamp = doc.m_signallamps[doc.m_signallamps.Add()];
    lamp.idlabel = "Lamp";
    lamp.logcolumn = 1;
    ChartRecorderRecord& recorder = doc.m_chartrecorders[doc.m_chartrecorders.Add()];
    recorder.idlabel = "Chart";
    recorder.fields[recorder.fields.Add()].label = c.field;
    ScriptRecord& script = doc.m_scripts[doc.m_scripts.Add()];
    script.idlabel = "atstart";
    for (const ScriptStep& step : {Step(16, "Lamp"), Step(2, "350"), Step(20, "Level", c.formula)})
      script.steps.Add(step);
    doc.m_runinitscript = script.idlabel;

    // Made before the window, whose run-time core tells it to the end.
    QtMessageSink messages;
    CMainFrame frame{profile};
    messages.SetOwner(&frame);
    CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
    frame.show();
    ViewRuntime& runtime = subsystems->RunLoop().Runtime();
    std::string caption;
    std::string logatmessage;
    std::string samplesatmessage;
    ModalDriver<QMessageBox> user([&](QMessageBox& box) {
      caption = box.windowTitle().toStdString();
      logatmessage = FileText(doc.m_datalogfile);
      samplesatmessage = runtime.Charts().Memory(0).Bytes();
      // Long enough for the next timed record to fall due meanwhile.
      QTimer::singleShot(300, &box, [&box] { box.button(QMessageBox::Ok)->click(); });
    });
    QTimer::singleShot(20000, &frame, [&] { runtime.HaltRunLoop(); });
    frame.CommandAction(ID_RUNLOOP_START)->trigger();

    EXPECT_FALSE(runtime.IsRunning()) << c.what;
    EXPECT_EQ(user.served, 1) << c.what;
    EXPECT_EQ(caption, "Illegal Operation") << c.what;
    EXPECT_EQ(FileText(doc.m_datalogfile), logatmessage) << c.what;
    EXPECT_EQ(runtime.Charts().Memory(0).Bytes(), samplesatmessage) << c.what;
    // Every record is of the running plant: the lamp on, the level as read.
    std::istringstream records(logatmessage);
    std::string line;
    std::getline(records, line);
    int count = 0;
    for (; std::getline(records, line); ++count) EXPECT_EQ(line.substr(line.find(',')), ",On,21\r") << c.what;
    EXPECT_EQ(count > 0, std::string(c.field) == "Level") << c.what;
    fs::remove_all(dir);
  }
}

}  // namespace
}  // namespace korvix::testing
