#pragma once

#include <string>

#include "properties/wind_vane_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"
#include "ui/value_groups.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Wind Vane Properties": title, communications, the values that mean a
// full turn and north, and the compass face's marks and labels.
class CWindVaneDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CWindVaneDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const WindVaneFields& fields,
               std::string namelist);

  // The fields as the controls hold them.
  WindVaneFields Fields() const;

  GaugeTextControls m_texts;
  Latin1LineEdit* m_fulldata;
  Latin1LineEdit* m_zerodata;
  QComboBox* m_tickmarks;
  QComboBox* m_submarks;
  QCheckBox* m_showlabels;

private:
  void OnOK() override;
  void OnTickMarksChanged();

  std::string m_namelist;
  ValueFieldEdits m_edits;
};

}  // namespace korvix
