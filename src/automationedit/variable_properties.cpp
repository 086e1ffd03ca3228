#include "automationedit/variable_properties.h"

#include "editor/id_labels.h"
#include "properties/entry_report.h"
#include "properties/entry_validation.h"
#include "properties/shared_checks.h"
#include "recording/log_sources.h"
#include "texts/label_texts.h"
#include "values/value_refresh.h"

namespace korvix {

namespace {

constexpr const char* kVariablePrefix = "Variable";
constexpr int kTimerDecimals = 2;

std::string AlreadyExists(const std::string& label) {
  return "The ID Label \"" + label + "\" already exists. You \rmust rename the Variable before continuing.";
}

}  // namespace

int DecimalsForFormat(int format, int decimals, bool atstart) {
  if (format == kVariableTimer) return kTimerDecimals;
  if (format == kVariableNumber && atstart) return decimals;
  return 0;
}

bool DecimalsChoosable(int format) { return format == kVariableNumber; }

VariableFields VariableFieldsOf(const VariableRecord& variable) {
  VariableFields fields;
  fields.m_idlabel = variable.idlabel;
  fields.m_formatsel = variable.valueformat;
  fields.m_decimalsel = DecimalsForFormat(variable.valueformat, variable.decimals, true);
  fields.m_resetonrun = variable.resetonrun;
  return fields;
}

bool CheckVariableFields(MessageSink& sink, const CKorvixDoc& doc, int index, VariableFields& fields) {
  fields.m_idlabel = TrimWhiteSpace(fields.m_idlabel);
  if (!CheckIdLabel(sink, fields.m_idlabel)) return false;
  for (int i = 0; i < doc.m_variables.Count(); ++i) {
    if (i != index && LabelsEqual(doc.m_variables[i].idlabel, fields.m_idlabel)) {
      return ReportEntryProblem(sink, AlreadyExists(fields.m_idlabel));
    }
  }
  return true;
}

void StoreVariableFields(CKorvixDoc& doc, VariableRunStates& states, int index, const VariableFields& fields) {
  VariableRecord& variable = doc.m_variables[index];
  variable.idlabel = fields.m_idlabel;
  variable.valueformat = fields.m_formatsel;
  variable.decimals = fields.m_decimalsel;
  variable.resetonrun = fields.m_resetonrun;
  states[index].timerelapsed = 0;
  variable.valuetext = fields.m_formatsel == kVariableText ? "" : "0";
  RefreshVariableText(variable);
  doc.SetModifiedFlag();
}

void DeleteVariable(CKorvixDoc& doc, VariableRunStates& states, int index) {
  RemoveLogColumn(doc, doc.m_variables[index].logcolumn);
  doc.m_variables.Remove(index);
  states.Remove(index);
  doc.SetModifiedFlag();
}

int AddVariable(CKorvixDoc& doc, VariableRunStates& states) {
  VariableRecord variable;
  variable.idlabel = MakeUniqueIdLabel(doc, kVariablePrefix, ConditionalLabels::Skipped);
  variable.valueformat = kVariableNumber;
  variable.decimals = 0;
  variable.valuetext = "0";
  variable.resetonrun = 1;
  variable.timerrunning = 0;
  variable.logcolumn = kNoLogColumn;
  const int index = doc.m_variables.Add(std::move(variable));
  if (index >= 0) states[index] = {};
  return index;
}

}  // namespace korvix
