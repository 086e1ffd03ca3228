#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/korvix_doc.h"

namespace korvix {

// The record lists that bear ID Labels, with a Pivot Tracker's four texts
// as four lists of their own.
enum class LabelledKind {
  Variable,
  DataWindow,
  TextWindow,
  InputWindow,
  LevelGauge,
  DialGauge,
  MeterGauge,
  VerticalGauge,
  HorizontalGauge,
  DualHandGauge,
  WindVane,
  PivotTracker,
  PivotRun,
  PivotWater,
  PivotSis,
  SignalLamp,
  EventCounter,
  EventTimer,
  ButtonArray,
  PIController,
};
constexpr int kLabelledKinds = 20;

// Which records bear a label, so that reading and delivering need not compare
// every label of the project. Built while the Run-Loop runs, when labels do
// not change; a list whose count moved makes it stale, and every record it
// names is checked against the label again before use.
class LabelIndex {
public:
  using Records = std::array<std::vector<int>, kLabelledKinds>;

  void Build(const CKorvixDoc& doc);
  void Drop() { m_built = false; }
  // False when the index is not built or the document's lists changed size.
  bool Usable(const CKorvixDoc& doc) const;
  // The records of each kind with the label, in array order; null when none.
  const Records* Find(std::string_view label) const;

  // The label with every blank removed and ASCII letters in upper case.
  static std::string Key(std::string_view label);

private:
  static std::array<int, kLabelledKinds> Counts(const CKorvixDoc& doc);

  bool m_built = false;
  std::array<int, kLabelledKinds> m_counts{};
  std::unordered_map<std::string, Records> m_records;
};

}  // namespace korvix
