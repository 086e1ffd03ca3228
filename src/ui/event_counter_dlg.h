#pragma once

#include "properties/state_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Event Counter Properties": the counter's look, its reset value and
// buttons, and the module texts that count it.
class CEventCounterDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CEventCounterDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                   const EventCounterFields& fields);

  // The fields as the controls hold them.
  EventCounterFields Fields() const;

  Latin1LineEdit* m_title;
  QComboBox* m_fontsize;
  ColourSwatch* m_textcolor;
  QComboBox* m_titlewidth;
  Latin1LineEdit* m_idlabel;
  Latin1LineEdit* m_resetvalue;
  QCheckBox* m_resetonrun;
  QCheckBox* m_manualbuttons;
  Latin1LineEdit* m_inctext;
  Latin1LineEdit* m_dectext;
  Latin1LineEdit* m_resettext;

private:
  void OnOK() override;
  Latin1LineEdit* FieldEdit(StateObjectField field) const;
};

}  // namespace korvix
