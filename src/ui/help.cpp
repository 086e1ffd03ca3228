#include "ui/help.h"

#include <QApplication>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

#include "ui/help_window.h"

namespace korvix {

namespace {

HelpPlace& Place() {
  static HelpPlace place;
  return place;
}

QPointer<CHelpWindow>& Window() {
  static QPointer<CHelpWindow> window;
  return window;
}

// Windows go before the application that shows them.
void DeleteHelpWindow() { delete Window().data(); }

}  // namespace

void SetHelpFolder(const HelpPlace& place) {
  Place() = place;
  if (Window()) Window()->SetPlace(place);
}

CHelpWindow& HelpWindow() {
  if (!Window()) {
    static bool cleanupadded = false;
    if (!cleanupadded) qAddPostRoutine(&DeleteHelpWindow);
    cleanupadded = true;
    Window() = new CHelpWindow;
    Window()->SetPlace(Place());
  }
  return *Window();
}

void ShowHelpTopic(const std::string& page) {
  CHelpWindow& window = HelpWindow();
  window.ShowTopic(page);
  window.Present(QApplication::activeModalWidget());
}

void AddHelpKey(QWidget* widget, const std::string& page) {
  auto* key = new QShortcut(QKeySequence(QKeySequence::HelpContents), widget);
  key->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(key, &QShortcut::activated, widget, [page] { ShowHelpTopic(page); });
}

}  // namespace korvix
