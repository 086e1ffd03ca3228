#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"

namespace korvix {

// What ReadMemFileLine returns at a line feed: a field never holds a lone LF.
constexpr std::string_view kEndOfLineMark = "\n";

// Whether loading a file that is not there makes it, empty.
enum class MissingFile { Create, Refuse };

// A whole text file held in memory and read back field by field. One user at
// a time: each empties it when done.
class TextMemFile {
public:
  TextMemFile(MessageSink& sink, MillisecondClock& clock) : m_sink(sink), m_clock(clock) {}

  // Copies the file into memory and positions at its start. The file is
  // created when missing unless `missing` refuses that, and held with an
  // exclusive lock while it is read, retrying a held lock for up to 1000 ms.
  // False after the failure was reported ("File Access Error"); the memory
  // is empty then.
  bool LoadTextFile(const std::string& name, MissingFile missing = MissingFile::Create);

  // The next field: text up to a "," or a CR, trimmed of white space, each
  // ESC turned into CR LF and blanks next to a line break dropped. A LF gives
  // kEndOfLineMark and drops what was gathered. Text that runs into the end
  // of the data is the last field; a read with nothing left reports the
  // unexpected end (once per loaded file) and gives kEndOfLineMark.
  std::string ReadMemFileLine();

  bool AtEnd() const { return m_position >= m_data.size(); }
  // Bytes read so far and in all, for progress shown while reading.
  std::size_t Position() const { return m_position; }
  std::size_t Size() const { return m_data.size(); }
  bool IsEmpty() const { return m_data.empty(); }
  // The whole loaded text, for callers that take it in one piece.
  std::string_view Bytes() const { return m_data; }
  void Empty();

  // Takes bytes as if loaded from a file, for callers that already hold them.
  void Assign(std::string bytes);

private:
  MessageSink& m_sink;
  MillisecondClock& m_clock;
  std::string m_data;
  std::size_t m_position = 0;
  bool m_endreported = false;
};

}  // namespace korvix
