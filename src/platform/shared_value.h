#pragma once

#include <atomic>

namespace korvix {

// A plain value that a worker thread and the user-interface thread both
// touch without a lock. Copies take a snapshot, so what holds one stays
// copyable and movable.
template <class T>
class SharedValue {
public:
  SharedValue(T value = T{}) : m_value(value) {}
  SharedValue(const SharedValue& other) : m_value(other.Get()) {}
  SharedValue& operator=(const SharedValue& other) {
    Set(other.Get());
    return *this;
  }
  SharedValue& operator=(T value) {
    Set(value);
    return *this;
  }

  T Get() const { return m_value.load(); }
  void Set(T value) { m_value.store(value); }
  operator T() const { return Get(); }

private:
  std::atomic<T> m_value;
};

}  // namespace korvix
