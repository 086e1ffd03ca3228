#pragma once

#include <QFile>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include "ui/help.h"
#include "ui/help_window.h"

namespace korvix {

// A scratch help folder holding one page, and every page the help window
// is asked to show while it lives.
class HelpPageCatcher final : public QObject {
  Q_OBJECT

public:
  explicit HelpPageCatcher(const QString& page) {
    QFile file(m_folder.filePath(page));
    file.open(QIODevice::WriteOnly);
    file.write("<html><body><p>" + page.toLatin1() + "</p></body></html>");
    SetHelpFolder({m_folder.path().toStdString(), m_folder.path().toStdString()});
    connect(&HelpWindow(), &CHelpWindow::PageShown, this, &HelpPageCatcher::Open);
  }
  ~HelpPageCatcher() override {
    HelpWindow().close();
    SetHelpFolder({});
  }

  QStringList m_opened;

public slots:
  void Open(const QString& page) { m_opened << page; }

private:
  QTemporaryDir m_folder;
};

}  // namespace korvix
