#pragma once

#include <string>

#include "document/box_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"

namespace korvix {

constexpr const char* kTextBoxHelpTopic = "TextBox.htm";
constexpr int kMaxBorderWidth = 20;

// What the Text Box dialog edits. The text keeps the stored "\r\n" line
// breaks; combo indexes are -1 when nothing is chosen.
struct TextBoxFields {
  int fontsize = -1;
  int fontcolor = 0;
  int alignment = -1;
  int bgcolor = 0;
  int bordercolor = 0;
  std::string borderwidth;
  std::string text;
};

enum class TextBoxField { BorderWidth };

template <>
struct PropertyKind<ScreenObjectKind::TextBox> {
  using Fields = TextBoxFields;
  static Fields Load(const TextBoxRecord& record);
  static void Store(const Fields& fields, TextBoxRecord& record);
};

// The border thickness is the only field that can be refused.
OkCheck<TextBoxField> CheckTextBoxFields(const TextBoxFields& fields, MessageSink& sink);

}  // namespace korvix
