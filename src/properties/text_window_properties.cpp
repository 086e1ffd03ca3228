#include "properties/text_window_properties.h"

#include "properties/data_exchange.h"
#include "properties/entry_validation.h"
#include "properties/property_choices.h"
#include "properties/shared_checks.h"

namespace korvix {

TextWindowFields PropertyKind<ScreenObjectKind::TextWindow>::Load(const TextWindowRecord& record) {
  TextWindowFields fields;
  fields.prefix = record.prefix;
  fields.suffix = record.suffix;
  fields.idlabel = record.idlabel;
  fields.message = record.message;
  fields.messagecolor = record.messagecolor;
  fields.messagebgcolor = record.messagebgcolor;
  fields.fontsize = FontSizeIndex(record.sizecode);
  fields.fontcolor = record.fontcolor;
  fields.prefixwidth = WidthIndex(record.prefixwidth);
  fields.suffixwidth = WidthIndex(record.suffixwidth);
  return fields;
}

void PropertyKind<ScreenObjectKind::TextWindow>::Store(const TextWindowFields& fields, TextWindowRecord& record) {
  record.prefix = fields.prefix;
  record.suffix = fields.suffix;
  record.idlabel = fields.idlabel;
  record.message = fields.message;
  record.messagecolor = fields.messagecolor;
  record.messagebgcolor = fields.messagebgcolor;
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.fontcolor = fields.fontcolor;
  record.prefixwidth = WidthFromIndex(fields.prefixwidth, record.prefixwidth);
  record.suffixwidth = WidthFromIndex(fields.suffixwidth, record.suffixwidth);
  record.valuetext = record.message;
  record.curtextcolor = record.messagecolor;
  record.curbgcolor = record.messagebgcolor;
}

OkCheck<TextWindowField> CheckTextWindowFields(TextWindowFields& fields, MessageSink& sink) {
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.prefix, kLabelFieldLimit))) return {TextWindowField::Prefix};
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.suffix, kLabelFieldLimit))) return {TextWindowField::Suffix};
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.idlabel, kLabelFieldLimit))) return {TextWindowField::IdLabel};
  fields.idlabel = TrimEntry(fields.idlabel);
  if (!CheckIdLabel(sink, fields.idlabel)) return {TextWindowField::IdLabel};
  return {};
}

}  // namespace korvix
