#include <gtest/gtest.h>

#include <functional>

#include "platform/testing/recording_message_sink.h"
#include "properties/button_array_properties.h"
#include "properties/data_window_properties.h"
#include "properties/image_box_properties.h"
#include "properties/input_window_properties.h"
#include "properties/shared_checks.h"
#include "properties/state_properties.h"
#include "properties/text_window_properties.h"

namespace korvix {
namespace {

constexpr const char* kIllegal = "This field contains an illegal character.";
constexpr const char* kDecimal = "This field cannot contain a decimal point.";
constexpr const char* kZero = "The Multiplier can not equal zero.";
constexpr const char* kVariables = "This field does not support variables.";
constexpr const char* kItself = "Can not send output value to itself.";

struct CheckCase {
  const char* name;
  std::function<std::optional<std::string>(std::string_view)> check;
  std::string text;
  std::optional<std::string> problem;
};

class SharedChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SharedChecks, RefusesWithTheExactMessage) { EXPECT_EQ(GetParam().check(GetParam().text), GetParam().problem); }

const auto Number = [](std::string_view text) { return NumberTextProblem(text); };
const auto Multiplier = [](std::string_view text) { return MultiplierProblem(text); };
const auto Variables = [](std::string_view text) { return VariablesProblem(text); };
const auto WholeNumber = [](std::string_view text) { return CharacterSetProblem(text, kNumberCharacters, true); };
const auto Digits = [](std::string_view text) { return CharacterSetProblem(text, "0123456789"); };
const auto NotItself = [](std::string_view text) { return OwnLabelProblem(text, "Tank1", kItself); };

INSTANTIATE_TEST_SUITE_P(Cases, SharedChecks,
                         ::testing::Values(CheckCase{"NumberEmpty", Number, "", std::nullopt},
                                           CheckCase{"NumberSigned", Number, "-12.5", std::nullopt},
                                           CheckCase{"NumberComma", Number, "1,5", kIllegal},
                                           CheckCase{"NumberBlank", Number, "1 5", kIllegal},
                                           CheckCase{"MultiplierNegative", Multiplier, "-1", std::nullopt},
                                           CheckCase{"MultiplierFraction", Multiplier, ".5", std::nullopt},
                                           CheckCase{"MultiplierZero", Multiplier, "0.000", kZero},
                                           CheckCase{"MultiplierEmpty", Multiplier, "", kZero},
                                           CheckCase{"MultiplierSignAlone", Multiplier, "-", kZero},
                                           CheckCase{"MultiplierExponent", Multiplier, "1e3", kIllegal},
                                           CheckCase{"VariablesPlain", Variables, "A12", std::nullopt},
                                           CheckCase{"VariablesReference", Variables, "{Tank1}", kVariables},
                                           CheckCase{"VariablesLoneBrace", Variables, "Tank}", kVariables},
                                           CheckCase{"WholeNumber", WholeNumber, "-42", std::nullopt},
                                           CheckCase{"WholeNumberPoint", WholeNumber, "4.2", kDecimal},
                                           CheckCase{"WholeNumberLetterBeforePoint", WholeNumber, "4.x", kIllegal},
                                           CheckCase{"DigitsSign", Digits, "-3", kIllegal},
                                           CheckCase{"OwnLabelSpacedAndCased", NotItself, " tank 1", kItself},
                                           CheckCase{"OtherLabel", NotItself, "Tank2", std::nullopt},
                                           CheckCase{"EmptyTarget", NotItself, "", std::nullopt}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(TrimEntry, CutsBlanksAtBothEndsOnly) {
  EXPECT_EQ(TrimEntry("  Tank 1 "), "Tank 1");
  EXPECT_EQ(TrimEntry(" \t Tank 1\r\n "), "\t Tank 1\r\n");
  EXPECT_EQ(TrimEntry("   "), "");
  EXPECT_EQ(TrimWhiteSpace(" \t Tank 1\r\n"), "Tank 1");
  EXPECT_EQ(TrimWhiteSpace(" \t "), "");
}

constexpr const char* kHiddenBytes =
    "ID label cannot contain tabs, line breaks, \rnon-breaking spaces or the character \xA2.";
constexpr const char* kNotBitmap = "The file name must be a bitmap \rimage with a \".bmp\" extension.";

// Runs one dialog's OK check on a text typed into one of its fields and
// gives back the field as the dialog would show it again.
using FieldCheck = std::function<std::string(const std::string&, MessageSink&)>;

template <ScreenObjectKind K, class Check>
FieldCheck OkOf(std::string PropertyKind<K>::Fields::*field, Check check) {
  return [field, check](const std::string& typed, MessageSink& sink) {
    typename PropertyKind<K>::Fields fields = PropertyKind<K>::Load({});
    fields.*field = typed;
    check(fields, sink);
    return fields.*field;
  };
}

const FieldCheck kDataWindowLabel = OkOf<ScreenObjectKind::DataWindow>(
    &DataWindowFields::idlabel, [](DataWindowFields& f, MessageSink& sink) { CheckDataWindowFields(f, "", sink); });
const FieldCheck kTextWindowLabel = OkOf<ScreenObjectKind::TextWindow>(
    &TextWindowFields::idlabel, [](TextWindowFields& f, MessageSink& sink) { CheckTextWindowFields(f, sink); });
const FieldCheck kImageBoxFile = OkOf<ScreenObjectKind::ImageBox>(
    &ImageBoxFields::bitmapfile, [](ImageBoxFields& f, MessageSink& sink) { CheckImageBoxFields(f, sink); });
const FieldCheck kInputWindowLabel = OkOf<ScreenObjectKind::InputWindow>(
    &InputWindowFields::idlabel, [](InputWindowFields& f, MessageSink& sink) { CheckInputWindowFields(f, "", sink); });
const FieldCheck kSignalLampLabel = OkOf<ScreenObjectKind::SignalLamp>(
    &SignalLampFields::idlabel, [](SignalLampFields& f, MessageSink& sink) { CheckSignalLampFields(f, sink); });
const FieldCheck kButtonArrayLabel = [](const std::string& typed, MessageSink& sink) {
  ButtonArraySettings settings{typed, 0, 0};
  CheckButtonArraySettings(settings, sink);
  return settings.idlabel;
};

struct TrimCase {
  const char* name;
  const FieldCheck* check;
  std::string typed;
  std::string shown;
  const char* message;  // nullptr: accepted
};

class DialogTrim : public ::testing::TestWithParam<TrimCase> {};

// The dialogs cut blanks from the ends and nothing else: a tab or line break
// that came in with a pasted name is refused, not silently taken away.
TEST_P(DialogTrim, OnlyBlanksAreCutAndTheRestIsChecked) {
  RecordingMessageSink sink;
  EXPECT_EQ((*GetParam().check)(GetParam().typed, sink), GetParam().shown);
  if (!GetParam().message) {
    EXPECT_TRUE(sink.shown.empty()) << sink.shown.front().text;
    return;
  }
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Entry Error");
  EXPECT_EQ(sink.shown[0].text, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogTrim,
    ::testing::Values(TrimCase{"DataWindowTab", &kDataWindowLabel, "\tTank1", "\tTank1", kHiddenBytes},
                      TrimCase{"DataWindowBlanks", &kDataWindowLabel, "  Tank 1 ", "Tank 1", nullptr},
                      TrimCase{"TextWindowLineBreak", &kTextWindowLabel, "Lamp1\r\n", "Lamp1\r\n", kHiddenBytes},
                      TrimCase{"TextWindowTabInsideBlanks", &kTextWindowLabel, " \tTank1 ", "\tTank1", kHiddenBytes},
                      TrimCase{"InputWindowTab", &kInputWindowLabel, "\tTank1", "\tTank1", kHiddenBytes},
                      TrimCase{"InputWindowLineFeed", &kInputWindowLabel, "In1\n", "In1\n", kHiddenBytes},
                      TrimCase{"SignalLampLineBreak", &kSignalLampLabel, "Lamp1\r\n", "Lamp1\r\n", kHiddenBytes},
                      TrimCase{"SignalLampBlanks", &kSignalLampLabel, " Lamp1  ", "Lamp1", nullptr},
                      TrimCase{"ButtonArrayTab", &kButtonArrayLabel, "\tTank1", "\tTank1", kHiddenBytes},
                      TrimCase{"ButtonArrayLineBreak", &kButtonArrayLabel, "Lamp1\r\n", "Lamp1\r\n", kHiddenBytes},
                      TrimCase{"ImageBoxTab", &kImageBoxFile, "pic.bmp\t", "pic.bmp\t", kNotBitmap},
                      TrimCase{"ImageBoxLineBreak", &kImageBoxFile, "pic.bmp\r\n", "pic.bmp\r\n", kNotBitmap},
                      TrimCase{"ImageBoxBlanks", &kImageBoxFile, "  pic.bmp ", "pic.bmp", nullptr}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace korvix
