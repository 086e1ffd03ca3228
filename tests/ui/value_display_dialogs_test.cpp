#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "comms/com_link.h"
#include "editor_fixture.h"
#include "fake_com_link_host.h"
#include "platform/profile.h"
#include "platform/testing/fake_clocks.h"
#include "qtdraw/bitmap_file.h"
#include "texts/number_texts.h"
#include "ui/data_window_dlg.h"
#include "ui/dual_hand_gauge_dlg.h"
#include "ui/editor_pass_wait.h"
#include "ui/gauge_dlg.h"
#include "ui/image_box_dlg.h"
#include "ui/latin1_edits.h"
#include "ui/property_editors_ui.h"
#include "ui/wind_vane_dlg.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

// Acts on the modal dialog of type Dialog once it shows.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
}

// Presses OK and lets the events it posted run; any other dialog that opens
// meanwhile (a selector) is counted and closed.
int PressOk(PropertyDialog& dialog) {
  int opened = 0;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != &dialog) {
      ++opened;
      modal->close();
    }
  });
  closer.start(0);
  dialog.OkButton()->click();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  return opened;
}

// The value displays' editors as the program opens them.
class ValueDisplayDialogsTest : public EditorTest {
protected:
  PropertyFrame frame{doc, view, page, window, chartmemories};
  testing::FakeComLinkHost host;
  FakeMillisecondClock clock;
  MemoryProfile profile;
  NumberTexts numbers;
  ComLink link{PeersOf(host), host.run, messages, clock, profile, numbers};
  QtPassWait passwait{link};
  EditorLoop loop{link, passwait, messages};
  struct : EmailReporter {
    void SendEmailReport(const std::string&, const std::string&) override {}
    int SendsInFlight() const override { return 0; }
  } reports;
  CPropertyEditors editors{nullptr, frame,   messages,         [](QWidget*, int) { return std::optional<int>(); },
                           loop,    reports, ChartPlotAccess{}};

  ScreenObject PlaceSelected(ScreenObjectKind kind) {
    const ScreenObject object = PlaceOne(kind);
    editor.SelectOnly(object);
    page.m_tracker.m_rect = editor.ObjectRect(object);
    return object;
  }

  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown) texts.push_back(shown.text);
    return texts;
  }
};

TEST_F(ValueDisplayDialogsTest, DataWindowDialogChecksTheLabelBeforeTheMultiplierAndStoresTheWidths) {
  const ScreenObject dw = PlaceSelected(ScreenObjectKind::DataWindow);
  bool labelfocused = false;
  bool multiplierfocused = false;
  WhenShown<CDataWindowDlg>([&](CDataWindowDlg& dialog) {
    dialog.m_idlabel->setText("12");
    dialog.m_conversion.multiplier->setText("0.000");
    PressOk(dialog);
    labelfocused = dialog.focusWidget() == dialog.m_idlabel;
    dialog.m_idlabel->setText(" Flow 1 ");
    PressOk(dialog);
    multiplierfocused = dialog.focusWidget() == dialog.m_conversion.multiplier;
    ASSERT_TRUE(dialog.isVisible());
    dialog.m_conversion.multiplier->setText("-1");
    dialog.m_hightrip->setText("90");
    dialog.m_prefixwidth->setCurrentIndex(14);
    dialog.m_suffixwidth->setCurrentIndex(8);
    PressOk(dialog);
  });

  editors.EditDataWindowProperties(dw.index);

  EXPECT_EQ(Shown(), (std::vector<std::string>{"ID label must contain at least one non-numerical character.",
                                               "The Multiplier can not equal zero."}));
  EXPECT_TRUE(labelfocused);
  EXPECT_TRUE(multiplierfocused);
  const DataWindowRecord& record = doc.m_datawindows[dw.index];
  EXPECT_EQ(record.idlabel, "Flow 1");
  EXPECT_EQ(record.multiplier, "-1");
  EXPECT_EQ(record.hightrip, "90");
  EXPECT_EQ(record.prefixwidth, 15);
  EXPECT_EQ(record.suffixwidth, 9);
}

