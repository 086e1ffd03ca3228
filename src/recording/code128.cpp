#include "recording/code128.h"

#include <array>

namespace korvix {
namespace {

constexpr int kFirstCode = 32;
constexpr int kStartBValue = 104;
constexpr int kCheckModulus = 103;
constexpr int kLastDataCode = 127;

// Symbol values 0 to 102, as every Code 128 reader knows them.
constexpr std::array<const char*, 103> kPatterns = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213", "221312",
    "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132", "221231", "213212",
    "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211", "212123", "212321", "232121",
    "111323", "131123", "131321", "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331",
    "132131", "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131", "311123",
    "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111", "111224", "111422", "121124",
    "121421", "141122", "141221", "112214", "112412", "122114", "122411", "142112", "142211", "241211", "221114",
    "413111", "241112", "134111", "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112",
    "421211", "212141", "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131"};

}  // namespace

std::string Code128Pattern(int code) {
  const int value = code - kFirstCode;
  if (value < 0 || value >= static_cast<int>(kPatterns.size())) return "";
  return kPatterns[static_cast<size_t>(value)];
}

std::string Code128Data(const std::string& text) {
  std::string data;
  for (char c : text) {
    const int code = static_cast<unsigned char>(c);
    if (code >= kFirstCode && code <= kLastDataCode) data += c;
  }
  return data;
}

int Code128Check(const std::string& data) {
  int sum = kStartBValue;
  int position = 1;
  for (char c : data) sum += position++ * (static_cast<unsigned char>(c) - kFirstCode);
  return sum % kCheckModulus;
}

}  // namespace korvix
