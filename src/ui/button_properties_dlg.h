#pragma once

#include "properties/button_array_properties.h"
#include "ui/action_slot_widget.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

namespace korvix {

class Latin1LineEdit;

// "Button Properties": one sub button of a Button Array, its caption and
// its action, waits included.
class CButtonPropertiesDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CButtonPropertiesDlg(QWidget* parent, const ColourChooser& chooser, const ArrayButtonFields& fields,
                       const ActionSlotServices& services);

  ArrayButtonFields Fields() const;

  Latin1LineEdit* m_title;
  ColourSwatch* m_textcolor;
  ActionSlotWidget* m_slot;

private:
  void OnOK() override;

  std::string m_namelist;
};

}  // namespace korvix
