#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/testing/recording_message_sink.h"
#include "properties/entry_report.h"

namespace korvix {

// One row of a dialog's OK table: what the user changed, and where OK
// stops with which message (no focus and no message when it passes).
template <class Fields, class Field>
struct OkCase {
  const char* name;
  std::function<void(Fields&)> change;
  std::optional<Field> focus;
  const char* message = nullptr;
  bool guard = false;
};

template <class Fields, class Field>
void ExpectVerdict(const OkCase<Fields, Field>& row, const OkCheck<Field>& check, const RecordingMessageSink& sink) {
  EXPECT_EQ(check.focus, row.focus);
  EXPECT_EQ(check.guard, row.guard);
  if (!row.message) {
    EXPECT_TRUE(sink.shown.empty()) << sink.shown.front().text;
    return;
  }
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Entry Error");
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(sink.shown[0].text, row.message);
}

template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  return info.param.name;
}

}  // namespace korvix
