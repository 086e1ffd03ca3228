#include <gtest/gtest.h>

#include <functional>

#include "platform/testing/recording_message_sink.h"
#include "properties/data_window_properties.h"

namespace korvix {

namespace {

using DataWindowKind = PropertyKind<ScreenObjectKind::DataWindow>;

constexpr const char* kIllegal = "This field contains an illegal character.";
constexpr const char* kZero = "The Multiplier can not equal zero.";

struct DataWindowCase {
  const char* name;
  std::function<void(DataWindowFields&)> change;
  std::optional<ValueField> focus;
  const char* message;  // nullptr: nothing shown
  bool guard = false;
};

class DataWindowCheck : public ::testing::TestWithParam<DataWindowCase> {};

TEST_P(DataWindowCheck, RefusesTheFirstFaultInFieldOrder) {
  RecordingMessageSink sink;
  DataWindowRecord record;
  record.idlabel = "DataWindow1";
  DataWindowFields fields = DataWindowKind::Load(record);
  GetParam().change(fields);

  const OkCheck<ValueField> check = CheckDataWindowFields(fields, "<Data Windows>\xA2\tTank1\xA2", sink);

  EXPECT_EQ(check.focus, GetParam().focus);
  EXPECT_EQ(check.guard, GetParam().guard);
  if (!GetParam().message) {
    EXPECT_TRUE(sink.shown.empty());
    return;
  }
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Entry Error");
  EXPECT_EQ(sink.shown[0].text, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataWindowCheck,
    ::testing::Values(
        DataWindowCase{"Defaults", [](DataWindowFields&) {}, std::nullopt, nullptr},
        DataWindowCase{"IdLabelBeforeMultiplier",
                       [](DataWindowFields& f) {
                         f.idlabel = "12";
                         f.conversion.multiplier = "0";
                       },
                       ValueField::IdLabel, "ID label must contain at least one non-numerical character."},
        DataWindowCase{"PollBraces", [](DataWindowFields& f) { f.pollcommand = "#1{RD"; }, ValueField::PollCommand,
                       "Illegal use of the curly braces \"{ }\""},
        DataWindowCase{"LookupBraces", [](DataWindowFields& f) { f.conversion.lookuptable = "}t"; },
                       ValueField::LookupTable, "Illegal use of the curly braces \"{ }\""},
        DataWindowCase{"FormulaGuarded", [](DataWindowFields& f) { f.conversion.formula = "Tank1*2"; },
                       ValueField::Formula,
                       "The math formula contains the ID label \"Tank1\". \rIf intending to use the value of this "
                       "object, enclose \rit in curly braces like this {Tank1}.",
                       true},
        DataWindowCase{"MultiplierZeroPoints", [](DataWindowFields& f) { f.conversion.multiplier = "0.000"; },
                       ValueField::Multiplier, kZero},
        DataWindowCase{"MultiplierEmpty", [](DataWindowFields& f) { f.conversion.multiplier = ""; },
                       ValueField::Multiplier, kZero},
        DataWindowCase{"MultiplierNegative", [](DataWindowFields& f) { f.conversion.multiplier = "-1"; }, std::nullopt,
                       nullptr},
        DataWindowCase{"MultiplierExponent", [](DataWindowFields& f) { f.conversion.multiplier = "1e3"; },
                       ValueField::Multiplier, kIllegal},
        DataWindowCase{"OffsetLetter", [](DataWindowFields& f) { f.conversion.offset = "x"; }, ValueField::Offset,
                       kIllegal},
        DataWindowCase{"TripsEmpty",
                       [](DataWindowFields& f) {
                         f.hightrip = "";
                         f.lowtrip = "";
                       },
                       std::nullopt, nullptr},
        DataWindowCase{"HighTripComma", [](DataWindowFields& f) { f.hightrip = "1,5"; }, ValueField::HighTrip,
                       kIllegal},
        DataWindowCase{"LowTripComma", [](DataWindowFields& f) { f.lowtrip = "1,5"; }, ValueField::LowTrip, kIllegal},
        DataWindowCase{"LongSuffixFromAFile", [](DataWindowFields& f) { f.suffix = std::string(71, 's'); },
                       ValueField::Suffix, "Please enter no more than 70 characters."},
        DataWindowCase{"LongCommand", [](DataWindowFields& f) { f.pollcommand = std::string(113, 'c'); },
                       ValueField::PollCommand, "Please enter no more than 112 characters."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DataWindowProperties, TextsAreTrimmedAndTheFieldsNoDialogEditsPassThrough) {
  RecordingMessageSink sink;
  DataWindowRecord record;
  record.valuetext = "12.5";
  record.runcolor1 = Rgb(1, 2, 3);
  record.field15 = 7;
  record.widthfactor = 9.5;
  DataWindowFields fields = DataWindowKind::Load(record);
  fields.idlabel = "  Tank 1 ";
  fields.pollcommand = " #1RD ";
  fields.conversion.formula = " {x}*2 ";
  fields.prefixwidth = 14;
  fields.suffixwidth = 8;
  fields.conversion.outputbase = 1;

  ASSERT_TRUE(CheckDataWindowFields(fields, "", sink).Accepted());
  DataWindowKind::Store(fields, record);

  EXPECT_EQ(record.idlabel, "Tank 1");
  EXPECT_EQ(record.pollcommand, "#1RD");
  EXPECT_EQ(record.formula, "{x}*2");
  EXPECT_EQ(record.prefixwidth, 15);
  EXPECT_EQ(record.suffixwidth, 9);
  EXPECT_EQ(record.outputbase, 1);
  EXPECT_EQ(record.valuetext, "12.5");
  EXPECT_EQ(record.runcolor1, Rgb(1, 2, 3));
  EXPECT_EQ(record.field15, 7);
  EXPECT_EQ(record.widthfactor, 9.5);
}

}  // namespace
}  // namespace korvix
