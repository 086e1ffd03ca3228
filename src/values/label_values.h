#pragma once

#include <string>
#include <string_view>

#include "document/korvix_doc.h"
#include "expressions/conditionals.h"
#include "expressions/label_reader.h"
#include "expressions/math_formula.h"
#include "expressions/script_starter.h"
#include "platform/message_sink.h"
#include "texts/label_texts.h"
#include "values/label_index.h"
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
  LabelValues(CKorvixDoc& doc, RunState& state, MessageSink& sink, RunLoopControl& runloop, ObjectActions& actions,
              ScriptStarter& scripts, RandomSource& random, LookupTables& lookups);

  // The current value text of a label; "Error" for a label that nothing
  // bears, which while running also tells the operator and halts the loop.
  void GetLabelValue(std::string& out, std::string_view label, bool zeroIfEmpty) override;
  // The same value text for a reader outside the project, who must not halt
  // the plant with a typo: false, and nothing said, for an unknown label.
  bool FindLabelValueQuietly(std::string& out, std::string_view label);
  void DeliverLabelValue(const std::string& label, const std::string& value);
  void SetMessageColours(const std::string& label, int foreground, int background);
  std::string ExpandLabelRefs(std::string_view text);

  ConditionalEngine& Conditionals() { return m_conditionals; }
  // Labels are indexed while the Run-Loop runs; the index is built afresh at
  // the next use after this (the Run-Loop's start and halt).
  void DropLabelIndex() {
    m_index.Drop();
    m_conditionals.DropIndex();
  }
  // Deliveries dropped at kMaxDeliveryDepth since construction.
  int DeliveryCuts() const { return m_cuts; }

private:
  // Where to look for a label: the index's records while it is usable, else
  // every record.
  struct LabelHits {
    bool indexed = false;
    const LabelIndex::Records* records = nullptr;
  };
  LabelHits Hits(std::string_view label);
  // Calls fn(index) for every record of the list with the label, in order,
  // until fn returns false.
  template <class List, class Fn>
  void ForEachWithLabel(List& list, int slot, std::string_view label, const LabelHits& hits, Fn fn,
                        const char* suffix = "");

  bool FindLabelValue(std::string& out, std::string_view label, bool zeroIfEmpty, const LabelHits& hits);
  bool FindReservedValue(std::string& out, std::string_view label);
  void ReportUnknownLabel(std::string_view label);
  void DeliverTrigger(const std::string& value);
  void StoreByLabel(const std::string& label, const std::string& value);
  // Gauges, Wind Vanes and PI-Controllers: the reading is converted, shown
  // and handed on to the object's forward label.
  template <ScreenObjectKind K>
  void StoreReadings(const std::string& label, const std::string& value, const LabelHits& hits);
  bool OnCurrentPage(int page) const { return page == m_doc.m_curpage; }
  void Invalidate(ScreenObjectKind kind, int index, int page);

  CKorvixDoc& m_doc;
  RunState& m_state;
  MessageSink& m_sink;
  RunLoopControl& m_runloop;
  ObjectActions& m_actions;
  ValueRefresher m_refresher;
  ConditionalEngine m_conditionals;
  LabelIndex m_index;
  int m_depth = 0;
  int m_cuts = 0;
};

template <class List, class Fn>
void LabelValues::ForEachWithLabel(List& list, int slot, std::string_view label, const LabelHits& hits, Fn fn,
                                   const char* suffix) {
  const auto bears = [&](int i) {
    return *suffix ? LabelsEqual(list[i].idlabel + suffix, label) : LabelsEqual(list[i].idlabel, label);
  };
  if (!hits.indexed) {
    for (int i = 0; i < list.Count(); ++i) {
      if (bears(i) && !fn(i)) return;
    }
    return;
  }
  if (!hits.records) return;
  for (const int i : (*hits.records)[static_cast<size_t>(slot)]) {
    if (i < list.Count() && bears(i) && !fn(i)) return;
  }
}

}  // namespace korvix
