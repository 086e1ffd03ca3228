#include "ui/help_window.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/latin1.h"

namespace korvix {

namespace {

// Pages are named by this scheme with the help folder as its root, so
// that a link resolves to a page name and never to a file elsewhere.
constexpr char kScheme[] = "korvix-help";
constexpr char kCaption[] = "Korvix Help";
constexpr char kNotShownTitle[] = "Help page not shown";
constexpr char kBackText[] = "Back";
constexpr char kForwardText[] = "Forward";
constexpr char kHomeText[] = "Contents";
constexpr int kWidth = 900;
constexpr int kHeight = 640;
constexpr int kListWidth = 280;

// What a page's bytes say, parsed without loading anything the page names.
void ParsePage(QTextDocument& document, const std::string& page, const QByteArray& bytes) {
  document.setMetaInformation(QTextDocument::DocumentUrl, HelpBrowser::PageUrl(page).toString());
  // Pages are Latin-1 by their own declaration.
  document.setHtml(QString::fromLatin1(bytes));
}

QByteArray ReadPage(const HelpLookup& lookup) {
  if (lookup.status != HelpLookupStatus::Found) return {};
  QFile file(QString::fromLocal8Bit(lookup.file.c_str()));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString MessagePage(const std::string& message) {
  QString html =
      QStringLiteral("<html><head><title>%1</title></head><body><h1>%1</h1>").arg(QString::fromLatin1(kNotShownTitle));
  for (const QString& line : ToQString(message).split('\n', Qt::SkipEmptyParts))
    html += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
  return html + QStringLiteral("</body></html>");
}

struct ListedPage {
  std::string page;
  QString title;
};

// The pages the start page links to, in its order, by their link texts.
std::vector<ListedPage> PagesOfStartPage(const QTextDocument& start) {
  std::vector<ListedPage> pages;
  QString href;
  QString text;
  const auto take = [&] {
    const QString page = href.section('#', 0, 0);
    const bool plainname = !page.isEmpty() && !page.contains('/') && !page.contains(':');
    const bool seen = std::any_of(pages.begin(), pages.end(),
                                  [&](const ListedPage& listed) { return ToQString(listed.page) == page; });
    if (plainname && !seen && page != QLatin1String(kHelpStartPage))
      pages.push_back({FromQString(page), text.simplified()});
    href.clear();
    text.clear();
  };
  for (QTextBlock block = start.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      const QString fragmenthref = format.isAnchor() ? format.anchorHref() : QString();
      if (fragmenthref != href && !href.isEmpty()) take();
      href = fragmenthref;
      if (!href.isEmpty()) text += it.fragment().text();
    }
    if (!href.isEmpty()) take();
  }
  return pages;
}

// Without a start page: every page of the folder, by its title.
std::vector<ListedPage> PagesOfFolder(const HelpPlace& place) {
  std::vector<ListedPage> pages;
  const QStringList names =
      QDir(QString::fromLocal8Bit(place.folder.c_str()))
          .entryList({QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files, QDir::Name);
  for (const QString& name : names) {
    const HelpLookup lookup = LookUpHelpTopic(place, FromQString(name));
    if (lookup.status != HelpLookupStatus::Found) continue;
    QTextDocument document;
    ParsePage(document, lookup.page, ReadPage(lookup));
    const QString title = document.metaInformation(QTextDocument::DocumentTitle).simplified();
    pages.push_back({lookup.page, title.isEmpty() ? name : title});
  }
  return pages;
}

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) { setOpenExternalLinks(false); }

QUrl HelpBrowser::PageUrl(const std::string& page) {
  QUrl url;
  url.setScheme(QString::fromLatin1(kScheme));
  // Encoded whole, so that a name with a "/" or ".." in it stays that name
  // and is refused as one.
  url.setPath(QLatin1Char('/') + QString::fromLatin1(QUrl::toPercentEncoding(ToQString(page))), QUrl::TolerantMode);
  return url;
}

std::string HelpBrowser::PageName(const QUrl& url) {
  if (url.scheme() != QLatin1String(kScheme)) return FromQString(url.toString());
  QString path = url.path();
  if (path.startsWith('/')) path.remove(0, 1);
  return FromQString(path);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const QUrl url = name.isRelative() ? source().resolved(name) : name;
  const HelpLookup lookup = LookUpHelpTopic(m_place, PageName(url));
  if (lookup.status == HelpLookupStatus::Found) {
    QFile file(QString::fromLocal8Bit(lookup.file.c_str()));
    if (file.open(QIODevice::ReadOnly)) return file.readAll();
    HelpLookup unread = lookup;
    unread.status = HelpLookupStatus::PageUnreadable;
    unread.reason = FromQString(file.errorString());
    return type == QTextDocument::HtmlResource ? QVariant(MessagePage(HelpLookupMessage(m_place, unread)))
                                               : QVariant(QByteArray(""));
  }
  // Empty rather than nothing, which would let the document look for the
  // resource on its own.
  if (type != QTextDocument::HtmlResource) return QByteArray("");
  return MessagePage(HelpLookupMessage(m_place, lookup));
}

CHelpWindow::CHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_browser(new HelpBrowser(this)),
      m_pages(new QListWidget(this)),
      m_back(new QPushButton(QString::fromLatin1(kBackText), this)),
      m_forward(new QPushButton(QString::fromLatin1(kForwardText), this)) {
  setObjectName(QStringLiteral("help"));
  setWindowTitle(QString::fromLatin1(kCaption));
  // The program ends with its main window, whether help is open or not.
  setAttribute(Qt::WA_QuitOnClose, false);
  // Opened from a dialog, the help goes beside it and the keys stay there.
  setAttribute(Qt::WA_ShowWithoutActivating);
  auto* home = new QPushButton(QString::fromLatin1(kHomeText), this);
  for (QPushButton* button : {m_back, m_forward, home}) button->setAutoDefault(false);
  m_back->setEnabled(false);
  m_forward->setEnabled(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_back);
  buttons->addWidget(m_forward);
  buttons->addWidget(home);
  buttons->addStretch(1);
  auto* splitter = new QSplitter(this);
  splitter->addWidget(m_pages);
  splitter->addWidget(m_browser);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({kListWidth, kWidth - kListWidth});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(splitter, 1);
  resize(kWidth, kHeight);

  connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
  connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
  connect(home, &QPushButton::clicked, this, [this] { ShowTopic({}); });
  connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
  connect(m_browser, &QTextBrowser::sourceChanged, this, &CHelpWindow::OnSourceChanged);
  connect(m_pages, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item) ShowTopic(FromQString(item->data(Qt::UserRole).toString()));
  });
}

