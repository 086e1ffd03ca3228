#include <gtest/gtest.h>

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>

#include "platform/profile.h"
#include "properties/colour_palette.h"
#include "scratch_folder.h"
#include "ui/color_select.h"
#include "ui/colorref.h"
#include "ui/colour_palette_grid.h"
#include "widget_input.h"

namespace korvix::testing {
namespace {

constexpr int kRed = 0x0000FF;
constexpr int kCyan = 0xFFFF00;

QWidget* ChildOfClass(QWidget& parent, const char* name) {
  for (QWidget* child : parent.findChildren<QWidget*>())
    if (qstrcmp(child->metaObject()->className(), name) == 0 && child->isVisible()) return child;
  return nullptr;
}

QPoint CentreOf(const Rect& cell) { return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2}; }

struct Picker {
  Picker(int colour, Profile& profile) : dialog(nullptr, colour, profile) {
    dialog.show();
    palette = dialog.findChild<CColourPaletteGrid*>();
    chooser = dialog.findChild<QColorDialog*>();
  }
  void Press(QDialogButtonBox::StandardButton which) { dialog.findChild<QDialogButtonBox*>()->button(which)->click(); }
  CColorSelect dialog;
  CColourPaletteGrid* palette;
  QColorDialog* chooser;
};

TEST(ColorSelect, OpensAsColorSelectorWithTheFocusOnOk) {
  MemoryProfile profile;
  Picker picker(kRed, profile);
  EXPECT_EQ(picker.dialog.windowTitle(), QStringLiteral("Color Selector"));
  EXPECT_EQ(picker.dialog.focusWidget(), picker.dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
  ASSERT_NE(picker.palette, nullptr);
  EXPECT_TRUE(picker.palette->isVisible());
}

TEST(ColorSelect, OnlyTheCellOfTheOpeningColourIsSunken) {
  MemoryProfile profile;
  for (const int opening : {kRed, 0x123456}) {
    Picker picker(opening, profile);
    const QImage image = picker.palette->grab().toImage();
    const int current = PaletteCellOf(opening);
    for (int i = 0; i < kPaletteSize; ++i) {
      const Rect& cell = picker.palette->Cells()[static_cast<size_t>(i)];
      const Rect& raised = picker.palette->Cells()[i == 0 ? 1 : 0];
      // A sunken edge is dark at the top left, a raised one light.
      const int lightness = image.pixelColor(cell.left, cell.top).lightness();
      const int reference = image.pixelColor(raised.left, raised.top).lightness();
      if (i == current)
        EXPECT_LT(lightness, reference) << i;
      else
        EXPECT_EQ(lightness, reference) << opening << " cell " << i;
    }
  }
}

TEST(ColorSelect, PaletteClickIsReturnedAndOkSavesTheCustomColours) {
  ScratchFolder folder;
  IniProfile profile(folder / "Korvix.ini");
  profile.WriteProfileInt("SavedColors", "Color3", kRed);
  Picker picker(0x000000, profile);
  EXPECT_EQ(ToColorRef(QColorDialog::customColor(3)), kRed);
  EXPECT_EQ(ToColorRef(QColorDialog::customColor(4)), 0xFFFFFF);

  ClickAt(picker.palette, CentreOf(picker.palette->Cells()[static_cast<size_t>(PaletteCellOf(kCyan))]));
  EXPECT_EQ(picker.palette->Current(), kCyan);
  QColorDialog::setCustomColor(9, ToQColor(0x00FF00));
  picker.Press(QDialogButtonBox::Ok);

  EXPECT_EQ(picker.dialog.result(), QDialog::Accepted);
  EXPECT_EQ(picker.dialog.Color(), kCyan);
  IniProfile reopened(folder / "Korvix.ini");
  EXPECT_EQ(reopened.GetProfileInt("SavedColors", "Color3"), kRed);
  EXPECT_EQ(reopened.GetProfileInt("SavedColors", "Color9"), 0x00FF00);
  EXPECT_EQ(reopened.GetProfileInt("SavedColors", "Color15"), 0xFFFFFF);
}

TEST(ColorSelect, SpectrumChoiceIsReturnedAndRaisesThePaletteCell) {
  MemoryProfile profile;
  Picker picker(kRed, profile);
  QWidget* spectrum = ChildOfClass(picker.dialog, "QColorPicker");
  ASSERT_NE(spectrum, nullptr);
  ClickAt(spectrum, {spectrum->width() / 3, spectrum->height() / 4});
  EXPECT_EQ(picker.palette->Current(), kNoPaletteColour);
  const int chosen = ToColorRef(picker.chooser->currentColor());
  picker.Press(QDialogButtonBox::Ok);
  EXPECT_EQ(picker.dialog.Color(), chosen);
  EXPECT_NE(chosen, kRed);
  EXPECT_NE(chosen, kNoPaletteColour);
}

TEST(ColorSelect, CancelAndEscapeCloseWritingNoKey) {
  ScratchFolder folder;
  for (const bool escape : {false, true}) {
    IniProfile profile(folder / "Korvix.ini");
    Picker picker(kRed, profile);
    ClickAt(picker.palette, CentreOf(picker.palette->Cells()[static_cast<size_t>(PaletteCellOf(kCyan))]));
    QColorDialog::setCustomColor(0, ToQColor(kCyan));
    if (escape)
      PressKey(picker.chooser->findChild<QSpinBox*>(), Qt::Key_Escape);
    else
      picker.Press(QDialogButtonBox::Cancel);
    EXPECT_EQ(picker.dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(picker.dialog.isVisible());
    EXPECT_FALSE(IniProfile(folder / "Korvix.ini").HasKey("SavedColors", "Color0"));
  }
}

TEST(ColorSelect, AnEmptyCustomSlotKeepsTheColourAFilledOneSetsIt) {
  MemoryProfile profile;
  profile.WriteProfileInt("SavedColors", "Color0", 0x00FF00);
  Picker picker(kRed, profile);
  QWidget* customwell = nullptr;
  for (QWidget* well : picker.dialog.findChildren<QWidget*>())
    if (qstrcmp(well->metaObject()->className(), "QWellArray") == 0 && well->isVisible()) customwell = well;
  ASSERT_NE(customwell, nullptr);
  // Two rows of eight; the saved colours run down the columns.
  const int width = customwell->width() / 8, height = customwell->height() / 2;
  ClickAt(customwell, {width * 3 + width / 2, height / 2});
  QApplication::processEvents();
  EXPECT_EQ(ToColorRef(picker.chooser->currentColor()), kRed);
  ClickAt(customwell, {width / 2, height / 2});
  QApplication::processEvents();
  EXPECT_EQ(ToColorRef(picker.chooser->currentColor()), 0x00FF00);
}

}  // namespace
}  // namespace korvix::testing
