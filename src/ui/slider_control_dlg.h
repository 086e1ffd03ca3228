#pragma once

#include <string>

#include "properties/control_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Slider Control Properties": how the slider starts, its ends and scale,
// what it sends when moved, and to whom replies and values go.
class CSliderControlDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CSliderControlDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser, const std::string& namelist,
                    const SliderControlFields& fields);

  // The fields as the controls hold them.
  SliderControlFields Fields() const;

  Latin1LineEdit* m_title;
  QComboBox* m_fontsize;
  ColourSwatch* m_textcolor;
  QButtonGroup* m_initmode;
  Latin1LineEdit* m_startvalue;
  Latin1LineEdit* m_getcommand;
  QComboBox* m_valuetype;
  QCheckBox* m_responseexpected;
  QCheckBox* m_continuoussend;
  Latin1LineEdit* m_responseto;
  Latin1LineEdit* m_sendvalueto;
  QComboBox* m_tickmarks;
  QCheckBox* m_showvalues;
  Latin1LineEdit* m_topvalue;
  Latin1LineEdit* m_bottomvalue;
  Latin1LineEdit* m_sendprefix;

private:
  void OnOK() override;
  // Only the fields that the chosen start and the response setting use can
  // be edited.
  void EnableControls();
  Latin1LineEdit* FieldEdit(SliderControlField field) const;
};

}  // namespace korvix
