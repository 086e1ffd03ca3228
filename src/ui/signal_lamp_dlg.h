#pragma once

#include "properties/state_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QSlider;

namespace korvix {

class Latin1LineEdit;

// "Signal Lamp Properties": the lamp's look, the state it resets to, its
// flashing and the module texts that switch it.
class CSignalLampDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CSignalLampDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const SignalLampFields& fields);

  // The fields as the controls hold them.
  SignalLampFields Fields() const;

  Latin1LineEdit* m_title;
  QComboBox* m_fontsize;
  ColourSwatch* m_textcolor;
  Latin1LineEdit* m_idlabel;
  QComboBox* m_lampcolor;
  QButtonGroup* m_resetstate;
  QCheckBox* m_resetonrun;
  QCheckBox* m_manualop;
  QSlider* m_flashrate;
  Latin1LineEdit* m_ontext;
  Latin1LineEdit* m_offtext;
  Latin1LineEdit* m_toggletext;

private:
  void OnOK() override;
  Latin1LineEdit* FieldEdit(StateObjectField field) const;
};

}  // namespace korvix
