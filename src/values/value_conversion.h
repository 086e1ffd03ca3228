#pragma once

#include "values/value_refresh.h"

namespace korvix {

// The fields of a polled object that turn a value into its shown text;
// kinds that lack a field keep its default.
template <class Record>
ValueConversion ConversionOf(const Record& r) {
  ValueConversion c;
  if constexpr (requires { r.inputbase; }) c.inputbase = r.inputbase;
  if constexpr (requires { r.outputbase; }) c.outputbase = r.outputbase;
  if constexpr (requires { r.multiplier; }) c.multiplier = r.multiplier;
  if constexpr (requires { r.offset; }) c.offset = r.offset;
  if constexpr (requires { r.lookuptable; }) c.lookuptable = r.lookuptable;
  if constexpr (requires { r.formula; }) c.formula = r.formula;
  c.address = ModuleAddressOf(r.pollcommand);
  return c;
}

// Where an object hands its value on: a gauge's or Wind Vane's output label,
// a PI-Controller's sensor target; empty for the other kinds.
template <class Record>
const std::string& ForwardLabelOf(const Record& r) {
  static const std::string none;
  if constexpr (requires { r.outputlabel; }) {
    return r.outputlabel;
  } else if constexpr (requires { r.sensorto; }) {
    return r.sensorto;
  } else {
    return none;
  }
}

}  // namespace korvix
