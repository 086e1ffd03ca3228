#include "properties/button_array_properties.h"

#include "properties/action_slot_check.h"
#include "properties/data_exchange.h"
#include "properties/entry_validation.h"
#include "properties/property_choices.h"
#include "properties/shared_checks.h"

namespace korvix {

ButtonArraySettings LoadButtonArraySettings(const ButtonArrayRecord& record) {
  return {record.idlabel, FontSizeIndex(record.sizecode), record.executeonchange};
}

void StoreButtonArraySettings(const ButtonArraySettings& settings, ButtonArrayRecord& record) {
  record.idlabel = settings.idlabel;
  record.sizecode = FontSizeCode(settings.fontsize, record.sizecode);
  record.executeonchange = settings.executeonchange;
}

bool CheckButtonArraySettings(ButtonArraySettings& settings, MessageSink& sink) {
  if (!ReportEntryProblem(sink, TextLengthProblem(settings.idlabel, kLabelFieldLimit))) return false;
  settings.idlabel = TrimEntry(settings.idlabel);
  return CheckIdLabel(sink, settings.idlabel) != 0;
}

ArrayButtonFields LoadArrayButtonFields(const ButtonArrayButton& button) {
  return {button.title,
          button.textcolor,
          {button.action, button.param, button.second, button.fontsize, button.barcode, button.barsize}};
}

void StoreArrayButtonFields(const ArrayButtonFields& fields, ButtonArrayButton& button) {
  button.title = fields.title;
  button.textcolor = fields.textcolor;
  button.action = fields.slot.action;
  button.param = fields.slot.param;
  button.second = fields.slot.second;
  button.fontsize = fields.slot.fontsize;
  button.barcode = fields.slot.barcode;
  button.barsize = fields.slot.barsize;
}

OkCheck<ArrayButtonField> CheckArrayButtonFields(ArrayButtonFields& fields, const std::string& namelist,
                                                 MessageSink& sink) {
  const auto fieldof = [](SlotField field) {
    return field == SlotField::Parameter ? ArrayButtonField::Parameter : ArrayButtonField::Second;
  };
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.title, kLabelFieldLimit))) return {ArrayButtonField::Title};
  if (const auto field = CheckActionSlotLengths(fields.slot, sink)) return {fieldof(*field), true};
  fields.title = TrimEntry(fields.title);
  fields.slot.param = TrimEntry(fields.slot.param);
  fields.slot.second = TrimEntry(fields.slot.second);
  if (!CheckBraceNames(sink, fields.slot.param)) return {ArrayButtonField::Parameter, true};
  if (const auto field = CheckActionSlotTexts(fields.slot, ActionNumbering::Array, namelist, sink))
    return {fieldof(*field), true};
  return {};
}

}  // namespace korvix
