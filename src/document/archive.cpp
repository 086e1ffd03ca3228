#include "document/archive.h"

#include <bit>
#include <cstring>

#include "document/load_result.h"

namespace korvix {

namespace {

constexpr std::uint8_t kLongLengthByte = 0xFF;
constexpr std::uint16_t kLongerLengthWord = 0xFFFF;
constexpr std::size_t kShortLengthLimit = 255;
constexpr std::size_t kWordLengthLimit = 65534;

constexpr const char* kTruncatedMessage = "The project file can not be read: \rit ends before the project is complete.";
constexpr const char* kBadTextLengthMessage = "The project file can not be read: \rit holds a text of an unknown kind.";

}  // namespace

void ArchiveWriter::Raw(const void* data, std::size_t size) { m_data.append(static_cast<const char*>(data), size); }

void ArchiveWriter::Int(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                 static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
  Raw(bytes, sizeof bytes);
}

void ArchiveWriter::Double(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  std::uint8_t bytes[8];
  for (int i = 0; i < 8; ++i) {
    bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  }
  Raw(bytes, sizeof bytes);
}

void ArchiveWriter::Text(std::string_view text) {
  const std::size_t length = text.size();
  if (length < kShortLengthLimit) {
    const auto byte = static_cast<std::uint8_t>(length);
    Raw(&byte, 1);
  } else if (length < kWordLengthLimit) {
    const std::uint8_t bytes[3] = {kLongLengthByte, static_cast<std::uint8_t>(length),
                                   static_cast<std::uint8_t>(length >> 8)};
    Raw(bytes, sizeof bytes);
  } else {
    const std::uint8_t bytes[3] = {kLongLengthByte, 0xFF, 0xFF};
    Raw(bytes, sizeof bytes);
    Int(static_cast<std::int32_t>(static_cast<std::uint32_t>(length)));
  }
  Raw(text.data(), length);
}

void ArchiveWriter::Bytes(const std::uint8_t* data, std::size_t size) { Raw(data, size); }

void ArchiveReader::Need(std::size_t size) const {
  if (Remaining() < size) {
    throw LoadError(LoadStatus::Damaged, kTruncatedMessage);
  }
}

std::uint32_t ArchiveReader::Unsigned(std::size_t size) {
  Need(size);
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < size; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(m_data[m_pos + i])) << (8 * i);
  }
  m_pos += size;
  return value;
}

std::int32_t ArchiveReader::Int() { return static_cast<std::int32_t>(Unsigned(4)); }

double ArchiveReader::Double() {
  Need(8);
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    bits |= static_cast<std::uint64_t>(static_cast<std::uint8_t>(m_data[m_pos + i])) << (8 * i);
  }
  m_pos += 8;
  return std::bit_cast<double>(bits);
}

std::string ArchiveReader::Text() {
  std::size_t length = Unsigned(1);
  if (length == kLongLengthByte) {
    length = Unsigned(2);
    if (length == kLongerLengthWord) {
      length = Unsigned(4);
    } else if (length >= kWordLengthLimit) {
      throw LoadError(LoadStatus::Damaged, kBadTextLengthMessage);
    }
  }
  Need(length);
  std::string text(m_data.substr(m_pos, length));
  m_pos += length;
  return text;
}

void ArchiveReader::Bytes(std::uint8_t* data, std::size_t size) {
  Need(size);
  std::memcpy(data, m_data.data() + m_pos, size);
  m_pos += size;
}

}  // namespace korvix
