#include "automation/step_lines.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "automation/step_codes.h"
#include "texts/color_texts.h"
#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr const char* kFieldSeparator = " , ";
constexpr const char* kLineEnd = "\r\n";
constexpr const char* kAppendedFieldSeparator = ", ";
constexpr const char* kIllegalFunctionCaption = "Illegal Function Name";

constexpr int kStepWriteToFile = 24;
constexpr int kStepSendEmail = 27;
constexpr int kStepPrintLabel = 31;

bool IsEndOfLine(std::string_view field) { return field == kEndOfLineMark; }

// Their second texts may hold commas: the fields after it belong to it.
bool SecondTextTakesCommas(int code) {
  return code == kStepWriteToFile || code == kStepSendEmail || code == kStepPrintLabel || code == kStepShowPopupBox;
}

void Cut(std::string& text, std::size_t limit) {
  if (text.size() > limit) text.resize(limit);
}

int Clamped(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int ReadWholeNumber(std::string_view field) {
  NumberTexts numbers;
  return numbers.ParseNumberText(field);
}

void SkipToLineEnd(TextMemFile& file) {
  while (!IsEndOfLine(file.ReadMemFileLine())) {
  }
}

std::string IllegalFunctionText(std::string_view name) {
  return "The function " + std::string(name) + " is not a legal function name.";
}

}  // namespace

std::string ToTextForm(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      result += " \x1b ";
      ++i;
    } else {
      result += text[i];
    }
  }
  std::string single;
  single.reserve(result.size());
  for (const char c : result) {
    if (c == ' ' && !single.empty() && single.back() == ' ') continue;
    single += c;
  }
  return single;
}

void AppendStepLine(std::string& out, const ScriptStep& step, int depth) {
  out.append(static_cast<std::size_t>(std::max(0, depth)) * 2, ' ');
  out += '<';
  out += StepNameFromCode(step.code);
  out += '>';
  // Show Message and Print Label always carry the fields before their
  // colours and print settings, so those are read back in their places.
  const bool alwaysfirst = step.code == kStepShowMessage || step.code == kStepPrintLabel;
  if (alwaysfirst || !step.param1.empty() || !step.param2.empty()) {
    out += kFieldSeparator;
    out += ToTextForm(step.param1);
  }
  if (step.code == kStepPrintLabel) {
    out += kFieldSeparator;
    out += FormatNumberText(step.fontsize / 10, 0);
    out += kFieldSeparator;
    out += FormatNumberText(step.barsize, 0);
    out += kFieldSeparator;
    out += step.barcode;
  }
  if (step.code == kStepShowMessage || !step.param2.empty()) {
    out += kFieldSeparator;
    out += ToTextForm(step.param2);
  }
  if (step.code == kStepShowMessage) {
    out += kFieldSeparator;
    out += FormatColorText(static_cast<uint32_t>(step.color1));
    out += kFieldSeparator;
    out += FormatColorText(static_cast<uint32_t>(step.color2));
  }
  out += kLineEnd;
}

void AppendStepLines(std::string& out, const ScriptStepList& steps) {
  int depth = 0;
  for (const ScriptStep& step : steps) AppendStepLine(out, step, NextStepDepth(step.code, depth));
}

StepLineRead ReadStepLine(TextMemFile& file, ScriptStepList& steps, MessageSink& sink) {
  const std::string name = file.ReadMemFileLine();
  if (name.empty()) return StepLineRead::BlockEnd;
  if (IsEndOfLine(name)) return StepLineRead::Invalid;
  const int index = AddScriptEntry(steps);
  if (index < 0) return StepLineRead::Invalid;
  ScriptStep& step = steps[index];
  step.code = StepCodeFromName(name);
  if (step.code < 0) {
    sink.Show(kIllegalFunctionCaption, IllegalFunctionText(name), MessageIcon::Warning);
    SkipToLineEnd(file);
    return StepLineRead::Invalid;
  }

  std::string field = file.ReadMemFileLine();
  if (IsEndOfLine(field)) return StepLineRead::Step;
  step.param1 = std::move(field);
  Cut(step.param1, kMaxParam1Length);

  if (step.code == kStepPrintLabel) {
    field = file.ReadMemFileLine();
    if (IsEndOfLine(field)) return StepLineRead::Step;
    step.fontsize = Clamped(int64_t{ReadWholeNumber(field)} * 10);
    field = file.ReadMemFileLine();
    if (IsEndOfLine(field)) return StepLineRead::Step;
    step.barsize = ReadWholeNumber(field);
    field = file.ReadMemFileLine();
    if (IsEndOfLine(field)) return StepLineRead::Step;
    step.barcode = std::move(field);
    Cut(step.barcode, kMaxBarcodeLength);
  }

  field = file.ReadMemFileLine();
  if (IsEndOfLine(field)) return StepLineRead::Step;
  step.param2 = std::move(field);

  if (step.code == kStepShowMessage) {
    field = file.ReadMemFileLine();
    if (IsEndOfLine(field)) return StepLineRead::Step;
    step.color1 = static_cast<int>(ParseColorText(field, sink));
    field = file.ReadMemFileLine();
    if (IsEndOfLine(field)) return StepLineRead::Step;
    step.color2 = static_cast<int>(ParseColorText(field, sink));
  }

  field = file.ReadMemFileLine();
  if (SecondTextTakesCommas(step.code)) {
    for (; !IsEndOfLine(field); field = file.ReadMemFileLine()) {
      // Beyond the limit nothing more is kept, but the line is still read.
      if (step.param2.size() < kMaxParam2Length) step.param2 += kAppendedFieldSeparator + field;
    }
    Cut(step.param2, kMaxParam2Length);
    return StepLineRead::Step;
  }
  Cut(step.param2, kMaxParam2Length);
  return IsEndOfLine(field) ? StepLineRead::Step : StepLineRead::Invalid;
}

}  // namespace korvix
