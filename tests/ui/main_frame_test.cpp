#include <gtest/gtest.h>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>

#include "platform/profile.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"

namespace korvix {
namespace {

QStringList VisibleMenuTitles(CMainFrame& frame) {
  QStringList titles;
  for (QAction* action : frame.menuBar()->actions())
    if (action->isVisible()) titles << action->text();
  return titles;
}

int IndexIn(QMenu* menu, QAction* action) { return static_cast<int>(menu->actions().indexOf(action)); }

TEST(MainFrame, ShowsOnlyMenusThatHoldCommandsAndNinePanes) {
  MemoryProfile profile;
  CMainFrame frame(profile);
  frame.show();
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Korvix"));
  EXPECT_EQ(frame.menuBar()->actions().size(), kTopMenuCount);
  EXPECT_EQ(VisibleMenuTitles(frame), (QStringList{"&File", "&View"}));
  EXPECT_EQ(frame.statusBar()->findChildren<QLabel*>(QRegularExpression("^pane")).size(), 9);
  EXPECT_EQ(frame.CommandAction(ID_VIEW_TOOLBAR)->data().toInt(), 59392);
  EXPECT_EQ(frame.CommandAction(ID_VIEW_STATUS_BAR)->data().toInt(), 59393);
  EXPECT_EQ(frame.grab().size(), frame.size());
}

TEST(MainFrame, StartupItemsLandAtTheirPositionsOnceTheirCommandsExist) {
  MemoryProfile profile;
  CMainFrame frame(profile);
  frame.InsertStartupMenuItems();
  EXPECT_EQ(frame.CommandAction(ID_RADIO_SETUP), nullptr);  // no handler, no dead item
  EXPECT_FALSE(frame.TopMenu(kCommunicateMenu)->menuAction()->isVisible());

  int runs = 0;
  for (CommandId id : {ID_RADIO_SETUP, ID_PLACE_PIVOT_TRACKER, ID_GET_FILE_VERSION})
    frame.SetCommandHandler(id, [&runs] { ++runs; });
  for (int i = 0; i < 6; ++i) frame.AddCommand(kCommunicateMenu, static_cast<CommandId>(32300 + i), "Item", [] {});
  for (int i = 0; i < 3; ++i) frame.AddCommand(kPlaceObjectMenu, static_cast<CommandId>(32100 + i), "Kind", [] {});
  frame.InsertStartupMenuItems();
  frame.InsertStartupMenuItems();  // a second pass adds nothing

  QAction* radio = frame.CommandAction(ID_RADIO_SETUP);
  ASSERT_NE(radio, nullptr);
  EXPECT_EQ(radio->text(), QStringLiteral("Radio Setup"));
  EXPECT_EQ(IndexIn(frame.TopMenu(kCommunicateMenu), radio), 4);
  EXPECT_EQ(frame.TopMenu(kCommunicateMenu)->actions().size(), 7);
  // Shorter menus take the item at their end, ahead of a closing block.
  QMenu* place = frame.TopMenu(kPlaceObjectMenu);
  EXPECT_EQ(IndexIn(place, frame.CommandAction(ID_PLACE_PIVOT_TRACKER)), 3);
  QMenu* file = frame.TopMenu(kFileMenu);
  const int version = IndexIn(file, frame.CommandAction(ID_GET_FILE_VERSION));
  EXPECT_LT(version, IndexIn(file, frame.CommandAction(ID_FILE_MRU_FILE1)));
  frame.CommandAction(ID_RADIO_SETUP)->trigger();
  EXPECT_EQ(runs, 1);
}

TEST(MainFrame, ViewMenuSwitchesBarsAndFontSize) {
  MemoryProfile profile;
  {
    CMainFrame frame(profile);
    frame.show();
    std::vector<bool> toggles;
    QObject::connect(&frame, &CMainFrame::ToolBarToggled, [&toggles](bool shown) { toggles.push_back(shown); });
    frame.CommandAction(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_FALSE(frame.ToolBar()->isVisible());
    EXPECT_EQ(toggles, std::vector<bool>{false});
    frame.SetStatusBarShown(false);
    EXPECT_FALSE(frame.statusBar()->isVisible());
    EXPECT_FALSE(frame.CommandAction(ID_VIEW_STATUS_BAR)->isChecked());

    frame.CommandAction(ID_VIEW_FONT_SIZE_3)->trigger();
    EXPECT_EQ(frame.View()->State().m_fontfactor, 3);
    EXPECT_EQ(frame.View()->State().m_gridsize, 15);
    EXPECT_TRUE(frame.CommandAction(ID_VIEW_FONT_SIZE_3)->isChecked());
    EXPECT_FALSE(frame.CommandAction(ID_VIEW_FONT_SIZE_1)->isChecked());
  }
  EXPECT_EQ(profile.GetProfileInt("Configuration", "FontSize"), 3);
  CMainFrame again(profile);
  EXPECT_EQ(again.View()->State().m_gridsize, 15);
  EXPECT_TRUE(again.CommandAction(ID_VIEW_FONT_SIZE_3)->isChecked());

  profile.WriteProfileInt("Configuration", "FontSize", 7);
  CMainFrame odd(profile);
  EXPECT_EQ(odd.View()->State().m_fontfactor, 1);
  EXPECT_EQ(odd.View()->State().m_gridsize, 5);
}

TEST(MainFrame, RecentFilesAndTheCloseGuard) {
  MemoryProfile profile;
  CMainFrame frame(profile);
  std::string chosen;
  frame.SetRecentFileHandler([&chosen](const std::string& path) { chosen = path; });
  frame.SetRecentFiles({"/p/a&b.kvx", "/p/c.kvx"});
  EXPECT_TRUE(frame.CommandAction(ID_FILE_MRU_FILE2)->isVisible());
  EXPECT_FALSE(frame.CommandAction(ID_FILE_MRU_FILE3)->isVisible());
  EXPECT_EQ(frame.CommandAction(ID_FILE_MRU_FILE1)->text(), QStringLiteral("&1 /p/a&&b.kvx"));
  frame.CommandAction(ID_FILE_MRU_FILE2)->trigger();
  EXPECT_EQ(chosen, "/p/c.kvx");

  frame.show();
  bool allow = false;
  frame.SetCloseGuard([&allow] { return allow; });
  frame.CommandAction(ID_APP_EXIT)->trigger();
  EXPECT_TRUE(frame.isVisible());
  allow = true;
  frame.CommandAction(ID_APP_EXIT)->trigger();
  EXPECT_FALSE(frame.isVisible());
}

TEST(KorvixView, ScrollsOverThePageAndStartsOverAtInitialUpdate) {
  MemoryProfile profile;
  CMainFrame frame(profile);
  frame.show();
  CKorvixView* view = frame.View();
  int steps = 0;
  view->AddInitialUpdateStep([&steps] { ++steps; });
  QRect painted;
  view->SetPaintHandler([&painted](QPainter&, const QRegion& dirty) { painted = dirty.boundingRect(); });
  view->SetPageExtent(QSize(5000, 4000));
  view->horizontalScrollBar()->setValue(300);
  view->verticalScrollBar()->setValue(200);
  EXPECT_EQ(view->State().m_scrollx, 300);
  EXPECT_EQ(view->State().m_scrolly, 200);
  view->viewport()->grab();
  EXPECT_EQ(painted.topLeft(), QPoint(300, 200));  // page coordinates

  view->State().m_dragstate = 1;
  view->OnInitialUpdate();
  EXPECT_EQ(steps, 1);
  EXPECT_EQ(view->State().m_scrollx, 0);
  EXPECT_EQ(view->State().m_dragstate, 0);
}

}  // namespace
}  // namespace korvix
