#include "properties/text_box_properties.h"

#include "properties/data_exchange.h"
#include "properties/property_choices.h"

namespace korvix {

TextBoxFields PropertyKind<ScreenObjectKind::TextBox>::Load(const TextBoxRecord& record) {
  TextBoxFields fields;
  fields.fontsize = FontSizeIndex(record.sizecode);
  fields.fontcolor = record.fontcolor;
  fields.alignment = record.alignment;
  fields.bgcolor = record.bgcolor;
  fields.bordercolor = record.bordercolor;
  fields.borderwidth = std::to_string(record.borderwidth);
  fields.text = record.text;
  return fields;
}

void PropertyKind<ScreenObjectKind::TextBox>::Store(const TextBoxFields& fields, TextBoxRecord& record) {
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.fontcolor = fields.fontcolor;
  if (fields.alignment >= 0) record.alignment = fields.alignment;
  record.bgcolor = fields.bgcolor;
  record.bordercolor = fields.bordercolor;
  record.borderwidth = ParseIntegerEntry(fields.borderwidth).value_or(record.borderwidth);
  record.text = fields.text;
}

OkCheck<TextBoxField> CheckTextBoxFields(const TextBoxFields& fields, MessageSink& sink) {
  if (!ReportEntryProblem(sink, IntegerRangeProblem(fields.borderwidth, 0, kMaxBorderWidth)))
    return {TextBoxField::BorderWidth};
  return {};
}

}  // namespace korvix
