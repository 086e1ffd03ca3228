#pragma once

#include <string>

#include "properties/dual_hand_gauge_properties.h"
#include "ui/gauge_texts_dlg.h"

class QCheckBox;
class QComboBox;

namespace korvix {

// "Dual Hand Gauge Properties": title, communications, Data Conversion and
// the dial. The Output base shows "Dec" and cannot change: the hands read
// every value as a decimal number.
class CDualHandGaugeDlg final : public GaugeTextsDlg {
  Q_OBJECT

public:
  CDualHandGaugeDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                    const DualHandGaugeFields& fields, std::string namelist);

  // The fields as the controls hold them.
  DualHandGaugeFields Fields() const;

  ConversionControls m_conversion;
  QComboBox* m_dialfactor;
  QCheckBox* m_showfactor;
  QComboBox* m_submarks;
  QCheckBox* m_showvalues;

private:
  void OnOK() override;
};

}  // namespace korvix
