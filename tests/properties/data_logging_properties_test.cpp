#include "properties/data_logging_properties.h"

#include <gtest/gtest.h>

#include "platform/testing/recording_message_sink.h"

namespace korvix {
namespace {

constexpr int kSeconds = 0;
constexpr int kMinutes = 1;

TEST(DataLoggingFieldsTest, TheIntervalIsAdjustedThenCheckedForItsUnit) {
  struct Case {
    const char* typed;
    int unit;
    const char* stored;  // null: refused with `message`
    const char* message;
  } cases[] = {
      {".5", kSeconds, "0.5", nullptr},
      {"5.", kSeconds, "5", nullptr},
      {" 5 ", kMinutes, "5", nullptr},
      {"5..", kMinutes, "5", nullptr},
      {"1.25", kSeconds, nullptr, "This field does not support more than one decimal places."},
      {"1.5", kMinutes, nullptr, "A decimal point can only be used with seconds."},
      {"-1", kSeconds, nullptr, "This field can not contain a negative number."},
      {"1a", kSeconds, nullptr, "This field contains an illegal character."},
      {"1.2.3", kSeconds, nullptr, "This field does not support more than one decimal places."},
  };
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    DataLoggingFields fields{c.typed, c.unit, "Log.txt", "Over.txt", 0};
    const OkCheck<DataLoggingField> check = CheckDataLoggingFields(fields, sink);
    if (c.stored) {
      EXPECT_TRUE(check.Accepted()) << c.typed;
      EXPECT_EQ(fields.loginterval, c.stored) << c.typed;
      EXPECT_TRUE(sink.shown.empty()) << c.typed;
    } else {
      EXPECT_EQ(check.focus, DataLoggingField::Interval) << c.typed;
      EXPECT_EQ(fields.loginterval, c.typed) << "a refused Close stores nothing";
      ASSERT_EQ(sink.shown.size(), 1u) << c.typed;
      EXPECT_EQ(sink.shown[0].caption, "Entry Error");
      EXPECT_EQ(sink.shown[0].text, c.message);
    }
  }
}

TEST(DataLoggingFieldsTest, FileNamesAreTrimmedAndRefusalsPutTheFocusOnTheirField) {
  RecordingMessageSink sink;
  DataLoggingFields fields{"1", kSeconds, "  Log {Day}.txt ", " Over.txt\t", 2};
  EXPECT_TRUE(CheckDataLoggingFields(fields, sink).Accepted());
  EXPECT_EQ(fields.datalogfile, "Log {Day}.txt");
  EXPECT_EQ(fields.overflowfile, "Over.txt\t") << "only blanks are cut";

  struct Case {
    DataLoggingFields fields;
    DataLoggingField focus;
  } cases[] = {
      {{"123456", kSeconds, "a", "b", 0}, DataLoggingField::Interval},
      {{"1", kSeconds, std::string(71, 'x'), "b", 0}, DataLoggingField::FileName},
      {{"1", kSeconds, "a", std::string(71, 'x'), 0}, DataLoggingField::OverflowFile},
      {{"1", kSeconds, "Log{Day.txt", "b", 0}, DataLoggingField::FileName},
      {{"1", kSeconds, "a", "{x}{", 0}, DataLoggingField::OverflowFile},
  };
  for (Case& c : cases) {
    RecordingMessageSink refused;
    const DataLoggingFields before = c.fields;
    EXPECT_EQ(CheckDataLoggingFields(c.fields, refused).focus, c.focus) << before.datalogfile;
    EXPECT_EQ(refused.shown.size(), 1u);
    EXPECT_EQ(c.fields.datalogfile, before.datalogfile);
  }
}

TEST(DataLoggingFieldsTest, StoreWritesTheFiveFieldsBack) {
  CKorvixDoc doc;
  const DataLoggingFields fields{"0.5", kSeconds, "A.txt", "B.txt", 3};
  StoreDataLoggingFields(fields, doc);
  const DataLoggingFields loaded = LoadDataLoggingFields(doc);
  EXPECT_EQ(loaded.loginterval, "0.5");
  EXPECT_EQ(loaded.logintervalunit, kSeconds);
  EXPECT_EQ(loaded.datalogfile, "A.txt");
  EXPECT_EQ(loaded.overflowfile, "B.txt");
  EXPECT_EQ(loaded.logclearschedule, 3);
}

}  // namespace
}  // namespace korvix
