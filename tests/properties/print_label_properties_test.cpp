#include <gtest/gtest.h>

#include "platform/testing/recording_message_sink.h"
#include "properties/print_label_properties.h"

namespace korvix {
namespace {

constexpr const char* kNames = "<Variables>\xA2\tLot\xA2";

TEST(PrintLabelProperties, ChecksRunInOrderEachWithItsField) {
  struct Case {
    std::string text;
    std::string barcode;
    std::optional<PrintLabelField> focus;
    std::string message;
  };
  const Case cases[] = {
      {"{Lot", "{Lot", PrintLabelField::Barcode, ""},
      {"{Lot", "Lot", PrintLabelField::Barcode, ""},  // a bare label, and the user goes back
      {"{Lot", "{Lot},7", PrintLabelField::Barcode, "This field cannot contain a comma."},
      {"{Lot", "{Lot}", PrintLabelField::Text, ""},
      {"Lot", "{Lot}", PrintLabelField::Text, ""},
      {"Lot: {Lot}", "{Lot}", std::nullopt, ""},
  };
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    PrintLabelFields fields{"Zebra", c.text, 11, c.barcode, 5};
    EXPECT_EQ(CheckPrintLabelFields(fields, kNames, sink).focus, c.focus) << c.text << " " << c.barcode;
    ASSERT_LE(sink.shown.size(), 1u);
    if (!c.message.empty()) {
      EXPECT_EQ(sink.shown[0].caption, "Entry Error");
      EXPECT_EQ(sink.shown[0].text, c.message);
    }
  }
}

TEST(PrintLabelProperties, TrailingBlanksGoFromEveryLine) {
  EXPECT_EQ(WithoutTrailingBlanks("Lot 7  \r\n  Line two\t\r\n \r\nend "), "Lot 7\r\n  Line two\r\n\r\nend");
  RecordingMessageSink sink;
  PrintLabelFields fields{"Zebra", "a \r\nb  ", 11, "", 5};
  EXPECT_TRUE(CheckPrintLabelFields(fields, kNames, sink).Accepted());
  EXPECT_EQ(fields.text, "a\r\nb");
}

TEST(PrintLabelProperties, AStoredPrinterFindsItsEntry) {
  const std::vector<std::string> three = {"HP A", "Brother", "hp B"};
  const std::vector<std::string> two = {"HP A", "Brother"};
  EXPECT_EQ(FindPrinterEntry(three, "hp"), 2);    // the search starts after the first entry
  EXPECT_EQ(FindPrinterEntry(two, "hp"), 0);      // and wraps round
  EXPECT_EQ(FindPrinterEntry(three, "HP A"), 0);  // an exact name is never another printer
  EXPECT_EQ(FindPrinterEntry(three, "Canon"), -1);
  EXPECT_EQ(FindPrinterEntry(three, ""), -1);
  EXPECT_EQ(FindPrinterEntry({}, "hp"), -1);
}

}  // namespace
}  // namespace korvix
