#pragma once

#include <string>

#include "document/korvix_doc.h"
#include "platform/message_sink.h"
#include "render/object_run_states.h"

namespace korvix {

// The fields of the "Variable Properties" dialog.
struct VariableFields {
  std::string m_idlabel;
  int m_decimalsel = 0;
  int m_formatsel = 0;
  int m_resetonrun = 0;
};

// The dialog's start: the Variable's fields, with the decimals its format
// allows.
VariableFields VariableFieldsOf(const VariableRecord& variable);

// The decimals a format leaves: Text and Counter none, Timer two; a Number
// keeps `decimals` at the dialog's start and has none once chosen anew.
int DecimalsForFormat(int format, int decimals, bool atstart);
// "Decimal Point" is chosen only for Numbers.
bool DecimalsChoosable(int format);

// OK: trims the label, checks it as an ID Label and against the other
// Variables' labels (compared as ID Labels, so "tank" is refused beside
// "Tank"). False after a message: the focus goes back to the label.
bool CheckVariableFields(MessageSink& sink, const CKorvixDoc& doc, int index, VariableFields& fields);

// After OK: stores the fields, restarts the value ("" for Text, else "0")
// and the Timer, re-formats the value, marks the document modified.
void StoreVariableFields(CKorvixDoc& doc, VariableRunStates& states, int index, const VariableFields& fields);

// Gives up the Variable's data-log column, removes it with its run-time
// state, marks modified.
void DeleteVariable(CKorvixDoc& doc, VariableRunStates& states, int index);

// Appends a Variable with the new-Variable values under a fresh
// "Variable" + number label, its run-time state afresh; -1 at the limit.
// The caller marks modified.
int AddVariable(CKorvixDoc& doc, VariableRunStates& states);

}  // namespace korvix
