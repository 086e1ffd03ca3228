#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include "ui/help.h"

namespace korvix {

// A scratch help folder holding one page, and every page the program asks
// the desktop to open while it lives.
class HelpPageCatcher final : public QObject {
  Q_OBJECT

public:
  explicit HelpPageCatcher(const QString& page) {
    QFile file(m_folder.filePath(page));
    file.open(QIODevice::WriteOnly);
    SetHelpFolder(m_folder.path().toStdString());
    QDesktopServices::setUrlHandler("file", this, "Open");
  }
  ~HelpPageCatcher() override {
    QDesktopServices::unsetUrlHandler("file");
    SetHelpFolder({});
  }

  QStringList m_opened;

public slots:
  void Open(const QUrl& url) { m_opened << url.fileName(); }

private:
  QTemporaryDir m_folder;
};

}  // namespace korvix
