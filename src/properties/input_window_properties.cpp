#include "properties/input_window_properties.h"

#include "properties/action_slot_check.h"
#include "properties/data_exchange.h"
#include "properties/entry_validation.h"
#include "properties/property_choices.h"
#include "properties/shared_checks.h"

namespace korvix {

int KeypadIndex(int keypadsize) { return keypadsize <= 0 ? kNoKeypadIndex : FontSizeIndex(keypadsize); }

int KeypadSizeFromIndex(int index, int current) { return index == kNoKeypadIndex ? 0 : FontSizeCode(index, current); }

InputWindowFields PropertyKind<ScreenObjectKind::InputWindow>::Load(const InputWindowRecord& record) {
  InputWindowFields fields;
  fields.title = record.title;
  fields.fontsize = FontSizeIndex(record.sizecode);
  fields.inputcolor = record.inputcolor;
  fields.titlewidth = WidthIndex(record.titlewidth);
  fields.idlabel = record.idlabel;
  fields.keypad = KeypadIndex(record.keypadsize);
  fields.resetvalue = record.resetvalue;
  fields.resetonrun = record.resetonrun;
  fields.slot.action = record.action;
  fields.slot.param = record.actiontext;
  fields.slot.second = record.actiontext2;
  fields.slot.fontsize = record.labelfontsize;
  fields.slot.barcode = record.labelbarcode;
  fields.slot.barsize = record.labelbarsize;
  return fields;
}

void PropertyKind<ScreenObjectKind::InputWindow>::Store(const InputWindowFields& fields, InputWindowRecord& record) {
  record.title = fields.title;
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.inputcolor = fields.inputcolor;
  record.titlewidth = WidthFromIndex(fields.titlewidth, record.titlewidth);
  record.idlabel = fields.idlabel;
  record.keypadsize = KeypadSizeFromIndex(fields.keypad, record.keypadsize);
  record.resetvalue = fields.resetvalue;
  record.resetonrun = fields.resetonrun;
  record.valuetext = fields.resetvalue;
  record.action = fields.slot.action;
  record.actiontext = fields.slot.param;
  record.actiontext2 = fields.slot.second;
  record.labelfontsize = fields.slot.fontsize;
  record.labelbarcode = fields.slot.barcode;
  record.labelbarsize = fields.slot.barsize;
}

namespace {

InputWindowField SlotFieldOf(SlotField field) {
  return field == SlotField::Parameter ? InputWindowField::Parameter : InputWindowField::Second;
}

}  // namespace

OkCheck<InputWindowField> CheckInputWindowFields(InputWindowFields& fields, const std::string& namelist,
                                                 MessageSink& sink) {
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.title, kLabelFieldLimit))) return {InputWindowField::Title};
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.idlabel, kLabelFieldLimit)))
    return {InputWindowField::IdLabel};
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.resetvalue, kResetValueLimit)))
    return {InputWindowField::ResetValue};
  if (const auto field = CheckActionSlotLengths(fields.slot, sink)) return {SlotFieldOf(*field), true};
  fields.idlabel = TrimEntry(fields.idlabel);
  fields.slot.param = TrimEntry(fields.slot.param);
  fields.slot.second = TrimEntry(fields.slot.second);
  if (!CheckIdLabel(sink, fields.idlabel)) return {InputWindowField::IdLabel};
  if (!CheckBraceNames(sink, fields.slot.param)) return {InputWindowField::Parameter, true};
  if (const auto field = CheckActionSlotTexts(fields.slot, ActionNumbering::Control, namelist, sink))
    return {SlotFieldOf(*field), true};
  return {};
}

}  // namespace korvix
