#include "ui/system_busy_dlg.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>

namespace korvix {
namespace {

TEST(SystemBusyDlg, HoldsTheMainWindowUntilClosedAndCancelClearsRunning) {
  QMainWindow main;
  main.show();
  CSystemBusyDlg busy(&main);
  busy.Show("Exporting files, please wait.");
  busy.SetRange(0, 4);
  busy.SetPos(2);
  EXPECT_TRUE(busy.isVisible());
  EXPECT_FALSE(main.isEnabled());
  EXPECT_TRUE(busy.isEnabled());
  EXPECT_TRUE(busy.Running());
  EXPECT_EQ(busy.findChild<QLabel*>()->text(), "Exporting files, please wait.");
  EXPECT_EQ(busy.findChild<QProgressBar*>()->value(), 2);
  if (qEnvironmentVariableIsSet("KORVIX_SHOT_DIR")) {
    busy.grab().save(qEnvironmentVariable("KORVIX_SHOT_DIR") + "/system_busy.png");
  }

  busy.findChild<QPushButton*>()->click();
  EXPECT_FALSE(busy.Running());
  EXPECT_FALSE(main.isEnabled()) << "held until the work closes it";
  busy.Close();
  EXPECT_TRUE(main.isEnabled());
}

}  // namespace
}  // namespace korvix
