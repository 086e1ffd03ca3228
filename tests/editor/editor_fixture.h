#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/kind_traits.h"
#include "document/project_writer.h"
#include "document/record_layouts.h"
#include "editor/page_editor.h"
#include "editor/stacking.h"
#include "platform/testing/recording_message_sink.h"

namespace korvix {

struct FakeViewWindow final : ViewWindow {
  struct Invalidation {
    Rect rect;
    bool erase;
  };
  std::vector<Invalidation> invalidated;
  Cursor cursor = Cursor::Arrow;

  Rect ClientRect() const override { return {0, 0, 1000, 700}; }
  void InvalidateRect(const Rect& rect, bool erase) override { invalidated.push_back({rect, erase}); }
  void SetCursor(Cursor shown) override { cursor = shown; }
  void SetScrollExtent(Size) override {}
};

struct FakeChartMemories final : ChartMemoryHook {
  std::vector<std::pair<int, int>> transfers;
  std::vector<std::pair<int, int>> removals;
  void TransferChartMemory(int from, int to) override { transfers.emplace_back(from, to); }
  void RemoveChartMemory(int index, int count) override { removals.emplace_back(index, count); }
  void EmptyChartMemory(int) override {}
};

// The bytes a project file holds for a record: equal bytes, equal record.
template <class Record>
std::string StoredBytes(CKorvixDoc& doc, Record record) {
  ArchiveWriter out;
  ProjectWriter writer(out, doc);
  writer.Record(record);
  return out.TakeData();
}

class EditorTest : public ::testing::Test {
protected:
  CKorvixDoc doc;
  ViewState view;
  RecordingMessageSink messages;
  FakeViewWindow window;
  FakeChartMemories chartmemories;
  ObjectStates objectstates{doc, view};
  PageView page{doc, view, window, [](const std::string&) { return std::optional<Bitmap>(); }, objectstates};
  CPageEditor editor{doc, view, page, window, messages, chartmemories};

  void TearDown() override { EXPECT_TRUE(StackingIsValid(doc)); }

  ScreenObject PlaceOne(ScreenObjectKind kind) {
    editor.Place(kind);
    int count = 0;
    VisitKind(kind, [&](auto tag) { count = ListOf<decltype(tag)::value>(doc).Count(); });
    return {kind, count - 1};
  }

  int AddPage() {
    editor.OnPageAdd();
    return doc.m_curpage;
  }
};

}  // namespace korvix
