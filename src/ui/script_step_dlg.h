#pragma once

#include <string>

#include "automationedit/script_step_properties.h"
#include "ui/colour_swatch.h"
#include "ui/property_dialog.h"

namespace korvix {

class Latin1LineEdit;

// "Script Step Properties": one or two fields of a step, laid out, checked
// and offered a selector by the step's code; the two colours of Show
// Message. "Delete" sets m_delete and closes as Cancel does, without a
// question.
class CScriptStepDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CScriptStepDlg(QWidget* parent, MessageSink& messages, ColourChooser chooser, int code,
                 const ScriptStepFields& fields, std::string namelist);

  // The fields as checked, after OK.
  ScriptStepFields Fields() const { return m_fields; }

  Latin1LineEdit* FirstField() const { return m_param1; }
  Latin1LineEdit* SecondField() const { return m_param2; }
  ColourSwatch* FirstColour() const { return m_color1; }

protected:
  void OnOK() override;

private:
  int m_code;
  std::string m_namelist;
  ScriptStepFields m_fields;
  Latin1LineEdit* m_param1;
  Latin1LineEdit* m_param2;
  ColourSwatch* m_color1;
  ColourSwatch* m_color2;
};

}  // namespace korvix
