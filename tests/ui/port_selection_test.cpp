#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QTimer>

#include "comms/port_map.h"
#include "document/korvix_doc.h"
#include "document/project_file.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"
#include "ui/port_selection_dlg.h"
#include "ui/view_subsystems.h"

namespace korvix {
namespace {

// The master side of a pseudo-terminal; its slave stands in for a serial
// adapter.
class PseudoTerminal {
public:
  PseudoTerminal() : m_master(posix_openpt(O_RDWR | O_NOCTTY)) {
    if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0) m_slave = ptsname(m_master);
  }
  ~PseudoTerminal() {
    if (m_master >= 0) close(m_master);
  }
  const std::string& Slave() const { return m_slave; }

private:
  int m_master;
  std::string m_slave;
};

// The dialog as the program opens it, on the view's own link, so that what
// OK does is what the Run-Loop then talks through.
class PortSelectionTest : public ::testing::Test {
protected:
  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  ViewRuntime& runtime = subsystems->RunLoop().Runtime();
  ComLink& link = runtime.Link();
};

TEST_F(PortSelectionTest, AcceptingMapsTheChosenPortAndOpensIt) {
  PseudoTerminal pty;
  ASSERT_FALSE(pty.Slave().empty());

  CPortSelectionDlg dialog(runtime, link, profile, messages);
  dialog.SelectPort(2);
  dialog.SetDevice(QString::fromStdString(pty.Slave()));
  dialog.accept();

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(runtime.SelectedComPort(), 2);
  EXPECT_EQ(profile.GetProfileString("Ports", "COM3"), pty.Slave());
  EXPECT_TRUE(link.IsOpen());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PortSelectionTest, ADeviceThatDoesNotOpenLeavesNoPortAndSaysWhy) {
  PseudoTerminal pty;
  ASSERT_TRUE(ApplyPortSelection(runtime, link, profile, messages, 2, pty.Slave()));

  CPortSelectionDlg dialog(runtime, link, profile, messages);
  EXPECT_EQ(dialog.SelectedPort(), 2);
  dialog.SetDevice("/nonexistent/ttyUSB7");
  dialog.accept();

  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(runtime.SelectedComPort(), -1);
  EXPECT_FALSE(link.IsOpen());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Communications Error");
  EXPECT_NE(messages.shown[0].text.find("/nonexistent/ttyUSB7"), std::string::npos);
}

// After a refused OK the old port is closed and the failed device stored;
// Cancel must give the user back the port that worked.
TEST_F(PortSelectionTest, CancelAfterARefusedDeviceRestoresThePortsAndTheOpenPort) {
  struct Case {
    const char* what;
    int tried;
  };
  for (const Case c : {Case{"the same port", 2}, Case{"another port", 4}}) {
    SCOPED_TRACE(c.what);
    PseudoTerminal pty;
    ASSERT_TRUE(ApplyPortSelection(runtime, link, profile, messages, 2, pty.Slave()));

    CPortSelectionDlg dialog(runtime, link, profile, messages);
    dialog.SelectPort(c.tried);
    dialog.SetDevice("/nonexistent/ttyUSB7");
    dialog.accept();
    ASSERT_EQ(runtime.SelectedComPort(), -1);
    dialog.reject();

    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(profile.GetProfileString("Ports", "COM3"), pty.Slave());
    EXPECT_FALSE(profile.HasKey("Ports", "COM5"));
    EXPECT_EQ(runtime.SelectedComPort(), 2);
    EXPECT_TRUE(link.IsOpen());
  }
}

TEST_F(PortSelectionTest, TheCommandIsRefusedWhileTheRunLoopRuns) {
  runtime.SelectComPort(4);
  ASSERT_NE(frame.CommandAction(ID_PORT_SELECTION), nullptr);
  // Chosen from inside a real run on a quiet line, which then halts.
  PseudoTerminal pty;
  ASSERT_FALSE(pty.Slave().empty());
  MapComPort(profile, 4, pty.Slave());
  ASSERT_EQ(link.OpenComPort(4), 1);
  QTimer during;
  during.setInterval(0);
  QObject::connect(&during, &QTimer::timeout, [&] {
    if (!subsystems->RunLoop().Runtime().IsRunning()) return;
    during.stop();
    frame.CommandAction(ID_PORT_SELECTION)->trigger();
    subsystems->RunLoop().OnRunLoopHalt();
  });
  during.start();
  subsystems->RunLoop().OnRunLoopStart();

  EXPECT_EQ(runtime.SelectedComPort(), 4);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Port Selection");
}

// The project file does not hold the port: a new or opened project keeps
// the one the user selected, and only a session without one falls back to
// the profile's default.
TEST_F(PortSelectionTest, ANewOrOpenedProjectKeepsTheSelectedPort) {
  PseudoTerminal chosen;
  PseudoTerminal fallback;
  MapComPort(profile, 0, fallback.Slave());
  CKorvixDoc saved;
  saved.m_datawindows.Add();
  const std::string project = StoreProject(saved);
  struct Case {
    const char* what;
    bool forgotten;  // a communications error forgot the port first
    int expected;
  };
  for (const Case c : {Case{"selected", false, 2}, Case{"forgotten", true, 0}}) {
    for (const bool opened : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (opened ? ", opened" : ", new"));
      ASSERT_TRUE(ApplyPortSelection(runtime, link, profile, messages, 2, chosen.Slave()));
      if (c.forgotten) {
        link.CloseComPort();
        runtime.ForgetComPort();
      }
      if (opened) {
        ASSERT_TRUE(LoadProject(project, doc).Ok());
      } else {
        doc.DeleteContents();
      }
      frame.View()->OnInitialUpdate();

      EXPECT_EQ(runtime.SelectedComPort(), c.expected);
      EXPECT_TRUE(link.IsOpen());
    }
  }
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace korvix
