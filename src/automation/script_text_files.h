#pragma once

#include <functional>
#include <string>

#include "document/korvix_doc.h"
#include "platform/busy_progress.h"
#include "platform/message_sink.h"
#include "platform/text_mem_file.h"

namespace korvix {

// The files' names in the current directory, which the program never changes.
constexpr const char* kScriptsFileName = "Scripts.txt";
constexpr const char* kConditionalsFileName = "Conditionals.txt";

enum class TextFileOutcome {
  Done,       // written, or imported (warnings may have been shown)
  Declined,   // No to the question
  Cancelled,  // the user closed the busy window: nothing written
  Refused,    // invalid file: nothing changed
  Failed,     // the file could not be opened, read or written
  Quit,       // the program is ending: nothing written or changed
};

// One pass of the editors' pump between items; false once a quit was seen.
using PumpStep = std::function<bool()>;

// What the four routines work with besides the document.
struct TextFileJob {
  std::string filename;
  MessageSink& sink;
  BusyProgress* busy = nullptr;  // exports only; none shows no progress
  PumpStep pump = {};            // none: nothing to pump
  // Imports: the program's own file is made empty when missing; a file the
  // user named is not.
  MissingFile missing = MissingFile::Create;
};

// Every visible Script as a block: an empty line, its label, an empty line,
// its step lines. Asks first; one write of the whole text, which replaces the
// old file only once it is complete.
TextFileOutcome ExportScripts(const CKorvixDoc& doc, const TextFileJob& job);

// Replaces the visible Scripts by those of the file, after the hidden ones.
// The file is read in full before anything changes: a refused, failed or
// quit import leaves the document as it was and unmarked. `memfile` is
// empty afterwards.
TextFileOutcome ImportScripts(CKorvixDoc& doc, const TextFileJob& job, TextMemFile& memfile);

// Every Conditional as a block: empty line, label, empty line, expression,
// empty line, the step lines of its action Script.
TextFileOutcome ExportConditionals(const CKorvixDoc& doc, const TextFileJob& job);

// Replaces every Conditional and every action Script by those of the file;
// the visible Scripts keep their order. Staged as ImportScripts.
TextFileOutcome ImportConditionals(CKorvixDoc& doc, const TextFileJob& job, TextMemFile& memfile);

}  // namespace korvix
