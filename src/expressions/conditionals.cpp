#include "expressions/conditionals.h"

#include "expressions/condition.h"
#include "expressions/label_refs.h"
#include "texts/label_texts.h"

namespace korvix {

ConditionalEngine::ConditionalEngine(CKorvixDoc& doc, LabelReader& reader, ScriptStarter& scripts, RandomSource& random)
    : m_doc(doc), m_reader(reader), m_scripts(scripts), m_random(random) {}

void ConditionalEngine::RunConditionalsFor(std::string_view label) {
  if (!m_indexed || m_indexedcount != m_doc.m_conditionals.Count()) BuildIndex();
  const auto found = m_bylabel.find(LabelKey(label));
  if (found == m_bylabel.end()) return;
  // A copy: a Script started here may lead to the index being rebuilt.
  const std::vector<int> watching = found->second;
  for (const int i : watching) {
    if (i >= m_doc.m_conditionals.Count() || !ReferencesLabel(i, label)) continue;
    m_doc.m_conditionals[i].actionstarted = 1;
    Evaluate(i);
  }
}

void ConditionalEngine::BuildIndex() {
  m_bylabel.clear();
  for (int i = 0; i < m_doc.m_conditionals.Count(); ++i) {
    for (const std::string& label : Cached(i).labels) {
      std::vector<int>& watching = m_bylabel[LabelKey(label)];
      if (watching.empty() || watching.back() != i) watching.push_back(i);
    }
  }
  m_indexedcount = m_doc.m_conditionals.Count();
  m_indexed = true;
}

void ConditionalEngine::PollConditionals(ConditionalSweep sweep) {
  for (int i = 0; i < m_doc.m_conditionals.Count(); ++i) {
    if (sweep == ConditionalSweep::Every) m_doc.m_conditionals[i].actionstarted = 1;
    if (m_doc.m_conditionals[i].actionstarted) Evaluate(i);
  }
}

void ConditionalEngine::MarkPendingContaining(std::string_view text) {
  for (ConditionalRecord& conditional : m_doc.m_conditionals) {
    if (conditional.expression.find(text) != std::string::npos) conditional.actionstarted = 1;
  }
}

void ConditionalEngine::Evaluate(int index) {
  if (m_evaluating.size() < static_cast<size_t>(m_doc.m_conditionals.Count())) {
    m_evaluating.resize(static_cast<size_t>(m_doc.m_conditionals.Count()), 0);
  }
  if (m_evaluating[static_cast<size_t>(index)]) return;
  const int script = FindActionScript(index);
  if (script < 0 || m_doc.m_scripts[script].isrunning) return;

  m_evaluating[static_cast<size_t>(index)] = 1;
  m_doc.m_conditionals[index].actionstarted = 0;
  const ParsedCondition& parsed = Cached(index).parsed;
  const bool holds = EvaluateCondition(parsed, m_reader, m_random);
  ConditionalRecord& conditional = m_doc.m_conditionals[index];
  if (holds && conditional.armed) {
    conditional.armed = 0;
    conditional.actionstarted = 1;
    m_scripts.RunScriptByName(m_doc.m_scripts[script].idlabel);
  } else if (!holds) {
    conditional.armed = 1;
  }
  m_evaluating[static_cast<size_t>(index)] = 0;
}

ConditionalEngine::References& ConditionalEngine::Cached(int index) {
  if (m_references.size() < static_cast<size_t>(m_doc.m_conditionals.Count())) {
    m_references.resize(static_cast<size_t>(m_doc.m_conditionals.Count()));
  }
  References& refs = m_references[static_cast<size_t>(index)];
  const std::string& expression = m_doc.m_conditionals[index].expression;
  if (refs.expression != expression) {
    refs.expression = expression;
    refs.labels = ReferencedLabels(expression);
    refs.parsed = ParseCondition(expression);
  }
  return refs;
}

bool ConditionalEngine::ReferencesLabel(int index, std::string_view label) {
  for (const std::string& named : Cached(index).labels) {
    if (LabelsEqual(named, label)) return true;
  }
  return false;
}

int ConditionalEngine::FindActionScript(int index) {
  const std::string action = m_doc.m_conditionals[index].idlabel + kActionScriptMarker;
  References& refs = Cached(index);
  if (refs.script >= 0 && refs.script < m_doc.m_scripts.Count() &&
      LabelsEqual(m_doc.m_scripts[refs.script].idlabel, action)) {
    return refs.script;
  }
  refs.script = -1;
  for (int i = 0; i < m_doc.m_scripts.Count(); ++i) {
    if (LabelsEqual(m_doc.m_scripts[i].idlabel, action)) return refs.script = i;
  }
  return -1;
}

}  // namespace korvix
