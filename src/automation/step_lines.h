#pragma once

#include <string>
#include <string_view>

#include "document/automation_records.h"
#include "platform/message_sink.h"
#include "platform/text_mem_file.h"

namespace korvix {

// The longest texts a step, a label and an expression keep when read from a
// text file; longer ones are cut.
constexpr std::size_t kMaxLabelLength = 70;
constexpr std::size_t kMaxParam1Length = 112;
constexpr std::size_t kMaxParam2Length = 1000;
constexpr std::size_t kMaxBarcodeLength = 70;
constexpr std::size_t kMaxExpressionLength = 1000;

// A text on one line: each CR LF becomes " ESC " and runs of blanks become
// one blank. Commas stay.
std::string ToTextForm(std::string_view text);

// One step as a line of the text files, ended by CR LF, indented two blanks
// per `depth`.
void AppendStepLine(std::string& out, const ScriptStep& step, int depth);

// The steps of a Script as lines, indented by their computed nesting.
void AppendStepLines(std::string& out, const ScriptStepList& steps);

enum class StepLineRead {
  Step,      // one step appended
  BlockEnd,  // an empty first field: the next block begins
  Invalid,   // the file is refused
};

// Reads one step line into `steps` with the new-step values for what the
// line leaves out; its indent is only for the reader's eye. An unknown
// step name is reported ("Illegal Function Name") and its line read to its
// end before the file is refused; a bad colour name is reported and black.
StepLineRead ReadStepLine(TextMemFile& file, ScriptStepList& steps, MessageSink& sink);

}  // namespace korvix
