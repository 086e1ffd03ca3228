#pragma once

// Number texts: decimal, time, hexadecimal and binary values as scaled
// integers, and the texts made from them.
//
// Texts are 8-bit byte strings, compared byte for byte; nothing here depends
// on the locale. Every parser takes any byte string (empty, huge, NUL bytes,
// bytes above 0x7F): it reads each byte once, accumulates in 64 bits and
// saturates the accumulator once the value has left the 32-bit range (every
// step only makes a value that is out of range larger, so saturating never
// changes the verdict), so there is no signed overflow and no loop.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvix {

// The side results of a parse, members of the view in the original
// (`m_decimals`, `m_overflow`); the view owns one of these.
class NumberTexts {
public:
  // Decimal count of the last ParseNumberText (0 after a hex, binary or
  // refused text). ParseMilliText leaves it alone.
  int m_decimals = 0;
  // Set to 1 by a parse whose value left the range; never cleared here: the
  // callers clear it before they parse and test it afterwards.
  int m_overflow = 0;

  // A decimal or time text to the scaled integer n (value n / 10^m_decimals).
  // Details that matter to callers:
  // - no blanks are trimmed: a blank is "any other character" and gives 0;
  // - a "-" other than the first character is skipped (it neither negates nor
  //   counts as a digit);
  // - a ":" multiplies by 6 and adds the next character only when that is a
  //   digit (which is then consumed); otherwise it just multiplies by 6;
  // - m_decimals counts every character after the last "." (not only
  //   digits).
  // Range -2147483647..2147483647; outside it m_overflow = 1 and the result 0.
  int32_t ParseNumberText(std::string_view text);

  // A text to milliseconds:
  // - leading and trailing blanks (' ') are trimmed; an empty text gives 0;
  // - a text beginning with "-" gives 0 (m_overflow untouched);
  // - a text holding any character other than ":.0123456789" gives 0
  //   (m_overflow untouched);
  // - digits accumulate by 10; ":" multiplies by 6 and adds the digit after
  //   it, as in ParseNumberText; "." starts the decimals (a later "." starts
  //   them again), the decimal count being the digits read after it;
  // - exactly one ":" means Hrs:Min and multiplies by 60; none, two or more
  //   mean seconds;
  // - with fewer than 3 decimals the value is multiplied by 10 for each one
  //   missing; with more, the digits simply continue (1.2345 gives 12345);
  // - a result above 2147483647 (it is returned as a signed 32-bit int) sets
  //   m_overflow and gives 0.
  int32_t ParseMilliText(std::string_view text);

  // Hexadecimal text to integer: an optional leading "-", then one or more
  // of "0123456789ABCDEFabcdef" (any number of leading zeros). Sets
  // m_decimals to 0. Any other text (empty, "-" alone, blanks, ".", "0x")
  // gives 0 with m_overflow untouched. A magnitude above 2147483647 sets
  // m_overflow and gives 0. So FFFFFFFF is an overflow, not -1: hex texts
  // carry a sign like decimal ones (the Rocker Switch and Slider "Hex" value
  // type allows "-"), and FormatHexText writes them that way.
  int32_t ParseHexText(std::string_view text);

  // Binary text to integer: as ParseHexText with the digits "01".
  int32_t ParseBinaryText(std::string_view text);
};

// The text of n / 10^d (any n,
// including -2147483648, whose magnitude is taken in 64 bits). A negative d
// counts as 0; d above 1048576 counts as 1048576 (no text a caller parsed can
// carry more decimals in practice, and the result stays bounded).
std::string FormatNumberText(int32_t n, int d);

// Integer to hexadecimal text: uppercase digits without leading zeros ("0"
// for zero), "-" before a negative value (sign and magnitude, the inverse of
// ParseHexText). With d decimals the value n / 10^d is written, truncated
// towards zero to a whole number (the COM link's "/HEX" rewriting passes the
// decimal count of the number it just parsed; d <= 0 writes n itself). Zero
// padding is the caller's (the COM link inserts "0" at the front).
std::string FormatHexText(int32_t n, int d = 0);

// Integer to binary text: as FormatHexText with the digits "01".
std::string FormatBinaryText(int32_t n, int d = 0);

// The seven time formats of the Event Timer's `timeformat`.
enum class TimeFormat : int {
  HMm = 0,        // "h:mm"
  HMmSs = 1,      // "h:mm:ss"
  HMmSsD = 2,     // "h:mm:ss.d"
  HMmSsDd = 3,    // "h:mm:ss.dd"
  Seconds = 4,    // "seconds"
  SecondsD = 5,   // "seconds.d"
  SecondsDd = 6,  // "seconds.dd"
};

// Milliseconds to a duration text:
// - 4, 5, 6: ms / 1000, ms / 100 or ms / 10 (truncated towards zero) by
//   FormatNumberText with 0, 1 or 2 decimals: 90000 gives 90, 90.0, 90.00;
// - 0 to 3: whole minutes, seconds, tenths or hundredths (truncated); hours
//   without leading zeros (at least one digit; an int holds at most 596
//   hours, so never more than three), ":" and two digits of minutes, then for
//   1 to 3 ":" and two digits of seconds, then for 2 and 3 "." and one or two
//   digits: 5400000 gives 1:30, 1:30:00, 1:30:00.0, 1:30:00.00;
// - a negative ms is written as "-" and the text of its magnitude;
// - a format outside 0..6 is taken as 1 ("h:mm:ss").
std::string FormatDuration(int32_t ms, int format);
inline std::string FormatDuration(int32_t ms, TimeFormat format) {
  return FormatDuration(ms, static_cast<int>(format));
}

// Number formats, numbered as the Data Window's number format and the Rocker
// Switch's and Slider's value type (0 Dec, 1 Hex, 2 Bin); Time is the Event
// Timer's reset value.
enum class NumberFormat : int { Decimal = 0, Hex = 1, Binary = 2, Time = 3 };

// Removes the characters that a number format does not allow, so that a value
// text from a module ("  23.5 C\r") becomes a number text ("23.5"). Allowed
// sets are those of the entry checks: Decimal "-.0123456789", Hex
// "-.0123456789abcdefABCDEF", Binary "-.01", Time ":.0123456789". Of what is
// left, a "-" is kept only as the first character and only the first "." is
// kept. Fails (no value) when no digit is left, so "Error", "Overflow", ""
// and "-." fail and the caller shows "Error".
std::optional<std::string> CleanNumericText(std::string_view text, NumberFormat format = NumberFormat::Decimal);

// Left-pads a number text with zeros to the width of the wider of two other
// number texts (a Slider pads its value to its range limits). Widths are
// counted without a leading "-", and zeros go after the sign: "5" with "0" and
// "100" gives "005", "-5" with "-100" and "100" gives "-005". A text already
// that wide is unchanged; so is an empty text and any text holding a
// character other than "-.0123456789" ("Error", "Overflow" pass through).
std::string PadNumberText(std::string_view text, std::string_view limit1, std::string_view limit2);

// A zero in the shape of a number text: "0" when the text has no
// ".", else "0." and one "0" for each character after the last "." (the same
// "." that sets ParseNumberText's decimal count): "12.50" gives "0.00".
std::string ZeroTextLike(std::string_view text);

}  // namespace korvix
