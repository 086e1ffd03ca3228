#pragma once

#include <map>
#include <string>

#include "document/korvix_doc.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "values/label_values.h"
#include "values/reply_tracker.h"
#include "values/testing/fake_value_hooks.h"

namespace korvix::testing {

// A small project in memory with the label values, reply bookkeeping and
// fakes around it; lookup-table files come from `files`.
class ValuesFixture {
protected:
  template <class List>
  auto& Add(List& list, const std::string& label) {
    auto& record = list[list.Add()];
    record.idlabel = label;
    return record;
  }
  template <class List>
  auto& AddPolled(List& list, const std::string& label, const std::string& command) {
    auto& record = Add(list, label);
    record.pollcommand = command;
    return record;
  }
  ConditionalRecord& AddConditional(const std::string& label, const std::string& expression) {
    ConditionalRecord& conditional = Add(doc.m_conditionals, label);
    conditional.expression = expression;
    conditional.armed = 1;
    Add(doc.m_scripts, label + kActionScriptMarker);
    return conditional;
  }
  std::string Read(const std::string& label, bool zeroIfEmpty = false) {
    std::string out = "unset";
    values.GetLabelValue(out, label, zeroIfEmpty);
    return out;
  }

  CKorvixDoc doc;
  RecordingMessageSink sink;
  FakeValueHooks hooks;
  FakeMillisecondClock clock;
  RunState state;
  RandomSource random;
  std::map<std::string, std::string> files;
  LookupTables tables{[this](const std::string& path) -> std::optional<std::string> {
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }};
  LabelValues values{doc, state, sink, hooks, hooks, hooks, random, tables};
  ReplyTracker replies{doc, state, values, hooks, hooks, clock};
};

}  // namespace korvix::testing
