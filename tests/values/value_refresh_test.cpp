#include <gtest/gtest.h>

#include "values_fixture.h"

namespace korvix::testing {
namespace {

struct ConversionCase {
  const char* reply;
  int inputbase;
  int outputbase;
  const char* multiplier;
  const char* offset;
  const char* lookuptable;
  const char* formula;
  const char* shown;
};

class DataWindowConversion : public ValuesFixture, public ::testing::TestWithParam<ConversionCase> {};

TEST_P(DataWindowConversion, ShowsTheValueAsTheFieldsAsk) {
  files["curve.txt"] = "# volts to litres\r\n0, 0\r\n10,100\r\n20\t400\r\n";
  const ConversionCase& c = GetParam();
  DataWindowRecord& window = AddPolled(doc.m_datawindows, "DW", "ARD");
  window.inputbase = c.inputbase;
  window.outputbase = c.outputbase;
  window.multiplier = c.multiplier;
  window.offset = c.offset;
  window.lookuptable = c.lookuptable;
  window.formula = c.formula;
  Add(doc.m_variables, "Gain").valuetext = "3";
  values.DeliverLabelValue("DW", c.reply);
  EXPECT_EQ(doc.m_datawindows[0].valuetext, c.shown) << c.reply;
}

INSTANTIATE_TEST_SUITE_P(Fields, DataWindowConversion,
                         ::testing::Values(ConversionCase{"A123", 0, 0, "1.000", "0", "", "", "123"},
                                           ConversionCase{"A-12.50", 0, 0, "1.000", "0", "", "", "-12.50"},
                                           ConversionCase{"A1F", 1, 0, "1.000", "0", "", "", "31"},
                                           ConversionCase{"A1F", 1, 1, "1.000", "0", "", "", "1F"},
                                           ConversionCase{"A101", 2, 0, "1.000", "0", "", "", "5"},
                                           ConversionCase{"A12", 0, 2, "1.000", "0", "", "", "1100"},
                                           ConversionCase{"A12.5", 0, 0, "2", "1", "", "", "26.0"},
                                           ConversionCase{"A100", 0, 0, "0.25", "0", "", "", "25.00"},
                                           ConversionCase{"A100", 0, 0, "1.000", "0.5", "", "", "100.5"},
                                           ConversionCase{"A100", 0, 0, "-1", "0", "", "", "-100"},
                                           ConversionCase{"A5", 0, 0, "1.000", "0", "curve.txt", "", "50"},
                                           ConversionCase{"A15", 0, 0, "1.000", "0", "curve.txt", "", "250"},
                                           ConversionCase{"A25", 0, 0, "1.000", "0", "curve.txt", "", "Error"},
                                           ConversionCase{"A5", 0, 0, "1.000", "0", "missing.txt", "", "Error"},
                                           ConversionCase{"A21", 0, 0, "1.000", "0", "", "{DW} * 2", "42"},
                                           ConversionCase{"A21", 0, 0, "1.000", "0.0", "", "{DW} / {Gain}", "7.0"},
                                           ConversionCase{"A21", 0, 1, "1.000", "0", "", "$ABS({DW} - 100)", "4F"},
                                           ConversionCase{"A21", 0, 0, "1.000", "0", "", "{DW} / 0", "Error"},
                                           ConversionCase{"A21", 0, 0, "1.000", "0", "", "$SQRT(-{DW})", "Error"},
                                           ConversionCase{"A21", 0, 0, "1.000", "0", "", "{DW} * 1000000000",
                                                          "Overflow"},
                                           ConversionCase{"Error", 0, 0, "2", "1", "", "{DW} * 2", "Error"},
                                           ConversionCase{"Overflow", 1, 1, "2", "1", "", "", "Overflow"},
                                           ConversionCase{"", 0, 0, "2", "1", "", "", ""},
                                           ConversionCase{"A", 0, 0, "1.000", "0", "", "", "Error"},
                                           ConversionCase{"A99999999999", 0, 0, "1.000", "0", "", "", "Overflow"},
                                           ConversionCase{"AFFFFFFFFF", 1, 0, "1.000", "0", "", "", "Overflow"},
                                           ConversionCase{"A2000000000", 0, 0, "2", "0", "", "", "Overflow"}));

class RefreshVariableTextTest : public ::testing::Test {};

TEST_F(RefreshVariableTextTest, ReformatsToTheFormatAndDecimals) {
  struct Case {
    int format;
    int decimals;
    const char* value;
    const char* shown;
  } cases[] = {
      {kVariableNumber, 2, "3.14159", "3.14"},
      {kVariableNumber, 3, "7", "7.000"},
      {kVariableNumber, 0, "2.5", "3"},
      {kVariableNumber, 1, "x", "Error"},
      {kVariableNumber, 1, "Error", "Error"},
      {kVariableNumber, 1, "Overflow", "Overflow"},
      {kVariableNumber, 1, "", ""},
      {kVariableText, 2, "1.23456", "1.23456"},
      {kVariableCounter, 3, "41.6", "42"},
      {kVariableTimer, 1, "1:30", "1:30:00.0"},
  };
  for (const Case& c : cases) {
    VariableRecord variable;
    variable.valueformat = c.format;
    variable.decimals = c.decimals;
    variable.valuetext = c.value;
    RefreshVariableText(variable);
    EXPECT_EQ(variable.valuetext, c.shown) << c.value;
  }
}

}  // namespace
}  // namespace korvix::testing
