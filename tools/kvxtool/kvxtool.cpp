// kvxtool: checks and re-saves project files from the command line.
//
//   kvxtool info FILE       version, project note, pages and record counts
//   kvxtool resave IN OUT   loads IN and saves it as OUT like the program does
//   kvxtool export-scripts PROJECT OUT            writes its Scripts as text
//   kvxtool import-scripts PROJECT IN OUT         replaces them from text
//   kvxtool export-conditionals PROJECT OUT       the same for Conditionals
//   kvxtool import-conditionals PROJECT IN OUT
//
// Exit status: 0 done, 1 the file was refused (made by a version this one can
// not read, or a text file the import rejects), 2 a file could not be read or
// written, or bad usage. Messages go to standard error as "caption: text".
// Unlike the program's own import, which makes its Scripts.txt when missing,
// an import's IN must be there: a mistyped name creates nothing.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "automation/script_text_files.h"
#include "document/kind_traits.h"
#include "document/project_file.h"
#include "platform/message_sink.h"
#include "platform/text_mem_file.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUnreadable = 2;

constexpr char kOutOfMemory[] = "kvxtool: not enough memory to read the project file.";

constexpr const char* kUsage =
    "usage: kvxtool info FILE\n"
    "       kvxtool resave IN OUT\n"
    "       kvxtool export-scripts PROJECT OUT\n"
    "       kvxtool import-scripts PROJECT IN OUT\n"
    "       kvxtool export-conditionals PROJECT OUT\n"
    "       kvxtool import-conditionals PROJECT IN OUT\n";

// Messages break lines with CR; a terminal wants LF.
std::string ForTerminal(std::string text) {
  for (char& c : text) {
    if (c == '\r') {
      c = '\n';
    }
  }
  return text;
}

int Failure(const korvix::LoadResult& result) {
  std::cerr << ForTerminal(result.message) << '\n';
  const bool refused =
      result.status == korvix::LoadStatus::NewerVersion || result.status == korvix::LoadStatus::OldVersionRefused;
  return refused ? kExitRefused : kExitUnreadable;
}

void PrintCount(std::string_view what, int count) { std::cout << what << ": " << count << '\n'; }

template <korvix::ScreenObjectKind K>
void PrintKindCount(const korvix::CKorvixDoc& d) {
  PrintCount(korvix::KindTraits<K>::kPluralName, korvix::ListOf<K>(d).Count());
}

void PrintInfo(const korvix::CKorvixDoc& d) {
  char version[32];
  std::snprintf(version, sizeof version, "%.2f", d.m_fileversion);
  std::cout << "version: " << version << '\n';
  std::cout << "project note: " << ForTerminal(d.m_projectnote) << '\n';
  PrintCount("pages", d.m_pages.Count());
  // Record sections in file order.
  PrintKindCount<korvix::ScreenObjectKind::DataWindow>(d);
  PrintKindCount<korvix::ScreenObjectKind::PushButton>(d);
  PrintCount("Conditionals", d.m_conditionals.Count());
  PrintKindCount<korvix::ScreenObjectKind::TextWindow>(d);
  PrintCount("Scripts", d.m_scripts.Count());
  PrintKindCount<korvix::ScreenObjectKind::RockerSwitch>(d);
  PrintKindCount<korvix::ScreenObjectKind::SliderControl>(d);
  PrintKindCount<korvix::ScreenObjectKind::EventCounter>(d);
  PrintKindCount<korvix::ScreenObjectKind::TextBox>(d);
  PrintKindCount<korvix::ScreenObjectKind::ButtonArray>(d);
  PrintKindCount<korvix::ScreenObjectKind::LevelGauge>(d);
  PrintKindCount<korvix::ScreenObjectKind::EventTimer>(d);
  PrintKindCount<korvix::ScreenObjectKind::SignalLamp>(d);
  PrintKindCount<korvix::ScreenObjectKind::ChartRecorder>(d);
  PrintKindCount<korvix::ScreenObjectKind::InputWindow>(d);
  PrintKindCount<korvix::ScreenObjectKind::DialGauge>(d);
  PrintKindCount<korvix::ScreenObjectKind::MeterGauge>(d);
  PrintKindCount<korvix::ScreenObjectKind::WindVane>(d);
  PrintKindCount<korvix::ScreenObjectKind::PivotTracker>(d);
  PrintCount("Variables", d.m_variables.Count());
  PrintKindCount<korvix::ScreenObjectKind::VerticalGauge>(d);
  PrintKindCount<korvix::ScreenObjectKind::HorizontalGauge>(d);
  PrintKindCount<korvix::ScreenObjectKind::ImageBox>(d);
  PrintKindCount<korvix::ScreenObjectKind::DualHandGauge>(d);
  PrintKindCount<korvix::ScreenObjectKind::PIController>(d);
  PrintCount("Data Parsers", d.m_dataparsers.Count());
}

