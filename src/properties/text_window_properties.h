#pragma once

#include <string>

#include "document/box_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"

namespace korvix {

constexpr const char* kTextWindowHelpTopic = "TextWindow.htm";
constexpr int kTextWindowMaxWidth = 15;

// What the Text Window dialog edits; combo indexes are -1 when nothing is
// chosen.
struct TextWindowFields {
  std::string prefix;
  std::string suffix;
  std::string idlabel;
  std::string message;
  int messagecolor = 0;
  int messagebgcolor = 0;
  int fontsize = -1;
  int fontcolor = 0;
  int prefixwidth = -1;
  int suffixwidth = -1;
};

enum class TextWindowField { Prefix, Suffix, IdLabel };

// OK puts the Default Message back on show, in its own colours: whatever a
// run left there belongs to that run.
template <>
struct PropertyKind<ScreenObjectKind::TextWindow> {
  using Fields = TextWindowFields;
  static Fields Load(const TextWindowRecord& record);
  static void Store(const Fields& fields, TextWindowRecord& record);
};

// Trims the ID Label in place, as the dialog shows it back.
OkCheck<TextWindowField> CheckTextWindowFields(TextWindowFields& fields, MessageSink& sink);

}  // namespace korvix
