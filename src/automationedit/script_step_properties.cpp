#include "automationedit/script_step_properties.h"

#include <algorithm>
#include <initializer_list>

#include "automation/step_codes.h"
#include "expressions/expression_syntax.h"
#include "properties/data_exchange.h"
#include "properties/entry_validation.h"
#include "properties/shared_checks.h"

namespace korvix {

namespace {

constexpr const char* kCommaMessage = "This field cannot contain a comma.";
constexpr const char* kPossibleEntryErrorCaption = "Possible Entry Error";
constexpr const char* kNoResponseQuestion =
    "If you leave this field blank, Korvix will move\ron to the next Script Step without waiting for\ra response. Are "
    "you sure you want to do this?\r(not recommended)";

constexpr int kStepReadFromFile = 23;
constexpr int kStepWriteToFile = 24;
constexpr int kStepGotoPage = 25;
constexpr int kStepSetButtonArray = 30;
constexpr int kStepPingModules = 32;
constexpr int kStepPauseHms = 33;
constexpr int kStepSetPiController = 40;

bool OneOf(int code, std::initializer_list<int> codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool Refused(MessageSink& sink, const std::optional<std::string>& problem) {
  if (problem) sink.Show(kEntryErrorCaption, *problem, MessageIcon::Exclamation);
  return problem.has_value();
}

}  // namespace

ScriptStepFields ScriptStepFieldsOf(const ScriptStep& step) {
  return {step.param1, step.param2, step.color1, step.color2};
}

bool RefuseComma(MessageSink& sink, const std::string& text) {
  if (text.find(',') == std::string::npos) return false;
  sink.Show(kEntryErrorCaption, kCommaMessage, MessageIcon::Exclamation);
  return true;
}

std::optional<StepDlgField> CheckScriptStepFields(MessageSink& sink, int code, ScriptStepFields& fields,
                                                  const std::string& namelist) {
  constexpr StepDlgField kFirst = StepDlgField::First;
  constexpr StepDlgField kSecond = StepDlgField::Second;
  fields.param1 = TrimEntry(fields.param1);
  fields.param2 = TrimEntry(fields.param2);
  if (Refused(sink, TextLengthProblem(fields.param1, kStepParam1Limit))) return kFirst;
  if (Refused(sink, TextLengthProblem(fields.param2, kStepParam2Limit))) return kSecond;
  if (!CheckBraceNames(sink, fields.param1)) return kFirst;
  if (RefuseComma(sink, fields.param1)) return kFirst;
  if (OneOf(code, {kStepTransmitCommand, kStepShowMessage, kStepReadFromFile, kStepWriteToFile, kStepSetButtonArray,
                   kStepSetPiController}) &&
      !CheckBraceNames(sink, fields.param2))
    return kSecond;
  // These second texts are read back from Scripts.txt as one field each.
  if (OneOf(code, {kStepTransmitCommand, kStepShowMessage, kStepReadFromFile, kStepSetButtonArray, kStepPingModules}) &&
      RefuseComma(sink, fields.param2))
    return kSecond;
  if (code == kStepTransmitCommand && fields.param2.empty() &&
      sink.Show(kPossibleEntryErrorCaption, kNoResponseQuestion, MessageIcon::Warning,
                MessageButtons::YesNoDefaultNo) != MessageResult::Yes)
    return kSecond;
  if (OneOf(code, {kStepPauseMilliseconds, kStepGotoPage, kStepLoop}) && !CheckPositiveInteger(sink, fields.param1))
    return kFirst;
  if (code == kStepShowMessage && !WarnUnbracedLabels(sink, fields.param1, namelist, false)) return kFirst;
  if (code == kStepWriteToFile && !WarnUnbracedLabels(sink, fields.param2, namelist, false)) return kSecond;
  if (code == kStepPauseHms && !CheckTimeText(sink, fields.param1)) return kFirst;
  if (code == kStepSetPiController && !CheckInteger(sink, fields.param2)) return kSecond;
  if (code == kStepShowPopupBox && !WarnUnbracedLabels(sink, fields.param2, namelist, false)) return kSecond;
  return std::nullopt;
}

bool CheckScriptConditionalText(MessageSink& sink, std::string& expression, const std::string& namelist) {
  NormalizeExpression(expression);
  if (Refused(sink, TextLengthProblem(expression, kStepExpressionLimit))) return false;
  return CheckExpression(sink, expression) && WarnUnbracedLabels(sink, expression, namelist, false);
}

void StoreScriptStepFields(CKorvixDoc& doc, int script, int step, const ScriptStepFields& fields) {
  ScriptStep& stored = doc.m_scripts[script].steps[step];
  stored.param1 = fields.param1;
  stored.param2 = fields.param2;
  stored.color1 = fields.color1;
  stored.color2 = fields.color2;
  doc.SetModifiedFlag();
}

void DeleteScriptStep(CKorvixDoc& doc, int script, int step) {
  doc.m_scripts[script].steps.Remove(step);
  doc.SetModifiedFlag();
}

}  // namespace korvix
