#pragma once

#include <string>

#include "properties/control_properties.h"
#include "ui/value_sender_dlg.h"

class QButtonGroup;
class QCheckBox;
class QSlider;

namespace korvix {

class Latin1LineEdit;

// "Rocker Switch Properties": how the switch starts, what each half sends
// and within which limits, and to whom replies and values go.
class CRockerSwitchDlg final : public ValueSenderDlg {
  Q_OBJECT

public:
  CRockerSwitchDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const std::string& namelist,
                   const RockerSwitchFields& fields);

  // The fields as the controls hold them.
  RockerSwitchFields Fields() const;

  QSlider* m_repeatrate;
  QButtonGroup* m_upstep;
  Latin1LineEdit* m_uplimit;
  Latin1LineEdit* m_upprefix;
  QButtonGroup* m_downstep;
  Latin1LineEdit* m_downlimit;
  Latin1LineEdit* m_downprefix;
  QCheckBox* m_rollover;

private:
  void OnOK() override;
  Latin1LineEdit* FieldEdit(RockerSwitchField field) const;
};

}  // namespace korvix
