#include <gtest/gtest.h>

#include "ok_check_cases.h"
#include "properties/name_list.h"
#include "properties/pi_controller_properties.h"

namespace korvix {
namespace {

using PIKind = PropertyKind<ScreenObjectKind::PIController>;
using PICase = OkCase<PIControllerFields, PIControllerField>;
using F = PIControllerField;

constexpr const char* kIllegal = "This field contains an illegal character.";
constexpr const char* kEqual = "Max Value can not equal Min Value";
constexpr const char* kVariables = "This field does not support variables.";

class PIControllerCheck : public ::testing::TestWithParam<PICase> {};

TEST_P(PIControllerCheck, RefusesInTheDialogsOrder) {
  RecordingMessageSink sink;
  PIControllerFields fields = PIKind::Load(PIControllerRecord{});
  fields.idlabel = "PI1";
  GetParam().change(fields);
  const std::string namelist = std::string("<Data Windows>\xA2\tTank1\xA2");
  ExpectVerdict(GetParam(), CheckPIControllerFields(fields, namelist, sink), sink);
}

const auto PositiveRange = [](std::string prefix, std::string max, std::string min) {
  return [=](PIControllerFields& f) {
    f.posprefix = prefix;
    f.posmax = max;
    f.posmin = min;
  };
};

INSTANTIATE_TEST_SUITE_P(
    Cases, PIControllerCheck,
    ::testing::Values(
        PICase{"Defaults", [](auto&) {}, std::nullopt},
        PICase{"ZeroMultiplier", [](auto& f) { f.multiplier = "0.000"; }, F::Multiplier,
               "The Multiplier can not equal zero."},
        PICase{"NegativeMultiplier", [](auto& f) { f.multiplier = "-2"; }, std::nullopt},
        PICase{"EqualLimitsWithPrefix", PositiveRange("P", "5", "05"), F::PosMax, kEqual},
        PICase{"EqualLimitsWithoutPrefix", PositiveRange(" ", "5", "05"), std::nullopt},
        PICase{"EmptyLimitIsZero", PositiveRange("P", "-0", ""), F::PosMax, kEqual},
        PICase{"MinWithPoint", PositiveRange("P", "5", "1.5"), F::PosMin, kIllegal},
        PICase{"NegativeRangeEqual",
               [](auto& f) {
                 f.negprefix = "N";
                 f.negmax = "-3";
                 f.negmin = "-3";
               },
               F::NegMax, kEqual},
        PICase{"PrefixBracesOnlyAfterTheEqualities",
               [](auto& f) {
                 f.negprefix = "N{";
                 f.posprefix = "P";
                 f.posmax = f.posmin = "1";
               },
               F::PosMax, kEqual},
        PICase{"PrefixBraces",
               [](auto& f) {
                 f.negprefix = "N{";
                 f.negmax = "1";
               },
               F::NegPrefix, kVariables},
        PICase{"OwnTarget", [](auto& f) { f.sensorto = " pi 1 "; }, F::SensorTo, "Can not send output value to itself.",
               true},
        PICase{"UnbracedLabelInFormula", [](auto& f) { f.formula = "Tank1*2"; }, F::Formula,
               "The math formula contains the ID label \"Tank1\". \rIf intending to use the value of this object, "
               "enclose \rit in curly braces like this {Tank1}.",
               true},
        PICase{"CommandBraces", [](auto& f) { f.pollcommand = "R{a(1)}"; }, F::PollCommand,
               "The name of a variable cannot contain commas, \rparentheses, or relational operators."},
        PICase{"LongCommand", [](auto& f) { f.pollcommand = std::string(113, 'R'); }, F::PollCommand,
               "Please enter no more than 112 characters."}),
    RowName<PICase>);

TEST(PIControllerProperties, ANewDecPointResetsKpAndKiToOneUnitOfIt) {
  PIControllerRecord record;
  record.kpkiformat = 0;
  record.kptext = "7";
  record.kitext = "3";
  PIControllerFields fields = PIKind::Load(record);
  PIKind::Store(fields, record);
  EXPECT_EQ(record.kptext, "7");
  EXPECT_EQ(record.kitext, "3");

  fields.kpkiformat = 2;
  PIKind::Store(fields, record);
  EXPECT_EQ(record.kpkiformat, 2);
  EXPECT_EQ(record.kptext, "0.01");
  EXPECT_EQ(record.kitext, "0.01");
}

TEST(PIControllerProperties, ARangeWithoutPrefixKeepsNoLimits) {
  PIControllerRecord record;
  PIControllerFields fields = PIKind::Load(record);
  fields.posmax = fields.posmin = "5";
  fields.negprefix = "N";
  fields.negmax = "-1";
  fields.negmin = "-9";
  PIKind::Store(fields, record);
  EXPECT_EQ(record.posmax, "");
  EXPECT_EQ(record.posmin, "");
  EXPECT_EQ(record.negmax, "-1");
  EXPECT_EQ(record.negmin, "-9");
}

}  // namespace
}  // namespace korvix
