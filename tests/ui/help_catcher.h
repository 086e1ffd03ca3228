#pragma once

#include <QObject>
#include <QUrl>
#include <string>
#include <vector>

#include "scratch_folder.h"

namespace korvix::testing {

// Installs a scratch help folder holding `pages` and keeps the file name of
// every page the program asks the desktop to open, instead of opening it.
class HelpCatcher final : public QObject {
  Q_OBJECT

public:
  explicit HelpCatcher(const std::vector<std::string>& pages);
  ~HelpCatcher() override;

  std::vector<std::string> opened;

public slots:
  void Open(const QUrl& url);

private:
  ScratchFolder m_folder;
};

}  // namespace korvix::testing
