#include "ui/help.h"

#include <QDesktopServices>
#include <QShortcut>
#include <QUrl>
#include <QWidget>

#include "app/help_topic.h"
#include "ui/latin1.h"

namespace korvix {

namespace {
std::string& HelpFolder() {
  static std::string folder;
  return folder;
}
}  // namespace

void SetHelpFolder(const std::string& folder) { HelpFolder() = folder; }

void ShowHelpTopic(const std::string& page) {
  if (HelpFolder().empty()) return;
  const std::string file = HelpTopicFile(HelpFolder(), page);
  if (!file.empty()) QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(file)));
}

void AddHelpKey(QWidget* widget, const std::string& page) {
  auto* key = new QShortcut(QKeySequence(QKeySequence::HelpContents), widget);
  key->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(key, &QShortcut::activated, widget, [page] { ShowHelpTopic(page); });
}

}  // namespace korvix
