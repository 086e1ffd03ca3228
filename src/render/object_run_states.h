#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "document/capacities.h"
#include "document/kind_traits.h"
#include "document/record_basics.h"
#include "render/chart_memory_books.h"
#include "render/chart_trace_layer.h"

namespace korvix {

// What the view keeps about one screen object while the project is open.
// None of it belongs to the project, so it lives beside the records rather
// than in them, and loading, storing, copying and pasting never carry it.
struct ObjectRunState {
  int selected = 0;
  // The whole-object rectangle as last measured outside a drag; a drag's
  // feedback starts from it.
  Rect screenrect;
};

// An object whose value the live-value server can push to a hot link.
struct LinkedRunState : ObjectRunState {
  int ddelink = 0;
  std::string ddelast;  // the value the link last carried
};

// A gauge that repaints only its moving part when its value changes.
struct NeedleRunState : LinkedRunState {
  std::string uneditedtext = "0";  // the value text as last drawn
};

// A Chart Recorder while shown and run: the books of its samples, the
// cursor texts and readout rectangles of its last drawing, its buttons'
// pressed looks and the stamps of its scans and presses.
struct ChartRecorderRunState : ObjectRunState, ChartMemoryBooks {
  std::string prevcursor1;
  std::string prevcursor2;
  Rect daterect;
  Rect timerect;
  Rect timedivrect;
  Rect cursor1textrect;
  Rect cursor2textrect;
  Rect deltatextrect;
  Rect plotrect;
  // The Unit/Div and Position value boxes of each data field's card.
  std::array<Rect, kMaxChartRecorderFields> unitdivboxes{};
  std::array<Rect, kMaxChartRecorderFields> positionboxes{};
  int presstime = 0;
  int lastscan = 0;
  int lastfollow = 0;
  int redrawtraces = 0;
  // The operator moved the shown window, so the newest sample no longer
  // pulls it along.
  int windowheld = 0;
  int tostartpressed = 0;
  int toendpressed = 0;
  int stepbackpressed = 0;
  int stepforwardpressed = 0;
  int cursor1downpressed = 0;
  int cursor1uppressed = 0;
  int cursor2downpressed = 0;
  int cursor2uppressed = 0;
  int timedivdownpressed = 0;
  int timedivuppressed = 0;
  int printpressed = 0;
  int running = 0;
  // The trace area as the screen last showed it.
  ChartTraceLayer traces;
};

// What a Variable carries at run time beside its record.
struct VariableRunState {
  int timerstart = 0;
  int timerelapsed = 0;
  int ddelink = 0;
  std::string ddelast;
};

template <ScreenObjectKind K>
using RunStateOf =
    std::conditional_t<K == ScreenObjectKind::ChartRecorder, ChartRecorderRunState,
                       std::conditional_t<KindTraits<K>::kNeedle, NeedleRunState,
                                          std::conditional_t<KindTraits<K>::kLinked, LinkedRunState, ObjectRunState>>>;

static_assert(
    [] {
      bool linked = true;
      ForEachKind([&](auto tag) {
        using Traits = KindTraits<decltype(tag)::value>;
        linked = linked && (!Traits::kNeedle || Traits::kLinked);
      });
      return linked;
    }(),
    "a needle kind's state is a linked one");

// One state per record of a list, by the record's index. It grows as its
// list does, so a record added anywhere starts with a fresh state; a removal
// must be passed on so the later records keep theirs. Growing never moves
// the states already made, so one held while a later record's state is
// first asked for stays valid.
template <class State>
class RunStateList {
public:
  State& operator[](int index) {
    const auto at = static_cast<std::size_t>(index);
    if (at >= m_states.size()) m_states.resize(at + 1);
    return m_states[at];
  }

  void Remove(int index) {
    if (index >= 0 && index < static_cast<int>(m_states.size())) m_states.erase(m_states.begin() + index);
  }

  void Clear() { m_states.clear(); }

  auto begin() { return m_states.begin(); }
  auto end() { return m_states.end(); }

private:
  std::deque<State> m_states;
};

using VariableRunStates = RunStateList<VariableRunState>;

// The view's run-time states of every screen object and Variable, one list
// beside each record list of the project.
class ObjectRunStates {
public:
  template <ScreenObjectKind K>
  RunStateList<RunStateOf<K>>& Of() {
    return std::get<static_cast<std::size_t>(K)>(m_objects);
  }

  // The state every kind shares.
  ObjectRunState& At(ScreenObjectKind kind, int index);
  // The value text last drawn, for the kinds that keep it; null otherwise.
  std::string* DrawnValue(ScreenObjectKind kind, int index);

  VariableRunStates& Variables() { return m_variables; }
  RunStateList<ChartRecorderRunState>& ChartRecorders() { return Of<ScreenObjectKind::ChartRecorder>(); }

  // The object's state goes with it, so the later objects keep theirs.
  void Remove(ScreenObjectKind kind, int index);
  // Every object and Variable afresh, as after a project is opened.
  void Clear();

private:
  template <std::size_t... I>
  static auto ListsOf(std::index_sequence<I...>)
      -> std::tuple<RunStateList<RunStateOf<static_cast<ScreenObjectKind>(I)>>...>;

  template <class Visit>
  void VisitList(ScreenObjectKind kind, Visit&& visit);

  decltype(ListsOf(std::make_index_sequence<kObjectKindCount>{})) m_objects;
  VariableRunStates m_variables;
};

}  // namespace korvix
