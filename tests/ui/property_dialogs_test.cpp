#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

#include "help_page_catcher.h"
#include "properties/name_list.h"
#include "property_dialogs_fixture.h"
#include "ui/id_label_selector_dlg.h"
#include "ui/korvix_view.h"
#include "ui/latin1_edits.h"
#include "ui/main_frame.h"
#include "ui/text_box_dlg.h"
#include "ui/text_window_dlg.h"
#include "ui/view_subsystems.h"

namespace korvix {
namespace {

TEST_F(PropertyDialogsTest, TextBoxDialogRefusesABorderOfTwentyOneAndStoresWhatTheUserSet) {
  const ScreenObject box = PlaceSelected(ScreenObjectKind::TextBox);
  doc.SetModifiedFlag(false);
  pickeranswer = Rgb(10, 20, 30);
  bool focused = false;
  WhenShown<CTextBoxDlg>([&](CTextBoxDlg& dialog) {
    dialog.m_borderwidth->setText("21");
    dialog.OkButton()->click();
    focused = dialog.focusWidget() == dialog.m_borderwidth;
    ASSERT_TRUE(dialog.isVisible());
    dialog.m_borderwidth->setText("0");
    dialog.m_fontsize->setCurrentIndex(1);
    dialog.m_alignment->setCurrentIndex(3);
    dialog.m_text->setPlainText("one\ntwo\nthree");
    PressLeft(dialog.m_fontcolor);
    dialog.OkButton()->click();
  });

  editors.EditTextBoxProperties(box.index);

  EXPECT_EQ(Shown(), std::vector<std::string>{"Please enter an integer between 0 and 20."});
  EXPECT_TRUE(focused);
  const TextBoxRecord& record = doc.m_textboxes[box.index];
  EXPECT_EQ(record.borderwidth, 0);
  EXPECT_EQ(record.sizecode, 36);
  EXPECT_EQ(record.alignment, 3);
  EXPECT_EQ(record.text, "one\r\ntwo\r\nthree");
  EXPECT_EQ(pickerpresets, std::vector<int>{kColorBlack});
  EXPECT_EQ(record.fontcolor, Rgb(10, 20, 30));
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(PropertyDialogsTest, TextWindowDialogRefusesADigitsOnlyLabelThenShowsTheDefaultMessageAgain) {
  const ScreenObject tw = PlaceSelected(ScreenObjectKind::TextWindow);
  doc.m_textwindows[tw.index].message = "Ready";
  doc.m_textwindows[tw.index].valuetext = "Pump failed";
  doc.m_textwindows[tw.index].curtextcolor = kColorRed;
  bool focused = false;
  WhenShown<CTextWindowDlg>([&](CTextWindowDlg& dialog) {
    dialog.m_idlabel->setText("123");
    dialog.OkButton()->click();
    focused = dialog.focusWidget() == dialog.m_idlabel;
    ASSERT_TRUE(dialog.isVisible());
    dialog.m_idlabel->setText("  Pump 1 ");
    dialog.m_suffixwidth->setCurrentIndex(14);
    dialog.OkButton()->click();
  });

  editors.EditTextWindowProperties(tw.index);

  EXPECT_EQ(Shown(), std::vector<std::string>{"ID label must contain at least one non-numerical character."});
  EXPECT_TRUE(focused);
  const TextWindowRecord& record = doc.m_textwindows[tw.index];
  EXPECT_EQ(record.idlabel, "Pump 1");
  EXPECT_EQ(record.suffixwidth, 15);
  EXPECT_EQ(record.valuetext, "Ready");
  EXPECT_EQ(record.curtextcolor, record.messagecolor);
}

TEST_F(PropertyDialogsTest, DeleteRemovesTheObjectWithoutAQuestion) {
  const ScreenObject tw = PlaceSelected(ScreenObjectKind::TextWindow);
  WhenShown<CTextWindowDlg>([](CTextWindowDlg& dialog) { dialog.DeleteButton()->click(); });

  editors.EditTextWindowProperties(tw.index);

  EXPECT_EQ(doc.m_textwindows.Count(), 0);
  EXPECT_EQ(page.m_numselected, 0);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PropertyDialogsTest, F1MovesTheFocusToOkAndOpensTheDialogsHelpPage) {
  HelpPageCatcher help("TextBox.htm");
  const ScreenObject box = PlaceSelected(ScreenObjectKind::TextBox);
  bool okfocused = false;
  WhenShown<CTextBoxDlg>([&](CTextBoxDlg& dialog) {
    dialog.m_text->setFocus();
    Type(dialog.m_text, Qt::Key_F1);
    okfocused = dialog.focusWidget() == dialog.OkButton();
  });

  editors.EditTextBoxProperties(box.index);

  EXPECT_EQ(help.m_opened, QStringList{"TextBox.htm"});
  EXPECT_TRUE(okfocused);
}

TEST(PropertyEditorsInTheProgram, ARightClickOnATextBoxOpensItsDialogInEditModeOnly) {
  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  auto* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  frame.show();
  frame.CommandAction(PlaceCommand(ScreenObjectKind::TextBox))->trigger();
  const Rect rect = subsystems->PageEditor().Editor().ObjectRect({ScreenObjectKind::TextBox, 0});
  const QPointF inside((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  QWidget* viewport = frame.View()->viewport();
  const auto rightclick = [&] {
    QMouseEvent press(QEvent::MouseButtonPress, inside, viewport->mapToGlobal(inside), Qt::RightButton, Qt::RightButton,
                      {});
    QApplication::sendEvent(viewport, &press);
  };
  int opened = 0;
  QTimer closer;
  closer.setInterval(0);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* dialog = qobject_cast<CTextBoxDlg*>(QApplication::activeModalWidget())) {
      ++opened;
      dialog->reject();
    }
  });
  closer.start();

  // Clicked from inside a real run, which then halts.
  bool clicked = false;
  QTimer during;
  during.setInterval(0);
  QObject::connect(&during, &QTimer::timeout, [&] {
    if (!subsystems->RunLoop().Runtime().IsRunning()) return;
    during.stop();
    clicked = true;
    rightclick();
    QApplication::processEvents();
    subsystems->RunLoop().OnRunLoopHalt();
  });
  during.start();
  subsystems->RunLoop().OnRunLoopStart();
  EXPECT_TRUE(clicked);
  EXPECT_EQ(opened, 0);

  rightclick();
  EXPECT_EQ(opened, 1);
}

// A dialog with one edit that opens a selector on focus.
class SelectorDialog final : public PropertyDialog {
public:
  explicit SelectorDialog(MessageSink& messages) : PropertyDialog(nullptr, messages, "Selector", {}) {
    Body()->addWidget(other);
    Body()->addWidget(edit);
    AddFocusSelector(edit, [this]() -> std::optional<QString> {
      ++opened;
      guardedwhileopen = m_selectorctl == edit;
      return QStringLiteral("Tank%1").arg(opened);
    });
  }
  using PropertyDialog::FocusField;

