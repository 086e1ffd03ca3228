#pragma once

#include <string>

#include "properties/control_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QSlider;

namespace korvix {

class Latin1LineEdit;

// "Rocker Switch Properties": how the switch starts, what each half sends
// and within which limits, and to whom replies and values go.
class CRockerSwitchDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CRockerSwitchDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const std::string& namelist,
                   const RockerSwitchFields& fields);

  // The fields as the controls hold them.
  RockerSwitchFields Fields() const;

  Latin1LineEdit* m_title;
  QComboBox* m_fontsize;
  ColourSwatch* m_textcolor;
  QButtonGroup* m_initmode;
  Latin1LineEdit* m_startvalue;
  Latin1LineEdit* m_getcommand;
  QComboBox* m_valuetype;
  QCheckBox* m_responseexpected;
  QSlider* m_repeatrate;
  Latin1LineEdit* m_responseto;
  Latin1LineEdit* m_sendvalueto;
  QButtonGroup* m_upstep;
  Latin1LineEdit* m_uplimit;
  Latin1LineEdit* m_upprefix;
  QButtonGroup* m_downstep;
  Latin1LineEdit* m_downlimit;
  Latin1LineEdit* m_downprefix;
  QCheckBox* m_rollover;

private:
  void OnOK() override;
  // Only the fields that the chosen start and the response setting use can
  // be edited.
  void EnableControls();
  Latin1LineEdit* FieldEdit(RockerSwitchField field) const;
};

}  // namespace korvix
