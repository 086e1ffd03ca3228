#include "recording/chart_memory.h"

#include <new>

namespace korvix {

namespace {

constexpr std::size_t kStoredValueWidth = 4;

}  // namespace

bool ChartMemory::Put(char byte) {
  if (m_position < m_bytes.size()) {
    m_bytes[m_position++] = byte;
    return true;
  }
  if (m_bytes.size() >= m_limit) return false;
  try {
    m_bytes.push_back(byte);
  } catch (const std::bad_alloc&) {
    return false;
  }
  ++m_position;
  return true;
}

bool ChartMemory::Get(char& byte) {
  if (m_position >= m_bytes.size()) return false;
  byte = m_bytes[m_position++];
  return true;
}

void ChartMemory::Empty() {
  std::string().swap(m_bytes);
  m_position = 0;
  ++m_replacements;
}

bool ChartMemory::Assign(const std::string& bytes) {
  Empty();
  if (bytes.size() > m_limit) return false;
  try {
    m_bytes = bytes;
  } catch (const std::bad_alloc&) {
    Empty();
    return false;
  }
  m_position = m_bytes.size();
  return true;
}

std::string StoredChartValue(std::string text) {
  std::erase_if(text, [](char c) { return c == ',' || c == '\r' || c == '\n'; });
  if (text == "On") return "1";
  if (text == "Off") return "0";
  const std::size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
  if (text.size() < kStoredValueWidth) text.insert(at, kStoredValueWidth - text.size(), '0');
  return text;
}

}  // namespace korvix
