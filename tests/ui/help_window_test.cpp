#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <filesystem>
#include <fstream>

#include "modal_driver.h"
#include "ui/help.h"
#include "ui/help_window.h"
#include "widget_input.h"

namespace korvix::testing {
namespace {

constexpr char kStart[] =
    "<html><head><title>Korvix Help Contents</title><link rel=\"stylesheet\" href=\"korvix.css\"></head><body>"
    "<ul><li><a href=\"DataWindow.htm\">Data <b>Window</b> Properties</a></li>"
    "<li><a href=\"TextBox.htm#fields\">Text Box Properties</a></li>"
    "<li><a href=\"DataWindow.htm\">Data Window again</a></li>"
    "<li><a href=\"#top\">Top</a></li></ul></body></html>";
constexpr char kDataWindow[] =
    "<html><head><title>Data Window Properties</title></head><body><p>Shows one value.</p>"
    "<p><a href=\"TextBox.htm\">Text Box</a> <a href=\"Missing.htm\">Missing</a> "
    "<a href=\"../../../../secret.htm\">Elsewhere</a></p></body></html>";
constexpr char kTextBox[] =
    "<html><head><title>Text Box Properties</title></head><body><h2 id=\"fields\">Fields</h2></body></html>";

void Write(const std::string& path, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

class HelpWindowTest : public ::testing::Test {
protected:
  HelpWindowTest() {
    Write(help.folder + "/index.html", kStart);
    Write(help.folder + "/korvix.css", "body { color: black; }");
    Write(help.folder + "/DataWindow.htm", kDataWindow);
    Write(help.folder + "/TextBox.htm", kTextBox);
    Write(m_root.path().toStdString() + "/secret.htm", "<html><body>The combination</body></html>");
    SetHelpFolder(help);
  }
  ~HelpWindowTest() override {
    HelpWindow().close();
    SetHelpFolder({});
  }

  CHelpWindow& Window() { return HelpWindow(); }
  QString Text() { return Window().Browser()->toPlainText(); }
  QString Shown() { return QString::fromStdString(HelpBrowser::PageName(Window().Browser()->source())); }

  // A click on the link whose text is `text`, where the page shows it.
  void ClickLink(const QString& text) {
    HelpBrowser* browser = Window().Browser();
    const QTextCursor found = browser->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor middle(browser->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    ClickAt(browser->viewport(), browser->cursorRect(middle).center());
    QApplication::processEvents();
  }

  QTemporaryDir m_root;
  const HelpPlace help{m_root.path().toStdString() + "/usr/share/korvix/help", m_root.path().toStdString() + "/usr"};
};

TEST_F(HelpWindowTest, HelpFilesShowsTheStartPageWithItsPageListAndLinksLeadBackAndForth) {
  // A page of another help folder shown before is no page to go back to.
  QTemporaryDir other;
  Write(other.path().toStdString() + "/Other.htm", "<html><body>other</body></html>");
  SetHelpFolder({other.path().toStdString(), other.path().toStdString()});
  ShowHelpTopic("Other.htm");
  SetHelpFolder(help);

  ShowHelpTopic("");
  ASSERT_TRUE(Window().isVisible());
  EXPECT_EQ(Shown(), "index.html");
  EXPECT_EQ(Window().windowTitle(), "Korvix Help Contents - Korvix Help");

  // The start page's links in its order, each page once.
  QListWidget* list = Window().PageList();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "Data Window Properties");
  EXPECT_EQ(list->item(1)->text(), "Text Box Properties");

  ClickLink("Data Window Properties");
  EXPECT_EQ(Shown(), "DataWindow.htm");
  EXPECT_EQ(Window().windowTitle(), "Data Window Properties - Korvix Help");
  EXPECT_EQ(list->currentRow(), 0);
  ClickLink("Text Box");
  EXPECT_EQ(Shown(), "TextBox.htm");
  EXPECT_EQ(list->currentRow(), 1);

  auto button = [this](const char* text) {
    for (QPushButton* b : Window().findChildren<QPushButton*>())
      if (b->text() == QLatin1String(text)) return b;
    return static_cast<QPushButton*>(nullptr);
  };
  button("Back")->click();
  EXPECT_EQ(Shown(), "DataWindow.htm");
  button("Back")->click();
  EXPECT_EQ(Shown(), "index.html");
  EXPECT_FALSE(button("Back")->isEnabled());
  button("Forward")->click();
  EXPECT_EQ(Shown(), "DataWindow.htm");
  button("Contents")->click();
  EXPECT_EQ(Shown(), "index.html");

  list->setCurrentRow(1);
  EXPECT_EQ(Shown(), "TextBox.htm");
  EXPECT_TRUE(Text().contains("Fields"));
}

TEST_F(HelpWindowTest, APageThatCannotBeShownIsToldByNameAndPlace) {
  ShowHelpTopic("DataWindow.htm");
  ClickLink("Missing");
  EXPECT_EQ(Window().windowTitle(), "Help page not shown - Korvix Help");
  EXPECT_TRUE(Text().contains("\"Missing.htm\"")) << Text().toStdString();
  EXPECT_TRUE(Text().contains(QString::fromStdString(help.folder + ", which holds no such page")))
      << Text().toStdString();

  // A link that climbs out of the folder reaches no file there.
  ShowHelpTopic("DataWindow.htm");
  ClickLink("Elsewhere");
  EXPECT_FALSE(Text().contains("combination")) << Text().toStdString();
  EXPECT_TRUE(Text().contains(QString::fromStdString(help.folder))) << Text().toStdString();

  ShowHelpTopic("../../../../secret.htm");
  EXPECT_FALSE(Text().contains("combination")) << Text().toStdString();
  EXPECT_TRUE(Text().contains("\"../../../../secret.htm\"")) << Text().toStdString();

  // No help folder at all: the window says where it looked, and the page
  // list is the folder's, empty.
  const HelpPlace none{m_root.path().toStdString() + "/nowhere/share/korvix/help", m_root.path().toStdString()};
  SetHelpFolder(none);
  ShowHelpTopic("DataWindow.htm");
  EXPECT_TRUE(Window().isVisible());
  EXPECT_TRUE(Text().contains("\"DataWindow.htm\"")) << Text().toStdString();
  EXPECT_TRUE(Text().contains(QString::fromStdString(none.folder + ", which is not there"))) << Text().toStdString();
  EXPECT_EQ(Window().PageList()->count(), 0);
}

TEST_F(HelpWindowTest, WithoutAStartPageTheListHoldsTheFoldersPagesByTitle) {
  std::filesystem::remove(help.folder + "/index.html");
  SetHelpFolder({});
  SetHelpFolder(help);
  ShowHelpTopic("TextBox.htm");
  QListWidget* list = Window().PageList();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "Data Window Properties");
  EXPECT_EQ(list->item(1)->text(), "Text Box Properties");
  EXPECT_EQ(list->currentRow(), 1);
}

TEST_F(HelpWindowTest, F1InAModalDialogOpensTheOneWindowBesideItAndKeepsTheKeysThere) {
  QDialog dialog;
  auto* ok = new QPushButton("OK", &dialog);
  AddHelpKey(&dialog, "DataWindow.htm");
  QWidget* parentwhileup = nullptr;
  QWidget* focuswhileup = nullptr;
  CHelpWindow* first = nullptr;
  CHelpWindow* second = nullptr;
  ModalDriver<QDialog> driver([&](QDialog& shown) {
    shown.activateWindow();
    QApplication::processEvents();
    ok->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    first = &HelpWindow();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    second = &HelpWindow();
    QApplication::processEvents();
    parentwhileup = HelpWindow().parentWidget();
    focuswhileup = QApplication::focusWidget();
    shown.accept();
  });
  dialog.exec();

  EXPECT_EQ(first, second);
  EXPECT_EQ(parentwhileup, &dialog);
  EXPECT_EQ(focuswhileup, ok);
  // The window outlives the dialog it went with.
  EXPECT_EQ(HelpWindow().parentWidget(), nullptr);
  EXPECT_TRUE(HelpWindow().isVisible());
  EXPECT_EQ(Shown(), "DataWindow.htm");
}

}  // namespace
}  // namespace korvix::testing