void CHelpWindow::SetPlace(const HelpPlace& place) {
  const HelpPlace& current = m_browser->Place();
  if (current.folder == place.folder && current.prefix == place.prefix) return;
  m_browser->SetPlace(place);
  m_newplace = true;
}

void CHelpWindow::ShowTopic(const std::string& page) {
  const bool newplace = m_newplace;
  m_newplace = false;
  if (newplace) FillPageList();
  const std::string name = page.empty() ? kHelpStartPage : page;
  const QUrl url = HelpBrowser::PageUrl(name);
  // The same page again is read again: it may have been mended meanwhile.
  if (m_browser->source() == url) {
    m_browser->reload();
    OnSourceChanged(url);
  } else {
    m_browser->setSource(url);
  }
  // Pages of another folder are not to be gone back to.
  if (newplace) m_browser->clearHistory();
  emit PageShown(ToQString(name));
}

void CHelpWindow::FillPageList() {
  const QSignalBlocker quiet(m_pages);
  m_pages->clear();
  const HelpLookup start = LookUpHelpTopic(m_browser->Place(), {});
  std::vector<ListedPage> pages;
  if (start.status == HelpLookupStatus::Found) {
    QTextDocument document;
    ParsePage(document, start.page, ReadPage(start));
    pages = PagesOfStartPage(document);
  } else {
    pages = PagesOfFolder(m_browser->Place());
  }
  for (const ListedPage& listed : pages) {
    auto* item = new QListWidgetItem(listed.title.isEmpty() ? ToQString(listed.page) : listed.title, m_pages);
    item->setData(Qt::UserRole, ToQString(listed.page));
  }
}

// Told before the browser's history, which its source() reads, has the page.
void CHelpWindow::OnSourceChanged(const QUrl& url) {
  const QString title = m_browser->documentTitle().simplified();
  setWindowTitle(title.isEmpty() ? QString::fromLatin1(kCaption)
                                 : title + QStringLiteral(" - ") + QString::fromLatin1(kCaption));
  const QString page = ToQString(HelpBrowser::PageName(url));
  const QSignalBlocker quiet(m_pages);
  m_pages->setCurrentItem(nullptr);
  for (int row = 0; row < m_pages->count(); ++row)
    if (m_pages->item(row)->data(Qt::UserRole).toString() == page) m_pages->setCurrentRow(row);
}

void CHelpWindow::Present(QWidget* modal) {
  if (modal == this) modal = nullptr;
  if (parentWidget() != modal) MoveTo(modal);
  QWidget* asking = QApplication::activeWindow();
  show();
  raise();
  if (qobject_cast<QDialog*>(asking) && asking != this) {
    // Not every window system leaves a window unactivated when asked to.
    asking->activateWindow();
  } else {
    activateWindow();
  }
}

void CHelpWindow::MoveTo(QWidget* parent) {
  if (QWidget* old = parentWidget()) old->removeEventFilter(this);
  const bool shown = isVisible();
  const QRect place = geometry();
  setParent(parent, Qt::Window);
  if (parent) parent->installEventFilter(this);
  if (shown) {
    setGeometry(place);
    show();
  }
}

// The dialog the window went with is closing: the window stays, with the
// next modal dialog, if one is still up, or on its own.
bool CHelpWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Hide) {
    QWidget* next = QApplication::activeModalWidget();
    MoveTo(next == watched ? nullptr : next);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace korvix
