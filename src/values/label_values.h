#pragma once

#include <string>
#include <string_view>

#include "document/korvix_doc.h"
#include "expressions/conditionals.h"
#include "expressions/label_reader.h"
#include "expressions/math_formula.h"
#include "expressions/script_starter.h"
#include "platform/message_sink.h"
#include "values/lookup_tables.h"
#include "values/run_state.h"
#include "values/value_hooks.h"
#include "values/value_refresh.h"

namespace korvix {

// Delivery that recurses deeper than this (a value handed on through
// Conditionals, Scripts and gauge outputs that lead back to it) is cut off.
constexpr int kMaxDeliveryDepth = 32;

// Every value of the running project, reached by ID Label: reading, delivery
// to every Variable and object with the label, the value texts, and the
// Conditionals that watch the labels.
class LabelValues final : public LabelReader {
public:
  LabelValues(CKorvixDoc& doc, RunState& state, MessageSink& sink, RunLoopControl& runloop,
              ObjectActions& actions, ScriptStarter& scripts, RandomSource& random,
              LookupTables& lookups);

  // The current value text of a label; "Error" for a label that nothing
  // bears, which while running also tells the operator and halts the loop.
  void GetLabelValue(std::string& out, std::string_view label, bool zeroIfEmpty) override;
  void DeliverLabelValue(const std::string& label, const std::string& value);
  void SetMessageColours(const std::string& label, int foreground, int background);
  std::string ExpandLabelRefs(std::string_view text);

  ConditionalEngine& Conditionals() { return m_conditionals; }
  // Deliveries dropped at kMaxDeliveryDepth since construction.
  int DeliveryCuts() const { return m_cuts; }

private:
  bool FindLabelValue(std::string& out, std::string_view label, bool zeroIfEmpty);
  bool FindReservedValue(std::string& out, std::string_view label);
  void ReportUnknownLabel(std::string_view label);
  void DeliverTrigger(const std::string& value);
  void StoreByLabel(const std::string& label, const std::string& value);
  template <class List>
  void StoreGauges(List& list, ObjectKind kind, const std::string& label, const std::string& value);
  bool OnCurrentPage(int page) const { return page == m_doc.m_curpage; }
  void Invalidate(ObjectKind kind, int index, int page);

  CKorvixDoc& m_doc;
  RunState& m_state;
  MessageSink& m_sink;
  RunLoopControl& m_runloop;
  ObjectActions& m_actions;
  ValueRefresher m_refresher;
  ConditionalEngine m_conditionals;
  int m_depth = 0;
  int m_cuts = 0;
};

}  // namespace korvix
