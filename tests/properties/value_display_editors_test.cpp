#include "editor_fixture.h"

#include "properties/data_window_properties.h"
#include "properties/dual_hand_gauge_properties.h"
#include "properties/gauge_properties.h"
#include "properties/image_box_properties.h"
#include "properties/wind_vane_properties.h"

namespace korvix {
namespace {

constexpr DialogOutcome kOk{true, false};
constexpr DialogOutcome kCancel{false, false};
constexpr DialogOutcome kDelete{false, true};

// The value displays' editors over a page, as the page editor calls them.
class ValueDisplayEditorsTest : public EditorTest {
protected:
  PropertyFrame frame{doc, view, page, window, chartmemories};

  ScreenObject PlaceSelected(ScreenObjectKind kind) {
    const ScreenObject object = PlaceOne(kind);
    editor.SelectOnly(object);
    page.m_tracker.m_rect = editor.ObjectRect(object);
    return object;
  }

  template <ScreenObjectKind K>
  void Edit(int index, DialogOutcome outcome, std::function<void(typename PropertyKind<K>::Fields&)> change = {}) {
    EditProperties<K>(frame, index, [&](auto& fields) {
      if (change) change(fields);
      return outcome;
    });
  }

  // An object in data-log column 2 of 4, the time in column 3.
  template <ScreenObjectKind K>
  void DeleteLogged() {
    doc.m_logfieldcount = 4;
    doc.m_logcoltime = 3;
    const ScreenObject object = PlaceSelected(K);
    ListOf<K>(doc)[object.index].logcolumn = 2;
    Edit<K>(object.index, kDelete);
    EXPECT_EQ(ListOf<K>(doc).Count(), 0);
    EXPECT_EQ(doc.m_logcoltime, 2);
    EXPECT_EQ(doc.m_logfieldcount, 3);
  }
};

TEST_F(ValueDisplayEditorsTest, LevelGaugeOkForgetsItsExtremesAndCancelKeepsThem) {
  const ScreenObject level = PlaceSelected(ScreenObjectKind::LevelGauge);
  LevelGaugeRecord& record = doc.m_levelgauges[level.index];
  record.maxseen = 90;
  record.minseen = 10;
  record.valuetext = "55";

  Edit<ScreenObjectKind::LevelGauge>(level.index, kCancel, [](GaugeFields& f) { f.scalestart = "5"; });
  EXPECT_EQ(record.maxseen, 90);
  EXPECT_EQ(record.minseen, 10);
  EXPECT_EQ(record.valuetext, "55");

  Edit<ScreenObjectKind::LevelGauge>(level.index, kOk, [](GaugeFields& f) { f.scalestart = "5"; });
  EXPECT_EQ(record.maxseen, 0);
  EXPECT_EQ(record.minseen, 0);
  EXPECT_EQ(record.valuetext, "5");
}

TEST_F(ValueDisplayEditorsTest, DialFactorIsStoredAsItsValueAndAnOddOneSurvives) {
  const ScreenObject gauge = PlaceSelected(ScreenObjectKind::DualHandGauge);
  DualHandGaugeRecord& record = doc.m_dualhandgauges[gauge.index];
  record.valuetext = "123";

  Edit<ScreenObjectKind::DualHandGauge>(gauge.index, kOk, [](DualHandGaugeFields& f) { f.dialfactor = 3; });
  EXPECT_EQ(record.dialfactor, 1000);
  EXPECT_EQ(record.valuetext, "0");

  record.dialfactor = 5;
  Edit<ScreenObjectKind::DualHandGauge>(gauge.index, kOk, [](DualHandGaugeFields& f) { EXPECT_EQ(f.dialfactor, -1); });
  EXPECT_EQ(record.dialfactor, 5);
}

TEST_F(ValueDisplayEditorsTest, DeleteReleasesTheLogColumnOfEveryValueDisplay) {
  DeleteLogged<ScreenObjectKind::DataWindow>();
  DeleteLogged<ScreenObjectKind::LevelGauge>();
  DeleteLogged<ScreenObjectKind::MeterGauge>();
  DeleteLogged<ScreenObjectKind::DualHandGauge>();
  DeleteLogged<ScreenObjectKind::WindVane>();
}

// Pictures by name, as a bitmap file reader would find them.
BitmapRead FakeRead(const std::string& file) {
  if (file == "wide.bmp" || file == "wide.Bmp") return {Bitmap(100, 50, std::vector<std::uint32_t>(5000))};
  if (file == "tiny.bmp") return {Bitmap(10, 10, std::vector<std::uint32_t>(100))};
  BitmapRead failed;
  failed.fault = file == "text.bmp" ? BitmapFault::NotBitmap : BitmapFault::Missing;
  return failed;
}

struct ImageCase {
  const char* name;
  std::string file;
  std::string border;
  int width;
  int height;
  const char* message;  // nullptr: nothing shown
};

class ImageBoxEditor : public ValueDisplayEditorsTest, public ::testing::WithParamInterface<ImageCase> {};

TEST_P(ImageBoxEditor, TheBoxTakesItsPicturesSizeOrKeepsItsOwn) {
  const ScreenObject box = PlaceSelected(ScreenObjectKind::ImageBox);
  ImageBoxRecord& record = doc.m_imageboxes[box.index];
  record.width = 80;
  record.height = 100;
  EditImageBox(
      frame, box.index,
      [](ImageBoxFields& fields) {
        fields.bitmapfile = GetParam().file;
        fields.borderwidth = GetParam().border;
        return kOk;
      },
      FakeRead, messages);

  EXPECT_EQ(record.bitmapfile, GetParam().file);
  EXPECT_EQ(std::to_string(record.borderwidth), GetParam().border);
  EXPECT_EQ(record.width, GetParam().width);
  EXPECT_EQ(record.height, GetParam().height);
  if (!GetParam().message) {
    EXPECT_TRUE(messages.shown.empty());
    return;
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Bitmap Error");
  EXPECT_EQ(messages.shown[0].text, GetParam().message);
  EXPECT_EQ(window.invalidated.back().rect, editor.ObjectRect(box));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageBoxEditor,
    ::testing::Values(ImageCase{"Wide", "wide.bmp", "3", 106, 56, nullptr},
                      ImageCase{"TypedCase", "wide.Bmp", "0", 100, 50, nullptr},
                      ImageCase{"TinyGrowsToTwenty", "tiny.bmp", "0", 20, 20, nullptr},
                      ImageCase{"EmptyKeepsTheSize", "", "4", 80, 100, nullptr},
                      ImageCase{"Missing", "gone.bmp", "5", 80, 100,
                                "The bitmap file \"gone.bmp\"\rcould not be found at this location."},
                      ImageCase{"NotABitmap", "text.bmp", "1", 80, 100,
                                "The bitmap file \"text.bmp\" is not \ra standard encoded bitmap format."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ImageBoxProperties, OnlyBitmapNamesPassAndTheBorderIsCheckedFirst) {
  struct Case {
    std::string file;
    std::string border;
    std::optional<ImageBoxField> focus;
    const char* message;
  };
  const Case cases[] = {
      {"plant.Bmp", "2", std::nullopt, nullptr},
      {"", "0", std::nullopt, nullptr},
      {"plant.jpg", "2", ImageBoxField::BitmapFile,
       "The file name must be a bitmap \rimage with a \".bmp\" extension."},
      {"plant.jpg", "21", ImageBoxField::BorderWidth, "Please enter an integer between 0 and 20."},
      {"bmp", "2", ImageBoxField::BitmapFile, "The file name must be a bitmap \rimage with a \".bmp\" extension."},
  };
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    ImageBoxFields fields{"  " + c.file + " ", 0, c.border};
    const OkCheck<ImageBoxField> check = CheckImageBoxFields(fields, sink);
    EXPECT_EQ(check.focus, c.focus) << c.file;
    if (c.message) {
      ASSERT_EQ(sink.shown.size(), 1u);
      EXPECT_EQ(sink.shown[0].text, c.message);
    } else {
      EXPECT_TRUE(sink.shown.empty());
      EXPECT_EQ(fields.bitmapfile, c.file);
    }
  }
}

}  // namespace
}  // namespace korvix