  QLineEdit* other = new QLineEdit(this);
  QLineEdit* edit = new QLineEdit(this);
  int opened = 0;
  bool guardedwhileopen = false;
};

TEST(FocusSelector, OpensOnEntryOnlyAndNotOnTheFocusThatComesBackNorAfterARefusal) {
  RecordingMessageSink messages;
  SelectorDialog dialog(messages);
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
  const auto enter = [&](Qt::FocusReason reason) {
    dialog.other->setFocus(Qt::TabFocusReason);
    dialog.edit->setFocus(reason);
    QApplication::processEvents();
  };

  enter(Qt::TabFocusReason);
  EXPECT_EQ(dialog.opened, 1);
  EXPECT_TRUE(dialog.guardedwhileopen);
  EXPECT_EQ(dialog.edit->text(), "Tank1");
  EXPECT_EQ(dialog.m_selectorctl, nullptr);

  // The focus a window gets back when a modal dialog over it closes.
  enter(Qt::ActiveWindowFocusReason);
  EXPECT_EQ(dialog.opened, 1);

  // A failed check puts the focus there without the selector...
  dialog.other->setFocus(Qt::TabFocusReason);
  dialog.FocusField(dialog.edit, true);
  QApplication::processEvents();
  EXPECT_EQ(dialog.opened, 1);
  EXPECT_EQ(dialog.m_selectorctl, nullptr);
  // ...also when the field had it already...
  dialog.FocusField(dialog.edit, true);
  QApplication::processEvents();
  EXPECT_EQ(dialog.m_selectorctl, nullptr);

  // ...and the next entry opens it again.
  enter(Qt::MouseFocusReason);
  EXPECT_EQ(dialog.opened, 2);
  EXPECT_EQ(dialog.edit->text(), "Tank2");
}

// The program's own selector behind the hook: entering the field offers
// the labels, Select fills it in, and the focus coming back does not offer
// them again.
class LabelFieldDialog final : public PropertyDialog {
public:
  LabelFieldDialog(MessageSink& messages, const std::string& namelist)
      : PropertyDialog(nullptr, messages, "Label", {}) {
    Body()->addWidget(other);
    Body()->addWidget(target);
    AddLabelSelector(target, namelist);
  }
  QLineEdit* other = new QLineEdit(this);
  QLineEdit* target = new QLineEdit(this);
};

TEST(FocusSelector, EnteringALabelFieldOffersTheIdLabelSelectorOnce) {
  CKorvixDoc doc;
  doc.m_datawindows.Add();
  doc.m_datawindows[0].idlabel = "Tank1";
  RecordingMessageSink messages;
  LabelFieldDialog dialog(messages, BuildNameList(doc));
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
  int offered = 0;
  QTimer chooser;
  chooser.setInterval(0);
  QObject::connect(&chooser, &QTimer::timeout, [&] {
    auto* selector = qobject_cast<CIdLabelSelectorDlg*>(QApplication::activeModalWidget());
    if (!selector) return;
    ++offered;
    auto* list = selector->findChild<QListWidget*>();
    const auto rows = list->findItems("\tTank1", Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1);
    list->setCurrentItem(rows[0]);
    for (auto* button : selector->findChildren<QPushButton*>())
      if (button->text() == "Select") button->click();
  });
  chooser.start();

  dialog.target->setFocus(Qt::TabFocusReason);
  for (int pass = 0; pass < 5; ++pass) QApplication::processEvents();

  EXPECT_EQ(offered, 1);
  EXPECT_EQ(dialog.target->text(), "Tank1");
  EXPECT_EQ(dialog.m_selectorctl, nullptr);
}

TEST(Latin1Edits, ALimitStopsTypingButALongerStoredTextIsShownWhole) {
  Latin1LineEdit edit(5);
  edit.SetText("abcdefgh");
  EXPECT_EQ(edit.Text(), "abcdefgh");
  Type(&edit, Qt::Key_X, "x");
  EXPECT_EQ(edit.Text(), "abcdefgh");
  Type(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.Text(), "abcdefg");
  Type(&edit, Qt::Key_X, "x");
  EXPECT_EQ(edit.Text(), "abcdefg");

  edit.SetText("ab");
  Type(&edit, Qt::Key_unknown, QString(QChar(0x20AC)));
  Type(&edit, Qt::Key_Eacute, QString(QChar(0xE9)));
  EXPECT_EQ(edit.Text(), "ab\xE9");
}

TEST(Latin1Edits, MultiLineTextsKeepTheirStoredLineBreaksAndRefuseWhatLatin1Lacks) {
  Latin1TextEdit edit;
  edit.SetText("one\r\ntwo");
  EXPECT_EQ(edit.toPlainText(), "one\ntwo");
  edit.moveCursor(QTextCursor::End);
  Type(&edit, Qt::Key_unknown, QString(QChar(0x20AC)));
  Type(&edit, Qt::Key_Return, "\r");
  Type(&edit, Qt::Key_Eacute, QString(QChar(0xE9)));
  QApplication::clipboard()->setText(QString("x") + QChar(0x20AC));
  edit.paste();
  EXPECT_EQ(edit.Text(), "one\r\ntwo\r\n\xE9");
}

TEST(ColourSwatch, PaintsTheColourWithItsDropButtonAndTakesAnAcceptedChoice) {
  std::optional<int> answer;
  std::vector<int> presets;
  ColourSwatch swatch([&](QWidget*, int colour) {
    presets.push_back(colour);
    return answer;
  });
  swatch.resize(48, 20);
  swatch.SetColour(Rgb(255, 0, 0));

  const QImage image = swatch.grab().toImage();
  const auto at = [&](int x, int y) { return image.pixelColor(x, y); };
  EXPECT_EQ(at(10, 10), QColor(255, 0, 0));
  EXPECT_EQ(at(31, 15), QColor(240, 240, 240));
  // The arrow: rows of 7, 5, 3 and 1 pixels below the button's middle
  // less two, centred in the button that spans x 29 to 45.
  EXPECT_EQ(at(34, 8), QColor(Qt::black));
  EXPECT_EQ(at(40, 8), QColor(Qt::black));
  EXPECT_EQ(at(33, 8), QColor(240, 240, 240));
  EXPECT_EQ(at(41, 8), QColor(240, 240, 240));
  EXPECT_EQ(at(37, 11), QColor(Qt::black));
  EXPECT_EQ(at(36, 11), QColor(240, 240, 240));
  EXPECT_EQ(at(37, 12), QColor(240, 240, 240));

  PressLeft(&swatch);
  EXPECT_EQ(swatch.Colour(), Rgb(255, 0, 0));
  answer = Rgb(0, 0, 255);
  PressLeft(&swatch);
  EXPECT_EQ(swatch.Colour(), Rgb(0, 0, 255));
  EXPECT_EQ(presets, (std::vector<int>{Rgb(255, 0, 0), Rgb(255, 0, 0)}));
}

}  // namespace
}  // namespace korvix
