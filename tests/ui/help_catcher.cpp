#include "help_catcher.h"

#include <QDesktopServices>

#include "ui/help.h"

namespace korvix::testing {

HelpCatcher::HelpCatcher(const std::vector<std::string>& pages) {
  for (const std::string& page : pages) WriteFile(m_folder / page, "<html></html>");
  SetHelpFolder(m_folder.Path());
  QDesktopServices::setUrlHandler("file", this, "Open");
}

HelpCatcher::~HelpCatcher() {
  QDesktopServices::unsetUrlHandler("file");
  SetHelpFolder({});
}

void HelpCatcher::Open(const QUrl& url) { opened.push_back(url.fileName().toStdString()); }

}  // namespace korvix::testing
