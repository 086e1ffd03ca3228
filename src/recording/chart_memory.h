#pragma once

#include <cstddef>
#include <string>

namespace korvix {

// What a sample memory whose books do not fit reports, wherever it is read.
inline constexpr char kMemoryAccessErrorCaption[] = "Memory Access Error";
inline constexpr char kSeekRevMessage[] = "Illegal Operation in MemorySeekRev routine.";

// A growable in-memory byte stream with one position, as a Chart Recorder's
// samples live in. It refuses to grow past its limit, so a long span at a
// fast scan rate halts the recorders instead of exhausting the machine.
class ChartMemory {
public:
  explicit ChartMemory(std::size_t limit) : m_limit(limit) {}

  // Writes at the position and advances it, growing the stream at its end;
  // false when the stream cannot take more.
  bool Put(char byte);
  // Reads at the position and advances it; false at the end.
  bool Get(char& byte);

  std::size_t Position() const { return m_position; }
  std::size_t Length() const { return m_bytes.size(); }
  // Positions past the end are taken as the end.
  void Seek(std::size_t position) { m_position = position < m_bytes.size() ? position : m_bytes.size(); }
  void Empty();

  const std::string& Bytes() const { return m_bytes; }
  // Counts the times the contents were emptied or replaced, so that a reader
  // can tell records it read before from new ones at the same places.
  std::size_t Replacements() const { return m_replacements; }
  // Replaces the contents; false (and emptied) when they exceed the limit.
  bool Assign(const std::string& bytes);

private:
  std::string m_bytes;
  std::size_t m_position = 0;
  std::size_t m_limit;
  std::size_t m_replacements = 0;
};

// The text a sampled value is stored as: commas, CR and LF removed, so that
// a value is always one field; "On" and "Off" as 1 and 0; texts shorter than
// four characters padded with zeros after a leading minus.
std::string StoredChartValue(std::string text);

}  // namespace korvix
