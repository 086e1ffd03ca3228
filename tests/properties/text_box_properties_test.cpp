#include <gtest/gtest.h>

#include "platform/testing/recording_message_sink.h"
#include "properties/text_box_properties.h"

namespace korvix {
namespace {

struct BorderCase {
  const char* text;
  const char* message;  // nullptr: accepted
};

class TextBoxBorder : public ::testing::TestWithParam<BorderCase> {};

TEST_P(TextBoxBorder, OnlyAWholeNumberFromZeroToTwentyPasses) {
  RecordingMessageSink sink;
  TextBoxFields fields = PropertyKind<ScreenObjectKind::TextBox>::Load(TextBoxRecord{});
  fields.borderwidth = GetParam().text;

  const OkCheck<TextBoxField> check = CheckTextBoxFields(fields, sink);

  if (!GetParam().message) {
    EXPECT_TRUE(check.Accepted());
    EXPECT_TRUE(sink.shown.empty());
    return;
  }
  EXPECT_EQ(check.focus, TextBoxField::BorderWidth);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Entry Error");
  EXPECT_EQ(sink.shown[0].text, GetParam().message);
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextBoxBorder,
                         ::testing::Values(BorderCase{"0", nullptr}, BorderCase{"20", nullptr},
                                           BorderCase{"21", "Please enter an integer between 0 and 20."},
                                           BorderCase{"-1", "Please enter an integer between 0 and 20."},
                                           BorderCase{"x", "Please enter an integer."},
                                           BorderCase{"", "Please enter an integer."}));

TEST(TextBoxProperties, OkStoresEveryFieldAndTheTextWithItsLineBreaks) {
  TextBoxRecord record;
  TextBoxFields fields = PropertyKind<ScreenObjectKind::TextBox>::Load(record);
  EXPECT_EQ(fields.borderwidth, "2");
  EXPECT_EQ(fields.fontsize, 2);
  fields.fontsize = 4;
  fields.fontcolor = Rgb(1, 2, 3);
  fields.alignment = 3;
  fields.bgcolor = Rgb(4, 5, 6);
  fields.bordercolor = Rgb(7, 8, 9);
  fields.borderwidth = "0";
  fields.text = "one\r\ntwo\r\nthree";

  PropertyKind<ScreenObjectKind::TextBox>::Store(fields, record);

  EXPECT_EQ(record.sizecode, 16);
  EXPECT_EQ(record.fontcolor, Rgb(1, 2, 3));
  EXPECT_EQ(record.alignment, 3);
  EXPECT_EQ(record.bgcolor, Rgb(4, 5, 6));
  EXPECT_EQ(record.bordercolor, Rgb(7, 8, 9));
  EXPECT_EQ(record.borderwidth, 0);
  EXPECT_EQ(record.text, "one\r\ntwo\r\nthree");
}

}  // namespace
}  // namespace korvix
