#pragma once

#include <array>
#include <string>
#include <string_view>

#include "properties/property_choices.h"

namespace korvix {

// The edit fields of the value displays' dialogs (Data Window, the gauges,
// the Wind Vane), which their OK checks name to put the focus back.
enum class ValueField {
  Prefix,
  Suffix,
  Title,
  IdLabel,
  PollCommand,
  OutputLabel,
  Multiplier,
  Offset,
  LookupTable,
  Formula,
  HighTrip,
  LowTrip,
  ScaleEnd,
  ScaleStart,
  WarnLevel,
  FullData,
  ZeroData,
};

// The Data Conversion group: how a received text becomes the shown value.
// Bases are combo indexes, -1 for a stored base no entry shows.
struct ConversionFields {
  int inputbase = -1;
  int outputbase = -1;
  std::string multiplier;
  std::string offset;
  std::string lookuptable;
  std::string formula;
};

// "Dec", "Hex", "Bin".
constexpr std::array<const char*, 3> kBaseNames = {"Dec", "Hex", "Bin"};
int BaseIndex(int base);
int BaseFromIndex(int index, int current);

// "Screen Text" and "Communications" of the gauges, the Dual Hand Gauge and
// the Wind Vane: title, size and colour; ID Label, polling command and the
// object that each value is sent on to. The font size is a combo index, -1
// for a size no entry shows.
struct GaugeTextFields {
  std::string title;
  int fontsize = -1;
  int gaugecolor = 0;
  std::string idlabel;
  std::string pollcommand;
  std::string outputlabel;
};

template <class Record>
GaugeTextFields LoadGaugeTexts(const Record& record) {
  return {record.title,      FontSizeIndex(record.sizecode), record.gaugecolor, record.idlabel, record.pollcommand,
          record.outputlabel};
}

template <class Record>
void StoreGaugeTexts(const GaugeTextFields& fields, Record& record) {
  record.title = fields.title;
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.gaugecolor = fields.gaugecolor;
  record.idlabel = fields.idlabel;
  record.pollcommand = fields.pollcommand;
  record.outputlabel = fields.outputlabel;
}

template <class Record>
ConversionFields LoadConversion(const Record& record) {
  ConversionFields fields;
  fields.inputbase = BaseIndex(record.inputbase);
  if constexpr (requires { record.outputbase; }) fields.outputbase = BaseIndex(record.outputbase);
  fields.multiplier = record.multiplier;
  fields.offset = record.offset;
  fields.lookuptable = record.lookuptable;
  fields.formula = record.formula;
  return fields;
}

template <class Record>
void StoreConversion(const ConversionFields& fields, Record& record) {
  record.inputbase = BaseFromIndex(fields.inputbase, record.inputbase);
  if constexpr (requires { record.outputbase; })
    record.outputbase = BaseFromIndex(fields.outputbase, record.outputbase);
  record.multiplier = fields.multiplier;
  record.offset = fields.offset;
  record.lookuptable = fields.lookuptable;
  record.formula = fields.formula;
}

// A scale value as the gauges store it: every blank removed, letters in
// upper case (hexadecimal digits).
std::string ScaleEntry(std::string_view text);

// Every blank removed.
std::string WithoutBlanks(std::string_view text);

}  // namespace korvix