int Info(const std::string& path) {
  korvix::CKorvixDoc doc;
  const korvix::LoadResult result = korvix::OpenProjectFile(path, doc);
  if (!result.Ok()) {
    return Failure(result);
  }
  PrintInfo(doc);
  return kExitDone;
}

int Save(korvix::CKorvixDoc& doc, const std::string& out) {
  const korvix::SaveResult saved = korvix::SaveProjectFile(doc, out);
  if (!saved.ok) {
    std::cerr << ForTerminal(saved.message) << '\n';
    return kExitUnreadable;
  }
  return kExitDone;
}

int Resave(const std::string& in, const std::string& out) {
  korvix::CKorvixDoc doc;
  const korvix::LoadResult loaded = korvix::OpenProjectFile(in, doc);
  if (!loaded.Ok()) {
    return Failure(loaded);
  }
  return Save(doc, out);
}

// Answers every question Yes: the command itself is the user's consent.
class TerminalSink final : public korvix::MessageSink {
protected:
  korvix::MessageResult Present(const std::string& caption, const std::string& text, korvix::MessageIcon,
                                korvix::MessageButtons buttons) override {
    if (buttons != korvix::MessageButtons::Ok) {
      return korvix::MessageResult::Yes;
    }
    std::cerr << ForTerminal(caption) << ": " << ForTerminal(text) << '\n';
    return korvix::MessageResult::Ok;
  }
};

int ExitFor(korvix::TextFileOutcome outcome) {
  switch (outcome) {
    case korvix::TextFileOutcome::Done: return kExitDone;
    case korvix::TextFileOutcome::Refused: return kExitRefused;
    default: return kExitUnreadable;
  }
}

using ExportRoutine = korvix::TextFileOutcome (*)(const korvix::CKorvixDoc&, const korvix::TextFileJob&);
using ImportRoutine = korvix::TextFileOutcome (*)(korvix::CKorvixDoc&, const korvix::TextFileJob&,
                                                  korvix::TextMemFile&);

int ExportText(const std::string& project, const std::string& out, ExportRoutine routine) {
  korvix::CKorvixDoc doc;
  const korvix::LoadResult loaded = korvix::OpenProjectFile(project, doc);
  if (!loaded.Ok()) {
    return Failure(loaded);
  }
  TerminalSink sink;
  return ExitFor(routine(doc, korvix::TextFileJob{out, sink}));
}

// Why a file the user named cannot be read, or none when it can. Opened
// without blocking, so that a pipe with no writer gives its answer at once.
std::optional<std::string> UnreadableReason(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return std::strerror(errno);
  }
  struct stat info {};
  const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  ::close(fd);
  if (!regular) {
    return "not a regular file";
  }
  return std::nullopt;
}

int ImportText(const std::string& project, const std::string& in, const std::string& out, ImportRoutine routine) {
  korvix::CKorvixDoc doc;
  const korvix::LoadResult loaded = korvix::OpenProjectFile(project, doc);
  if (!loaded.Ok()) {
    return Failure(loaded);
  }
  if (const std::optional<std::string> reason = UnreadableReason(in)) {
    std::cerr << "kvxtool: cannot read " << in << ": " << *reason << '\n';
    return kExitUnreadable;
  }
  TerminalSink sink;
  korvix::MonotonicClock clock;
  korvix::TextMemFile memfile(sink, clock);
  korvix::TextFileJob job{in, sink};
  // Should it vanish after the look above, it still is not made.
  job.missing = korvix::MissingFile::Refuse;
  const korvix::TextFileOutcome outcome = routine(doc, job, memfile);
  if (outcome != korvix::TextFileOutcome::Done) {
    return ExitFor(outcome);
  }
  return Save(doc, out);
}

int Run(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "info" && argc == 3) {
    return Info(argv[2]);
  }
  if (command == "resave" && argc == 4) {
    return Resave(argv[2], argv[3]);
  }
  if (command == "export-scripts" && argc == 4) {
    return ExportText(argv[2], argv[3], korvix::ExportScripts);
  }
  if (command == "import-scripts" && argc == 5) {
    return ImportText(argv[2], argv[3], argv[4], korvix::ImportScripts);
  }
  if (command == "export-conditionals" && argc == 4) {
    return ExportText(argv[2], argv[3], korvix::ExportConditionals);
  }
  if (command == "import-conditionals" && argc == 5) {
    return ImportText(argv[2], argv[3], argv[4], korvix::ImportConditionals);
  }
  std::cerr << kUsage;
  return kExitUnreadable;
}

}  // namespace

int main(int argc, char** argv) {
  // A script must get the documented status, not an abort, when memory
  // runs out.
  try {
    return Run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::cerr << kOutOfMemory << '\n';
    return kExitUnreadable;
  }
}
