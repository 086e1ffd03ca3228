#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <deque>
#include <functional>
#include <utility>

#include "ui/modeless_editor_dialog.h"

namespace korvix::testing {

// A list editor shaped like the program's: a list, buttons that raise
// requests, and "Close".
class SampleListEditor final : public ModelessEditorDialog {
public:
  SampleListEditor(QWidget* mainwindow, const QString& title) : ModelessEditorDialog(mainwindow) {
    setWindowTitle(title);
    list->addItems({"Startup", "Alarm", "Shutdown"});
    auto* selection = new QGroupBox("Selection List");
    (new QVBoxLayout(selection))->addWidget(list);
    auto* modify = new QGroupBox("Modify");
    auto* buttons = new QVBoxLayout(modify);
    for (QPushButton* button : {newbutton, editbutton, copybutton, pastebutton}) buttons->addWidget(button);
    buttons->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(selection);
    columns->addWidget(modify);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(closebutton, 0, Qt::AlignRight);

    ConnectRequest(newbutton, m_new);
    ConnectRequest(editbutton, m_edit);
    ConnectRequest(copybutton, m_copy);
    ConnectRequest(pastebutton, m_paste);
    ConnectDoubleClick(list, m_edit);
    SetCloseButton(closebutton);
  }

  int m_new = 0, m_edit = 0, m_copy = 0, m_paste = 0;
  QListWidget* list = new QListWidget;
  QPushButton* newbutton = new QPushButton("New");
  QPushButton* editbutton = new QPushButton("Edit");
  QPushButton* copybutton = new QPushButton("Copy");
  QPushButton* pastebutton = new QPushButton("Paste");
  QPushButton* closebutton = new QPushButton("Close");
};

// Whether the toolkit's modality keeps input from a window.
class BlockWatch final : public QObject {
public:
  explicit BlockWatch(QWidget& window) { window.installEventFilter(this); }
  bool blocked = false;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked) blocked = true;
    if (event->type() == QEvent::WindowUnblocked) blocked = false;
    return false;
  }
};

// Plays the user while an editor's loop runs: each step acts once its
// condition holds. Steps that never come true, or an editor still open long
// after the last step (its Close refused), close every editor, so a fault
// fails the test instead of hanging it.
class UserSteps final : public QObject {
public:
  using Ready = std::function<bool()>;
  using Act = std::function<void()>;

  explicit UserSteps(std::function<void()> giveup) : m_giveup(std::move(giveup)) {
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
    m_timer.start();
  }
  // The timer stops once every step has run and the editors are closed, so a
  // step queued after that must start it again or its editor waits for ever.
  void Then(Ready ready, Act act) {
    m_steps.push_back({std::move(ready), std::move(act)});
    if (!m_timer.isActive()) m_timer.start();
  }
  bool Done() const { return m_steps.empty(); }

private:
  static constexpr int kMaxTicks = 20000;

  static bool AnEditorOpen() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
      return qobject_cast<ModelessEditorDialog*>(window) != nullptr && window->isVisible();
    });
  }

  void Tick() {
    if (m_steps.empty() && !AnEditorOpen()) return m_timer.stop();
    if (++m_ticks > kMaxTicks) {
      if (m_steps.empty())
        ADD_FAILURE() << "an editor stayed open after the last step";
      else
        ADD_FAILURE() << m_steps.size() << " steps never came due";
      m_steps.clear();
      m_timer.stop();
      return m_giveup();
    }
    if (m_steps.empty()) return;
    if (!m_steps.front().first()) return;
    const Act act = std::move(m_steps.front().second);
    m_steps.pop_front();
    act();
  }

  std::function<void()> m_giveup;
  std::deque<std::pair<Ready, Act>> m_steps;
  QTimer m_timer;
  int m_ticks = 0;
};

inline void DoubleClickLine(QListWidget& list, int row) {
  QWidget* viewport = list.viewport();
  const QPointF at = list.visualItemRect(list.item(row)).center();
  const QPointF global = viewport->mapToGlobal(at);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                            QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
  }
}

inline void PressEnter(QWidget& dialog) {
  QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(target, &key);
  }
}

}  // namespace korvix::testing
