#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/korvix_doc.h"
#include "expressions/label_reader.h"
#include "expressions/math_formula.h"
#include "expressions/script_starter.h"

namespace korvix {

enum class ConditionalSweep { Pending, Every };

// The Conditionals at run time. Each keeps two flags in its record: pending
// (`actionstarted`, "evaluate me") and armed (`armed`, "my next true result
// starts the action Script"). A true result while armed starts the Script,
// disarms and stays pending, so that the Conditional is looked at again; a
// false result re-arms it. A Conditional whose action Script is missing or
// still running is left pending for a later pass.
class ConditionalEngine {
public:
  ConditionalEngine(CKorvixDoc& doc, LabelReader& reader, ScriptStarter& scripts,
                    RandomSource& random);

  // Every Conditional whose expression names the label in curly braces
  // becomes pending and is evaluated now.
  void RunConditionalsFor(std::string_view label);
  // Evaluates the pending Conditionals, or every one (the Run-Loop's start).
  void PollConditionals(ConditionalSweep sweep = ConditionalSweep::Pending);
  // Sets the pending flag of every Conditional whose expression holds the text.
  void MarkPendingContaining(std::string_view text);

private:
  struct References {
    std::string expression;  // what `labels` were read from
    std::vector<std::string> labels;
  };

  void Evaluate(int index);
  bool ReferencesLabel(int index, std::string_view label);
  int FindActionScript(const std::string& idlabel) const;

  CKorvixDoc& m_doc;
  LabelReader& m_reader;
  ScriptStarter& m_scripts;
  RandomSource& m_random;
  std::vector<References> m_references;
  // A Conditional whose evaluation is under way further up the call stack
  // (its Script delivered a value it watches) is not evaluated again inside
  // itself: it stays pending for the next pass, so no Conditional can
  // re-trigger itself endlessly within one pass.
  std::vector<char> m_evaluating;
};

}  // namespace korvix
