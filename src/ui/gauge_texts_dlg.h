#pragma once

#include <string>

#include "properties/entry_report.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"
#include "ui/value_groups.h"

class QGroupBox;
class QVBoxLayout;

namespace korvix {

// The dialogs of the displays that draw a polled value on a face (the scale
// gauges, the Dual Hand Gauge, the Wind Vane): "Screen Text" and
// "Communications" in the left column, the kind's "Configuration" on the
// right, and, for the kinds that convert the value, "Data Conversion" in
// between. The columns are built left to right, so the tab order follows
// them.
class GaugeTextsDlg : public PropertyDialog {
  Q_OBJECT

public:
  GaugeTextControls m_texts;

protected:
  GaugeTextsDlg(QWidget* parent, MessageSink& messages, const char* caption, const char* helptopic,
                const ColourChooser& chooser, const GaugeTextFields& texts, std::string namelist);

  // The Data Conversion column; its formula opens the Math Conversion
  // dialog on the ID Label.
  QVBoxLayout* NewConversionColumn(const ConversionFields& fields, ConversionControls& controls);
  // The columns side by side, `middle` (if any) between the texts and
  // `configuration`. `edits` are the fields beyond the texts that a check
  // can refuse.
  void LayOut(QVBoxLayout* middle, QGroupBox* configuration, const ValueFieldEdits& edits);

  const std::string& NameList() const { return m_namelist; }

  // Closes the dialog on a passed check, or puts the focus back on the
  // refused field.
  void EndOrRefocus(const OkCheck<ValueField>& check);

private:
  std::string m_namelist;
  QVBoxLayout* m_left;
  ValueFieldEdits m_edits;
};

// The conversion's fields that a check can refuse, by their edits.
ValueFieldEdits ConversionEdits(const ConversionControls& conversion);

}  // namespace korvix
