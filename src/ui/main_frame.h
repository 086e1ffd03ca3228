#pragma once

#include <QMainWindow>
#include <QStyle>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "platform/profile.h"

class QLabel;
class QMenu;
class QToolBar;

namespace korvix {

class CKorvixView;

// The main window: menu bar, toolbar, status bar and the view. Commands are
// identified by their numbers; a menu item exists only once its command has
// a handler, so the menus never offer what the program cannot do.
class CMainFrame final : public QMainWindow {
  Q_OBJECT

public:
  static constexpr int kStatusPaneCount = 9;

  explicit CMainFrame(Profile& profile, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CKorvixView* View() const { return m_view; }

  // Top-level menus keep their numbers (TopMenu) whether or not they hold
  // items yet; an empty one is not shown.
  QMenu* TopMenu(int index) const { return m_menus.at(static_cast<size_t>(index)); }

  // Appends an item to a menu, before the menu's closing block if it has one.
  QAction* AddCommand(int menu, CommandId id, const std::string& text, std::function<void()> handler,
                      const QKeySequence& shortcut = {});
  void AddSeparator(int menu);
  void AddToolBarButton(CommandId id, QStyle::StandardPixmap icon);
  // A command of the toolbar alone: `prompt` goes to the status bar,
  // `tooltip` beside the button.
  QAction* AddToolBarCommand(CommandId id, const std::string& prompt, const std::string& tooltip,
                             std::function<void()> handler, QStyle::StandardPixmap icon);
  QAction* AddToolBarCommand(CommandId id, const std::string& prompt, const std::string& tooltip,
                             std::function<void()> handler, const QIcon& icon);

  // Gives a command its handler without a menu item, for items that
  // start-up puts in place by position.
  void SetCommandHandler(CommandId id, std::function<void()> handler);
  // Puts the item at its position, or at the end of the menu when the menu
  // is shorter. Does nothing for a command without a handler.
  QAction* InsertCommand(const MenuInsertion& insertion);
  void InsertStartupMenuItems();

  QAction* CommandAction(CommandId id) const;
  QToolBar* ToolBar() const { return m_toolbar; }
  QLabel* StatusPane(int index) const { return m_panes.at(static_cast<size_t>(index)); }

  // The bars as the project says; the View menu's checks follow.
  void SetToolBarShown(bool shown);
  void SetStatusBarShown(bool shown);

  // The File menu's list of recent projects, newest first.
  void SetRecentFiles(const std::vector<std::string>& paths);
  void SetRecentFileHandler(std::function<void(const std::string& path)> handler);

  // Asked before the window closes; false keeps it open.
  void SetCloseGuard(std::function<bool()> guard) { m_closeguard = std::move(guard); }

  // The state the commands follow changed (a run started or ended, another
  // project was opened): the toolbar, which no menu opening refreshes, shows
  // it at once. The menus do the same each time one opens.
  void UpdateCommands() { emit CommandUpdate(); }

signals:
  // Every command sets itself enabled or greyed from the program's state.
  void CommandUpdate();
  // The user switched a bar on or off.
  void ToolBarToggled(bool shown);
  void StatusBarToggled(bool shown);

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void BuildMenus();
  void BuildViewMenu();
  void BuildFileTail();
  void BuildStatusBar();
  QAction* MakeAction(CommandId id, const std::string& text, std::function<void()> handler);
  void RefreshMenuVisibility(int menu);

  CKorvixView* m_view;
  QToolBar* m_toolbar;
  std::array<QMenu*, kTopMenuCount> m_menus{};
  std::array<QAction*, kTopMenuCount> m_closingblock{};
  std::array<QLabel*, kStatusPaneCount> m_panes{};
  std::array<QAction*, 4> m_recentactions{};
  std::vector<std::string> m_recentfiles;
  std::map<int, QAction*> m_actions;
  std::map<int, std::function<void()>> m_handlers;
  std::function<void(const std::string&)> m_recenthandler;
  std::function<bool()> m_closeguard;
};

}  // namespace korvix
