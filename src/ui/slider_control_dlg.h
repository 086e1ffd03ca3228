#pragma once

#include <string>

#include "properties/control_properties.h"
#include "ui/value_sender_dlg.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Slider Control Properties": how the slider starts, its ends and scale,
// what it sends when moved, and to whom replies and values go.
class CSliderControlDlg final : public ValueSenderDlg {
  Q_OBJECT

public:
  CSliderControlDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const std::string& namelist,
                    const SliderControlFields& fields);

  // The fields as the controls hold them.
  SliderControlFields Fields() const;

  QCheckBox* m_continuoussend;
  QComboBox* m_tickmarks;
  QCheckBox* m_showvalues;
  Latin1LineEdit* m_topvalue;
  Latin1LineEdit* m_bottomvalue;
  Latin1LineEdit* m_sendprefix;

private:
  void OnOK() override;
  Latin1LineEdit* FieldEdit(SliderControlField field) const;
};

}  // namespace korvix
