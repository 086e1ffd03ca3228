#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/korvix_doc.h"
#include "expressions/condition.h"
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
  ConditionalEngine(CKorvixDoc& doc, LabelReader& reader, ScriptStarter& scripts, RandomSource& random);

  // Every Conditional whose expression names the label in curly braces
  // becomes pending and is evaluated now.
  void RunConditionalsFor(std::string_view label);
  // Evaluates the pending Conditionals, or every one (the Run-Loop's start).
  void PollConditionals(ConditionalSweep sweep = ConditionalSweep::Pending);
  // Sets the pending flag of every Conditional whose expression holds the text.
  void MarkPendingContaining(std::string_view text);
  // Which Conditionals name which label is kept until this is called or the
  // number of Conditionals changes; call it whenever expressions may have
  // been edited.
  void DropIndex() { m_indexed = false; }

private:
  // What an expression names and how it reads, kept while its text stays.
  struct References {
    std::string expression;
    std::vector<std::string> labels;
    ParsedCondition parsed;
    int script = -1;  // where its action Script was last found
  };

  void Evaluate(int index);
  bool ReferencesLabel(int index, std::string_view label);
  References& Cached(int index);
  int FindActionScript(int index);

  void BuildIndex();

  CKorvixDoc& m_doc;
  LabelReader& m_reader;
  ScriptStarter& m_scripts;
  RandomSource& m_random;
  std::vector<References> m_references;
  bool m_indexed = false;
  int m_indexedcount = 0;
  std::unordered_map<std::string, std::vector<int>> m_bylabel;  // label key: Conditionals
  // A Conditional whose evaluation is under way further up the call stack
  // (its Script delivered a value it watches) is not evaluated again inside
  // itself: it stays pending for the next pass, so no Conditional can
  // re-trigger itself endlessly within one pass.
  std::vector<char> m_evaluating;
};

}  // namespace korvix
