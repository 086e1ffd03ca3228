#pragma once

#include "properties/push_button_properties.h"
#include "ui/action_slot_widget.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Push Button Properties": the caption and the functions run when the
// button is pressed and when it is released, each with its own slot.
class CPushButtonDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CPushButtonDlg(QWidget* parent, const ColourChooser& chooser, const PushButtonFields& fields,
                 const ActionSlotServices& services);

  PushButtonFields Fields() const;

  Latin1LineEdit* m_title;
  QComboBox* m_fontsize;
  ColourSwatch* m_textcolor;
  ActionSlotWidget* m_press;
  QCheckBox* m_pressholds;
  ActionSlotWidget* m_release;
  QCheckBox* m_releaseholds;

private:
  void OnOK() override;
  QWidget* FieldEdit(PushButtonField field) const;

  std::string m_namelist;
};

}  // namespace korvix
