#pragma once

#include <array>
#include <map>
#include <string>

#include "properties/value_fields.h"
#include "ui/colour_swatch.h"

class QComboBox;
class QFormLayout;
class QGroupBox;
class QWidget;

namespace korvix {

class Latin1LineEdit;

// The groups of controls that the value displays' dialogs share, and the
// way their OK checks find a field again.

// "Data Conversion": the bases, Multiplier, Offset, Lookup Table and Math
// Formula.
struct ConversionControls {
  QComboBox* inputbase = nullptr;
  QComboBox* outputbase = nullptr;
  Latin1LineEdit* multiplier = nullptr;
  Latin1LineEdit* offset = nullptr;
  Latin1LineEdit* lookuptable = nullptr;
  Latin1LineEdit* formula = nullptr;

  ConversionFields Fields() const;
  void ShowTexts(const ConversionFields& fields);
};
QGroupBox* AddConversionGroup(QWidget* parent, const ConversionFields& fields, ConversionControls& controls);

// "Screen Text" and "Communications" of the gauges, the Dual Hand Gauge and
// the Wind Vane.
struct GaugeTextControls {
  Latin1LineEdit* title = nullptr;
  QComboBox* fontsize = nullptr;
  ColourSwatch* gaugecolor = nullptr;
  Latin1LineEdit* idlabel = nullptr;
  Latin1LineEdit* pollcommand = nullptr;
  Latin1LineEdit* outputlabel = nullptr;
};
QGroupBox* AddGaugeScreenTextGroup(QWidget* parent, const ColourChooser& chooser, const GaugeTextFields& texts,
                                   GaugeTextControls& controls);
QGroupBox* AddGaugeCommunicationsGroup(QWidget* parent, const GaugeTextFields& texts, GaugeTextControls& controls);
GaugeTextFields ReadGaugeTexts(const GaugeTextControls& controls);
void ShowGaugeTexts(const GaugeTextControls& controls, const GaugeTextFields& texts);

// An edit wide enough to show a label, a command or a formula.
Latin1LineEdit* WideEdit(int limit, QWidget* parent);

// A narrow edit for a number of up to `limit` characters.
Latin1LineEdit* NumberEdit(int limit, QWidget* parent);

// "None" and then the numbers `first` to `last`; index -1 shows none.
QComboBox* CountCombo(QWidget* parent, int first, int last, int index);
// The entries `names`; index -1 shows none.
QComboBox* NamesCombo(QWidget* parent, const char* const* names, int count, int index);
template <std::size_t N>
QComboBox* NamesCombo(QWidget* parent, const std::array<const char*, N>& names, int index) {
  return NamesCombo(parent, names.data(), static_cast<int>(N), index);
}

// Sub Marks offered only where the tick marks leave room for them.
void FollowTickMarks(QComboBox* tickmarks, QComboBox* submarks);

// The edit of each field a check can refuse.
using ValueFieldEdits = std::map<ValueField, Latin1LineEdit*>;

}  // namespace korvix
