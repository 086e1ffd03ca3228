#pragma once

#include "properties/input_window_properties.h"
#include "ui/action_slot_widget.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Input Window Properties": the title and its look, the ID Label, the
// keypad, the reset value, and the action run when a new value is entered.
class CInputWindowDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CInputWindowDlg(QWidget* parent, const ColourChooser& chooser, const InputWindowFields& fields,
                  ActionSlotServices services);

  InputWindowFields Fields() const;

  Latin1LineEdit* m_title;
  QComboBox* m_fontsize;
  ColourSwatch* m_inputcolor;
  QComboBox* m_titlewidth;
  Latin1LineEdit* m_idlabel;
  QComboBox* m_keypad;
  Latin1LineEdit* m_resetvalue;
  QCheckBox* m_resetonrun;
  ActionSlotWidget* m_slot;

private:
  void OnOK() override;
  QWidget* FieldEdit(InputWindowField field) const;

  std::string m_namelist;
};

}  // namespace korvix
