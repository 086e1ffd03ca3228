#pragma once

#include <string>

#include "properties/wind_vane_properties.h"
#include "ui/gauge_texts_dlg.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Wind Vane Properties": title, communications, the values that mean a
// full turn and north, and the compass face's marks and labels.
class CWindVaneDlg final : public GaugeTextsDlg {
  Q_OBJECT

public:
  CWindVaneDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const WindVaneFields& fields,
               std::string namelist);

  // The fields as the controls hold them.
  WindVaneFields Fields() const;

  Latin1LineEdit* m_fulldata;
  Latin1LineEdit* m_zerodata;
  QComboBox* m_tickmarks;
  QComboBox* m_submarks;
  QCheckBox* m_showlabels;

private:
  void OnOK() override;
};

}  // namespace korvix
