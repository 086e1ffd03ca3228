#include <gtest/gtest.h>

#include "platform/testing/recording_message_sink.h"
#include "properties/text_window_properties.h"

namespace korvix {
namespace {

using TextWindowKind = PropertyKind<ScreenObjectKind::TextWindow>;

TextWindowRecord RecordAfterARun() {
  TextWindowRecord record;
  record.idlabel = "TextWindow1";
  record.message = "Ready";
  record.messagecolor = Rgb(0, 0, 255);
  record.messagebgcolor = Rgb(192, 192, 192);
  record.valuetext = "Pump failed";
  record.curtextcolor = Rgb(255, 0, 0);
  record.curbgcolor = Rgb(255, 255, 0);
  return record;
}

TEST(TextWindowProperties, OkShowsTheDefaultMessageAgainInItsColours) {
  TextWindowRecord record = RecordAfterARun();
  TextWindowFields fields = TextWindowKind::Load(record);
  fields.message = "Idle";
  fields.messagebgcolor = Rgb(0, 128, 0);

  TextWindowKind::Store(fields, record);

  EXPECT_EQ(record.message, "Idle");
  EXPECT_EQ(record.valuetext, "Idle");
  EXPECT_EQ(record.curtextcolor, Rgb(0, 0, 255));
  EXPECT_EQ(record.curbgcolor, Rgb(0, 128, 0));
}

TEST(TextWindowProperties, WidthsAreCountedFromOneAndAnOddOneIsKept) {
  TextWindowRecord record;
  record.prefixwidth = 15;
  record.suffixwidth = 0;
  TextWindowFields fields = TextWindowKind::Load(record);
  EXPECT_EQ(fields.prefixwidth, 14);
  EXPECT_EQ(fields.suffixwidth, -1);

  TextWindowKind::Store(fields, record);
  EXPECT_EQ(record.prefixwidth, 15);
  EXPECT_EQ(record.suffixwidth, 0);
}

struct WindowCheckCase {
  const char* name;
  std::string prefix;
  std::string idlabel;
  std::optional<TextWindowField> focus;
  const char* message;  // nullptr: nothing shown
};

class TextWindowCheck : public ::testing::TestWithParam<WindowCheckCase> {};

TEST_P(TextWindowCheck, RefusesInFieldOrder) {
  RecordingMessageSink sink;
  TextWindowFields fields = TextWindowKind::Load(RecordAfterARun());
  fields.prefix = GetParam().prefix;
  fields.idlabel = GetParam().idlabel;

  const OkCheck<TextWindowField> check = CheckTextWindowFields(fields, sink);

  EXPECT_EQ(check.focus, GetParam().focus);
  EXPECT_FALSE(check.guard);
  if (!GetParam().message) {
    EXPECT_TRUE(sink.shown.empty());
    return;
  }
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Entry Error");
  EXPECT_EQ(sink.shown[0].text, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextWindowCheck,
    ::testing::Values(WindowCheckCase{"Plain", "", "Tank1", std::nullopt, nullptr},
                      WindowCheckCase{"DigitsOnly", "", "123", TextWindowField::IdLabel,
                                      "ID label must contain at least one non-numerical character."},
                      WindowCheckCase{"Empty", "", "  ", TextWindowField::IdLabel, "Object must have an ID label."},
                      WindowCheckCase{"LongPrefixFirst", std::string(71, 'p'), "123", TextWindowField::Prefix,
                                      "Please enter no more than 70 characters."},
                      WindowCheckCase{"LongLabel", "", std::string(71, 'L'), TextWindowField::IdLabel,
                                      "Please enter no more than 70 characters."}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TextWindowProperties, TheIdLabelIsTrimmedAndOtherwiseStoredAsTyped) {
  RecordingMessageSink sink;
  TextWindowFields fields;
  fields.idlabel = "  Tank 1 ";
  EXPECT_TRUE(CheckTextWindowFields(fields, sink).Accepted());
  EXPECT_EQ(fields.idlabel, "Tank 1");
}

}  // namespace
}  // namespace korvix
