#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/record_basics.h"

namespace korvix {

// The project file's primitive encodings: little-endian 4-byte ints,
// 8-byte IEEE doubles, length-prefixed 8-bit texts and raw blocks.
class ArchiveWriter {
public:
  void Int(std::int32_t value);
  void Double(double value);
  void Text(std::string_view text);
  void Bytes(const std::uint8_t* data, std::size_t size);

  const std::string& Data() const { return m_data; }
  std::string TakeData() { return std::move(m_data); }

private:
  void Raw(const void* data, std::size_t size);

  std::string m_data;
};

// Reads the same encodings; every read past the end throws LoadError.
class ArchiveReader {
public:
  explicit ArchiveReader(std::string_view data) : m_data(data) {}

  std::int32_t Int();
  double Double();
  std::string Text();
  void Bytes(std::uint8_t* data, std::size_t size);

  std::size_t Remaining() const { return m_data.size() - m_pos; }

private:
  std::uint32_t Unsigned(std::size_t size);
  void Need(std::size_t size) const;

  std::string_view m_data;
  std::size_t m_pos = 0;
};

}  // namespace korvix
