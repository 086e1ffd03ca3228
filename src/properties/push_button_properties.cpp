#include "properties/push_button_properties.h"

#include "properties/action_slot_check.h"
#include "properties/data_exchange.h"
#include "properties/entry_validation.h"
#include "properties/property_choices.h"
#include "properties/shared_checks.h"

namespace korvix {

namespace {

std::string BlanksStoredEmpty(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos ? std::string() : text;
}

PushButtonField ParameterOf(bool press) {
  return press ? PushButtonField::PressParameter : PushButtonField::ReleaseParameter;
}

PushButtonField FieldOf(bool press, SlotField field) {
  if (field == SlotField::Parameter) return ParameterOf(press);
  return press ? PushButtonField::PressSecond : PushButtonField::ReleaseSecond;
}

}  // namespace

PushButtonFields PropertyKind<ScreenObjectKind::PushButton>::Load(const PushButtonRecord& record) {
  PushButtonFields fields;
  fields.title = record.title;
  fields.fontsize = FontSizeIndex(record.sizecode);
  fields.textcolor = record.textcolor;
  fields.press = {record.pressaction,   record.pressparam,   record.presssecond,
                  record.pressfontsize, record.pressbarcode, record.pressbarsize};
  fields.pressholds = record.pressholds;
  fields.release = {record.releaseaction,   record.releaseparam,   record.releasesecond,
                    record.releasefontsize, record.releasebarcode, record.releasebarsize};
  fields.releaseholds = record.releaseholds;
  return fields;
}

void PropertyKind<ScreenObjectKind::PushButton>::Store(const PushButtonFields& fields, PushButtonRecord& record) {
  record.title = fields.title;
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.textcolor = fields.textcolor;
  record.pressaction = fields.press.action;
  record.pressparam = fields.press.param;
  record.presssecond = BlanksStoredEmpty(fields.press.second);
  record.pressfontsize = fields.press.fontsize;
  record.pressbarcode = fields.press.barcode;
  record.pressbarsize = fields.press.barsize;
  record.pressholds = fields.pressholds;
  record.releaseaction = fields.release.action;
  record.releaseparam = fields.release.param;
  record.releasesecond = BlanksStoredEmpty(fields.release.second);
  record.releasefontsize = fields.release.fontsize;
  record.releasebarcode = fields.release.barcode;
  record.releasebarsize = fields.release.barsize;
  record.releaseholds = fields.releaseholds;
}

OkCheck<PushButtonField> CheckPushButtonFields(PushButtonFields& fields, const std::string& namelist,
                                               MessageSink& sink) {
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.title, kLabelFieldLimit))) return {PushButtonField::Title};
  for (const bool press : {true, false})
    if (const auto field = CheckActionSlotLengths(press ? fields.press : fields.release, sink))
      return {FieldOf(press, *field), true};
  for (ActionSlot* slot : {&fields.press, &fields.release}) {
    slot->param = TrimEntry(slot->param);
    slot->second = TrimEntry(slot->second);
  }
  for (const bool press : {true, false})
    if (!CheckBraceNames(sink, (press ? fields.press : fields.release).param)) return {ParameterOf(press), true};
  for (const bool press : {true, false})
    if (const auto field =
            CheckActionSlotTexts(press ? fields.press : fields.release, ActionNumbering::Control, namelist, sink))
      return {FieldOf(press, *field), true};
  return {};
}

}  // namespace korvix
