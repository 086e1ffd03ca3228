#include "ui/main_frame.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "ui/help.h"
#include "ui/korvix_view.h"
#include "ui/latin1.h"

namespace korvix {

namespace {

constexpr char kCaption[] = "Korvix";
constexpr const char* kTopMenuTitles[kTopMenuCount] = {
    "&File", "&Edit", "&View", "&Page", "&Communicate", "&Run-Loop", "&Place-Object", "&Help",
};
constexpr char kExitText[] = "E&xit";
constexpr char kToolBarText[] = "&Toolbar";
constexpr char kStatusBarText[] = "&Status Bar";
constexpr const char* kFontSizeTexts[3] = {"Font Size X 1", "Font Size X 2", "Font Size X 3"};
constexpr CommandId kFontSizeCommands[3] = {ID_VIEW_FONT_SIZE_1, ID_VIEW_FONT_SIZE_2, ID_VIEW_FONT_SIZE_3};
constexpr CommandId kRecentCommands[4] = {ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE2, ID_FILE_MRU_FILE3, ID_FILE_MRU_FILE4};
constexpr int kStatusPaneWidth = 60;
constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 720;

// The style's icons come in every size up to 128 pixels, each held as a
// pixmap for as long as the icon lives: several times what a toolbar shows.
// Only the toolbar's own size is kept, for plain and double-density screens.
QIcon ToolBarIcon(const QStyle& style, const QToolBar& toolbar, QStyle::StandardPixmap which) {
  const QIcon full = style.standardIcon(which, nullptr, &toolbar);
  QIcon icon;
  for (const qreal ratio : {1.0, 2.0}) icon.addPixmap(full.pixmap(toolbar.iconSize(), ratio));
  return icon;
}

}  // namespace

CMainFrame::CMainFrame(Profile& profile, QWidget* parent)
    : QMainWindow(parent), m_view(new CKorvixView(profile, this)), m_toolbar(new QToolBar(this)) {
  setWindowTitle(QString::fromLatin1(kCaption));
  setContextMenuPolicy(Qt::PreventContextMenu);
  setCentralWidget(m_view);
  m_toolbar->setObjectName(QStringLiteral("toolbar"));
  m_toolbar->setFloatable(false);
  m_toolbar->setMovable(false);
  addToolBar(m_toolbar);
  BuildMenus();
  BuildStatusBar();
  AddHelpKey(this, "");
  resize(kDefaultWidth, kDefaultHeight);
}

// The window leaves the screen while the frame is whole: the view's lost
// focus that this brings reaches parts that use the frame, as they do at any
// other time.
CMainFrame::~CMainFrame() { hide(); }

void CMainFrame::BuildMenus() {
  for (int i = 0; i < kTopMenuCount; ++i) {
    QMenu* menu = menuBar()->addMenu(QString::fromLatin1(kTopMenuTitles[i]));
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    m_menus[static_cast<size_t>(i)] = menu;
  }
  BuildFileTail();
  BuildViewMenu();
  for (int i = 0; i < kTopMenuCount; ++i) RefreshMenuVisibility(i);
}

void CMainFrame::BuildFileTail() {
  QMenu* file = TopMenu(kFileMenu);
  m_closingblock[kFileMenu] = file->addSeparator();
  for (size_t i = 0; i < m_recentactions.size(); ++i) {
    QAction* action = MakeAction(kRecentCommands[i], "", [this, i] {
      if (i < m_recentfiles.size() && m_recenthandler) m_recenthandler(m_recentfiles[i]);
    });
    action->setVisible(false);
    file->addAction(action);
    m_recentactions[i] = action;
  }
  file->addSeparator();
  QAction* exit = MakeAction(ID_APP_EXIT, kExitText, [this] { close(); });
  exit->setShortcut(QKeySequence::Quit);
  file->addAction(exit);
}

void CMainFrame::BuildViewMenu() {
  QAction* toolbar = AddCommand(kViewMenu, ID_VIEW_TOOLBAR, kToolBarText, nullptr);
  toolbar->setCheckable(true);
  toolbar->setChecked(true);
  connect(toolbar, &QAction::triggered, this, [this](bool shown) {
    m_toolbar->setVisible(shown);
    emit ToolBarToggled(shown);
  });
  QAction* status = AddCommand(kViewMenu, ID_VIEW_STATUS_BAR, kStatusBarText, nullptr);
  status->setCheckable(true);
  status->setChecked(true);
  connect(status, &QAction::triggered, this, [this](bool shown) {
    statusBar()->setVisible(shown);
    emit StatusBarToggled(shown);
  });
  AddSeparator(kViewMenu);
  auto* sizes = new QActionGroup(this);
  for (int i = 0; i < 3; ++i) {
    QAction* size =
        AddCommand(kViewMenu, kFontSizeCommands[i], kFontSizeTexts[i], [this, i] { m_view->SetFontFactor(i + 1); });
    size->setCheckable(true);
    size->setChecked(m_view->State().m_fontfactor == i + 1);
    sizes->addAction(size);
  }
  connect(m_view, &CKorvixView::FontFactorChanged, this, [this](int factor) {
    for (int i = 0; i < 3; ++i) CommandAction(kFontSizeCommands[i])->setChecked(factor == i + 1);
  });
}

void CMainFrame::BuildStatusBar() {
  for (int i = 0; i < kStatusPaneCount; ++i) {
    auto* pane = new QLabel(this);
    pane->setObjectName(QStringLiteral("pane%1").arg(i));
    if (i == 0) {
      statusBar()->addWidget(pane, 1);
    } else {
      pane->setMinimumWidth(kStatusPaneWidth);
      pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      statusBar()->addPermanentWidget(pane);
    }
    m_panes[static_cast<size_t>(i)] = pane;
  }
}

QAction* CMainFrame::MakeAction(CommandId id, const std::string& text, std::function<void()> handler) {
  auto* action = new QAction(ToQString(text), this);
  action->setData(static_cast<int>(id));
  if (handler) {
    m_handlers[id] = handler;
    connect(action, &QAction::triggered, this, [handler] { handler(); });
  }
  m_actions[id] = action;
  return action;
}

QAction* CMainFrame::AddCommand(int menu, CommandId id, const std::string& text, std::function<void()> handler,
                                const QKeySequence& shortcut) {
  QAction* action = MakeAction(id, text, std::move(handler));
  action->setShortcut(shortcut);
  QMenu* target = TopMenu(menu);
  QAction* before = m_closingblock[static_cast<size_t>(menu)];
  if (before)
    target->insertAction(before, action);
  else
    target->addAction(action);
  RefreshMenuVisibility(menu);
  return action;
}

void CMainFrame::AddSeparator(int menu) {
  QMenu* target = TopMenu(menu);
  QAction* before = m_closingblock[static_cast<size_t>(menu)];
  if (before)
    target->insertSeparator(before);
  else
    target->addSeparator();
}

void CMainFrame::AddToolBarButton(CommandId id, QStyle::StandardPixmap icon) {
  QAction* action = CommandAction(id);
  if (!action) return;
  action->setIcon(ToolBarIcon(*style(), *m_toolbar, icon));
  m_toolbar->addAction(action);
}

QAction* CMainFrame::AddToolBarCommand(CommandId id, const std::string& prompt, const std::string& tooltip,
                                       std::function<void()> handler, QStyle::StandardPixmap icon) {
  return AddToolBarCommand(id, prompt, tooltip, std::move(handler), ToolBarIcon(*style(), *m_toolbar, icon));
}

QAction* CMainFrame::AddToolBarCommand(CommandId id, const std::string& prompt, const std::string& tooltip,
                                       std::function<void()> handler, const QIcon& icon) {
  QAction* action = MakeAction(id, prompt, std::move(handler));
  action->setStatusTip(ToQString(prompt));
  action->setToolTip(ToQString(tooltip));
  action->setIcon(icon);
  m_toolbar->addAction(action);
  return action;
}

void CMainFrame::SetCommandHandler(CommandId id, std::function<void()> handler) { m_handlers[id] = std::move(handler); }

QAction* CMainFrame::InsertCommand(const MenuInsertion& insertion) {
  const auto handler = m_handlers.find(insertion.command);
  if (handler == m_handlers.end() || !handler->second || m_actions.count(insertion.command)) return nullptr;
  QMenu* target = TopMenu(insertion.menu);
  const QList<QAction*> items = target->actions();
  QAction* closing = m_closingblock[static_cast<size_t>(insertion.menu)];
  const qsizetype end = closing ? items.indexOf(closing) : items.size();
  auto* action = new QAction(QString::fromLatin1(insertion.text), this);
  action->setData(static_cast<int>(insertion.command));
  const std::function<void()> run = handler->second;
  connect(action, &QAction::triggered, this, [run] { run(); });
  m_actions[insertion.command] = action;
  if (insertion.position < end)
    target->insertAction(items.at(insertion.position), action);
  else if (closing)
    target->insertAction(closing, action);
  else
    target->addAction(action);
  RefreshMenuVisibility(insertion.menu);
  return action;
}

void CMainFrame::InsertStartupMenuItems() {
  for (const MenuInsertion& insertion : kStartupMenuInsertions) InsertCommand(insertion);
}

QAction* CMainFrame::CommandAction(CommandId id) const {
  const auto found = m_actions.find(id);
  return found == m_actions.end() ? nullptr : found->second;
}

void CMainFrame::SetToolBarShown(bool shown) {
  m_toolbar->setVisible(shown);
  CommandAction(ID_VIEW_TOOLBAR)->setChecked(shown);
}

void CMainFrame::SetStatusBarShown(bool shown) {
  statusBar()->setVisible(shown);
  CommandAction(ID_VIEW_STATUS_BAR)->setChecked(shown);
}

void CMainFrame::SetRecentFiles(const std::vector<std::string>& paths) {
  m_recentfiles = paths;
  for (size_t i = 0; i < m_recentactions.size(); ++i) {
    QAction* action = m_recentactions[i];
    action->setVisible(i < paths.size());
    if (i < paths.size())
      action->setText(
          QStringLiteral("&%1 %2").arg(i + 1).arg(ToQString(paths[i]).replace(QLatin1Char('&'), QStringLiteral("&&"))));
  }
}

void CMainFrame::SetRecentFileHandler(std::function<void(const std::string& path)> handler) {
  m_recenthandler = std::move(handler);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (m_closeguard && !m_closeguard()) {
    event->ignore();
    return;
  }
  event->accept();
}

void CMainFrame::RefreshMenuVisibility(int menu) {
  QMenu* target = TopMenu(menu);
  bool any = false;
  for (QAction* action : target->actions()) any = any || !action->isSeparator();
  target->menuAction()->setVisible(any);
}

}  // namespace korvix
