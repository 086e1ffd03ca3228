#include "render/object_run_states.h"

namespace korvix {

template <class Visit>
void ObjectRunStates::VisitList(ScreenObjectKind kind, Visit&& visit) {
  std::size_t k = 0;
  std::apply([&](auto&... lists) { ((k++ == static_cast<std::size_t>(kind) ? visit(lists) : void()), ...); },
             m_objects);
}

ObjectRunState& ObjectRunStates::At(ScreenObjectKind kind, int index) {
  ObjectRunState* state = nullptr;
  VisitList(kind, [&](auto& list) { state = &list[index]; });
  return *state;
}

std::string* ObjectRunStates::DrawnValue(ScreenObjectKind kind, int index) {
  std::string* drawn = nullptr;
  VisitList(kind, [&](auto& list) {
    if constexpr (requires { list[index].uneditedtext; }) drawn = &list[index].uneditedtext;
  });
  return drawn;
}

void ObjectRunStates::Remove(ScreenObjectKind kind, int index) {
  VisitList(kind, [&](auto& list) { list.Remove(index); });
}

void ObjectRunStates::Clear() {
  std::apply([](auto&... lists) { (lists.Clear(), ...); }, m_objects);
  m_variables.Clear();
}

}  // namespace korvix
