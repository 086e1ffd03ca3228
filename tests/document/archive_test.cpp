#include <gtest/gtest.h>

#include "document/archive.h"
#include "document/load_result.h"

namespace korvix {
namespace {

TEST(Archive, TextLengthsUseTheShortestOfTheThreePrefixes) {
  struct Case {
    std::size_t length;
    std::string prefix;
  };
  const Case cases[] = {
      {0, std::string("\x00", 1)},
      {1, "\x01"},
      {254, "\xFE"},
      {255, std::string("\xFF\xFF\x00", 3)},
      {65533, "\xFF\xFD\xFF"},
      {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
      {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
  };
  for (const Case& c : cases) {
    const std::string text(c.length, '\xA0');
    ArchiveWriter out;
    out.Text(text);
    EXPECT_EQ(out.Data().substr(0, c.prefix.size()), c.prefix) << c.length;
    EXPECT_EQ(out.Data().size(), c.prefix.size() + c.length) << c.length;

    ArchiveReader in(out.Data());
    EXPECT_EQ(in.Text(), text) << c.length;
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

TEST(Archive, NumbersAreLittleEndianAndExact) {
  ArchiveWriter out;
  out.Int(-2);
  out.Double(1.035);
  EXPECT_EQ(out.Data().substr(0, 4), "\xFE\xFF\xFF\xFF");
  ArchiveReader in(out.Data());
  EXPECT_EQ(in.Int(), -2);
  EXPECT_EQ(in.Double(), 1.035);
}

TEST(Archive, ReadingPastTheEndOrAnUnknownTextPrefixFailsCleanly) {
  const std::string broken[] = {
      std::string("\x05"
                  "abc"),          // text shorter than its length
      std::string("\xFF\x10", 2),  // cut inside the word length
      std::string("\xFF\xFE\xFF"
                  "ab",
                  5),  // a word length that no text uses
      std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7),
  };
  for (const std::string& bytes : broken) {
    ArchiveReader in(bytes);
    try {
      in.Text();
      ADD_FAILURE() << "read a broken text";
    } catch (const LoadError& error) {
      EXPECT_EQ(error.Status(), LoadStatus::Damaged);
    }
  }
  ArchiveReader in(std::string("\x01\x02", 2));
  EXPECT_THROW(in.Int(), LoadError);
}

}  // namespace
}  // namespace korvix
