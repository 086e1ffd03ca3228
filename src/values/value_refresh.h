#pragma once

#include <string>
#include <string_view>

#include "document/automation_records.h"
#include "expressions/label_reader.h"
#include "expressions/math_formula.h"
#include "values/lookup_tables.h"

namespace korvix {

constexpr const char* kErrorText = "Error";
constexpr const char* kOverflowText = "Overflow";

// The fields of a value-showing object that turn a received value into its
// shown text.
struct ValueConversion {
  int inputbase = 0;   // 0 Dec, 1 Hex, 2 Bin
  int outputbase = 0;  // 0 Dec, 1 Hex, 2 Bin
  std::string_view multiplier;
  std::string_view offset;
  std::string_view lookuptable;
  std::string_view formula;
  // The module address of the object's polling command: a reply begins with
  // it, and it is no digit of the value (in hexadecimal it could pass as one).
  char address = 0;
};

// Shows a value as its object's fields ask, in this order: the input base is
// read (characters it does not allow are dropped), the lookup table maps it,
// the multiplier and offset scale it, the math formula computes from it, and
// the output base writes it. The result carries the decimals of the value
// times those of the multiplier (its trailing zeros aside), at least those of
// the offset. "Error" and "Overflow" pass unchanged; a value with no digit,
// a table or formula without result give "Error"; a result outside the
// number range "Overflow".
class ValueRefresher {
public:
  ValueRefresher(LabelReader& reader, RandomSource& random, LookupTables& lookups)
      : m_reader(reader), m_random(random), m_lookups(lookups) {}

  // In place: while the formula runs, `valuetext` holds the scaled value in
  // the output base, so that the formula reads its own object's label as that
  // value.
  void Refresh(std::string& valuetext, const ValueConversion& conversion);

private:
  LabelReader& m_reader;
  RandomSource& m_random;
  LookupTables& m_lookups;
};

// A module address letter at the front of a command, else 0.
char ModuleAddressOf(std::string_view command);

// The value text of a number written with `decimals` digits after the point,
// rounded half away from zero; "Overflow" outside the number range.
std::string FormatValue(double value, int decimals);

// Re-formats a Variable's value to its format and decimals: Number to its
// decimal count (no digit: "Error"), Counter to a whole number, Timer as a
// duration; Text, an empty value, "Error" and "Overflow" stay.
void RefreshVariableText(VariableRecord& variable);

// Variable formats (`valueformat`).
constexpr int kVariableNumber = 0;
constexpr int kVariableText = 1;
constexpr int kVariableCounter = 2;
constexpr int kVariableTimer = 3;

// The duration format a Timer Variable's decimal count stands for.
int DurationFormatOf(int decimals);

}  // namespace korvix