TEST_F(ValueDisplayDialogsTest, DialGaugeDialogRefusesAWarningAtTheScaleEndAndATargetWithoutOpeningItsSelector) {
  const ScreenObject dial = PlaceSelected(ScreenObjectKind::DialGauge);
  const DialGaugeRecord before = doc.m_dialgauges[dial.index];
  int selectors = 0;
  bool targetfocused = false;
  bool subdisabled = false;
  WhenShown<CDialGaugeDlg>([&](CDialGaugeDlg& dialog) {
    // Focus events, and so the selectors, need the window active.
    dialog.activateWindow();
    QApplication::processEvents();
    dialog.m_texts.outputlabel->setText("{Tank}");
    selectors += PressOk(dialog);
    targetfocused = dialog.focusWidget() == dialog.m_texts.outputlabel;
    dialog.m_texts.outputlabel->setText("");
    dialog.m_warnlevel->setText("200");
    selectors += PressOk(dialog);
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(doc.m_dialgauges[dial.index].warnlevel, before.warnlevel);
    dialog.m_warnlevel->setText("100");
    dialog.m_scalestart->setText("1 00");
    dialog.m_tickmarks->setCurrentIndex(0);
    subdisabled = !dialog.m_submarks->isEnabled() && dialog.m_submarks->currentIndex() == 0;
    selectors += PressOk(dialog);
  });

  editors.EditDialGaugeProperties(dial.index);

  EXPECT_EQ(Shown(), (std::vector<std::string>{"This field does not support variables.",
                                               "The Warning Level must be between Left Value and Right Value."}));
  EXPECT_EQ(selectors, 0);
  EXPECT_TRUE(targetfocused);
  EXPECT_TRUE(subdisabled);
  const DialGaugeRecord& record = doc.m_dialgauges[dial.index];
  EXPECT_EQ(record.warnlevel, "100");
  EXPECT_EQ(record.scalestart, "100");
  EXPECT_EQ(record.valuetext, "100");
  EXPECT_EQ(record.tickmarks, 1);
  EXPECT_EQ(record.submarks, 0);
}

TEST_F(ValueDisplayDialogsTest, LevelAndVerticalGaugeDialogsNameTheirEndsTopAndBottom) {
  const ScreenObject level = PlaceSelected(ScreenObjectKind::LevelGauge);
  doc.m_levelgauges[level.index].maxseen = 80;
  WhenShown<CLevelGaugeDlg>([&](CLevelGaugeDlg& dialog) {
    EXPECT_EQ(dialog.m_submarks, nullptr);
    EXPECT_EQ(dialog.m_warnlevel, nullptr);
    dialog.m_scaleend->setText("0");
    PressOk(dialog);
    dialog.m_scaleend->setText("50");
    dialog.m_showminmax->setChecked(false);
    PressOk(dialog);
  });
  editors.EditLevelGaugeProperties(level.index);
  EXPECT_EQ(Shown(), std::vector<std::string>{"Top Value cannot equal Bottom Value."});
  EXPECT_EQ(doc.m_levelgauges[level.index].scaleend, "50");
  EXPECT_EQ(doc.m_levelgauges[level.index].showminmax, 0);
  EXPECT_EQ(doc.m_levelgauges[level.index].maxseen, 0);

  const ScreenObject vertical = PlaceSelected(ScreenObjectKind::VerticalGauge);
  WhenShown<CVertGaugeDlg>([&](CVertGaugeDlg& dialog) {
    dialog.m_warnlevel->setText("100");
    PressOk(dialog);
  });
  editors.EditVerticalGaugeProperties(vertical.index);
  EXPECT_EQ(Shown().back(), "The Warning Level must be between Top Value and Bottom Value.");
  EXPECT_EQ(doc.m_vertgauges[vertical.index].warnlevel, "80");
}

TEST_F(ValueDisplayDialogsTest, DualHandGaugeDialogShowsItsOutputFixedOnDecAndStoresTheDialFactor) {
  const ScreenObject gauge = PlaceSelected(ScreenObjectKind::DualHandGauge);
  bool fixed = false;
  WhenShown<CDualHandGaugeDlg>([&](CDualHandGaugeDlg& dialog) {
    fixed = !dialog.m_conversion.outputbase->isEnabled() && dialog.m_conversion.outputbase->currentText() == "Dec";
    dialog.m_dialfactor->setCurrentIndex(3);
    dialog.m_showfactor->setChecked(false);
    PressOk(dialog);
  });

  editors.EditDualHandGaugeProperties(gauge.index);

  EXPECT_TRUE(fixed);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(doc.m_dualhandgauges[gauge.index].dialfactor, 1000);
  EXPECT_EQ(doc.m_dualhandgauges[gauge.index].showfactor, 0);
}

