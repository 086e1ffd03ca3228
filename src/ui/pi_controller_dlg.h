#pragma once

#include <string>

#include "properties/pi_controller_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "PI Controller Properties": the sensor it polls and how its data are
// converted, the Kp/Ki format, and the two correction ranges it sends.
class CPIControllerDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CPIControllerDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const std::string& namelist,
                   const PIControllerFields& fields);

  // The fields as the controls hold them.
  PIControllerFields Fields() const;

  Latin1LineEdit* m_title;
  QComboBox* m_fontsize;
  ColourSwatch* m_textcolor;
  Latin1LineEdit* m_idlabel;
  Latin1LineEdit* m_pollcommand;
  Latin1LineEdit* m_sensorto;
  QComboBox* m_kpkiformat;
  QCheckBox* m_locksettings;
  Latin1LineEdit* m_multiplier;
  Latin1LineEdit* m_offset;
  Latin1LineEdit* m_lookuptable;
  Latin1LineEdit* m_formula;
  Latin1LineEdit* m_posmax;
  Latin1LineEdit* m_posmin;
  Latin1LineEdit* m_posprefix;
  Latin1LineEdit* m_negmax;
  Latin1LineEdit* m_negmin;
  Latin1LineEdit* m_negprefix;

private:
  void OnOK() override;
  Latin1LineEdit* FieldEdit(PIControllerField field) const;

  std::string m_namelist;
};

}  // namespace korvix
