#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <string>

#include "app/help_topic.h"

class QListWidget;
class QPushButton;

namespace korvix {

// Shows the pages of one help folder by name, and nothing else: links are
// followed only to pages of that folder, and a page that cannot be shown
// is replaced by a page telling why.
class HelpBrowser final : public QTextBrowser {
  Q_OBJECT

public:
  explicit HelpBrowser(QWidget* parent);

  void SetPlace(const HelpPlace& place) { m_place = place; }
  const HelpPlace& Place() const { return m_place; }

  static QUrl PageUrl(const std::string& page);
  // The page name a link or a shown page stands for.
  static std::string PageName(const QUrl& url);

  QVariant loadResource(int type, const QUrl& name) override;

private:
  HelpPlace m_place;
};

// The program's help window: the pages with back, forward, home and the
// list of pages.
class CHelpWindow final : public QWidget {
  Q_OBJECT

public:
  explicit CHelpWindow(QWidget* parent = nullptr);

  void SetPlace(const HelpPlace& place);
  // Loads the topic's page (the start page for an empty topic).
  void ShowTopic(const std::string& page);
  // Shows the window where the user can reach it: a modal dialog lets the
  // user reach only its own windows, so the help window goes with `modal`
  // for as long as it is up. Asked for from a dialog, the window comes up
  // beside it and the keys stay with the dialog.
  void Present(QWidget* modal);

  HelpBrowser* Browser() const { return m_browser; }
  QListWidget* PageList() const { return m_pages; }

signals:
  // Each topic shown, by page name.
  void PageShown(const QString& page);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void FillPageList();
  void OnSourceChanged(const QUrl& url);
  void MoveTo(QWidget* parent);

  HelpBrowser* m_browser;
  QListWidget* m_pages;
  QPushButton* m_back;
  QPushButton* m_forward;
  bool m_newplace = true;  // the page list and the history are still those of another place
};

}  // namespace korvix