TEST_F(ValueDisplayDialogsTest, WindVaneDialogTakesTheBlanksOutOfItsDegDataAndRefusesEqualOnes) {
  const ScreenObject vane = PlaceSelected(ScreenObjectKind::WindVane);
  bool subdisabled = false;
  WhenShown<CWindVaneDlg>([&](CWindVaneDlg& dialog) {
    dialog.m_tickmarks->setCurrentIndex(0);
    subdisabled = !dialog.m_submarks->isEnabled() && dialog.m_submarks->currentIndex() == 0;
    dialog.m_tickmarks->setCurrentIndex(3);
    EXPECT_TRUE(dialog.m_submarks->isEnabled());
    dialog.m_fulldata->setText("0.0");
    PressOk(dialog);
    EXPECT_EQ(dialog.focusWidget(), dialog.m_fulldata);
    dialog.m_fulldata->setText("3 60");
    PressOk(dialog);
  });

  editors.EditWindVaneProperties(vane.index);

  EXPECT_EQ(Shown(), std::vector<std::string>{"360-Deg Data cannot equal 0-Deg Data."});
  EXPECT_TRUE(subdisabled);
  EXPECT_EQ(doc.m_windvanes[vane.index].fulldata, "360");
  EXPECT_EQ(doc.m_windvanes[vane.index].tickmarks, 16);
}

// Real bitmap files in a scratch folder, read as the program reads them.
class ImageBoxDialogTest : public ValueDisplayDialogsTest {
protected:
  fs::path m_dir = fs::temp_directory_path() /
                   ("korvix_imagebox_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));

  void SetUp() override {
    fs::create_directories(m_dir);
    SaveBitmap("wide.bmp", 100, 50);
    SaveBitmap("tiny.bmp", 10, 10);
    QFile bad(QString::fromStdString((m_dir / "bad.bmp").string()));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("this is text, not a picture");
  }
  void TearDown() override {
    fs::remove_all(m_dir);
    ValueDisplayDialogsTest::TearDown();
  }

  void SaveBitmap(const char* name, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(QString::fromStdString((m_dir / name).string()), "BMP"));
  }
};

TEST_F(ImageBoxDialogTest, TheDialogRefusesOtherPicturesAndTheBoxTakesItsBitmapsSize) {
  const ScreenObject box = PlaceSelected(ScreenObjectKind::ImageBox);
  WhenShown<CImageBoxDlg>([&](CImageBoxDlg& dialog) {
    dialog.m_bitmapfile->setText("plant.jpg");
    PressOk(dialog);
    EXPECT_EQ(dialog.focusWidget(), dialog.m_bitmapfile);
    // A name written on the other system, with its folder separator.
    dialog.m_bitmapfile->setText(QString::fromStdString(m_dir.string() + "\\WIDE.bmp").replace("WIDE", "wide"));
    dialog.m_borderwidth->setText("3");
    PressOk(dialog);
  });

  editors.EditImageBoxProperties(box.index);

  EXPECT_EQ(Shown(), std::vector<std::string>{"The file name must be a bitmap \rimage with a \".bmp\" extension."});
  const ImageBoxRecord& record = doc.m_imageboxes[box.index];
  EXPECT_EQ(record.bitmapfile, m_dir.string() + "\\wide.bmp");
  EXPECT_EQ(record.width, 106);
  EXPECT_EQ(record.height, 56);
}

TEST_F(ImageBoxDialogTest, FilesThatDoNotLoadAreReportedAndTheBoxKeepsItsSize) {
  struct Case {
    std::string file;
    int border;
    int width;
    int height;
    std::string message;  // empty: none
  };
  const std::string dir = m_dir.string() + "/";
  const Case cases[] = {
      {dir + "tiny.bmp", 0, 20, 20, ""},
      {dir + "bad.bmp", 4, 20, 20, "The bitmap file \"" + dir + "bad.bmp\" is not \ra standard encoded bitmap format."},
      {dir + "gone.bmp", 5, 20, 20, "The bitmap file \"" + dir + "gone.bmp\"\rcould not be found at this location."},
  };
  const ScreenObject box = PlaceSelected(ScreenObjectKind::ImageBox);
  for (const Case& c : cases) {
    messages.shown.clear();
    EditImageBox(
        frame, box.index,
        [&](ImageBoxFields& fields) {
          fields.bitmapfile = c.file;
          fields.borderwidth = std::to_string(c.border);
          return DialogOutcome{true, false};
        },
        &ReadBitmapFile, messages);
    const ImageBoxRecord& record = doc.m_imageboxes[box.index];
    EXPECT_EQ(record.bitmapfile, c.file);
    EXPECT_EQ(record.borderwidth, c.border);
    EXPECT_EQ(record.width, c.width) << c.file;
    EXPECT_EQ(record.height, c.height) << c.file;
    EXPECT_EQ(Shown(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
  }
}

}  // namespace
}  // namespace korvix
