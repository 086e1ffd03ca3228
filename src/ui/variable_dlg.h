#pragma once

#include "automationedit/variable_properties.h"
#include "ui/property_dialog.h"

class QCheckBox;
class QComboBox;

namespace korvix {

class Latin1LineEdit;

// "Variable Properties": one Variable's label, format, decimals and reset.
class CVariableDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CVariableDlg(QWidget* parent, MessageSink& messages, const CKorvixDoc& doc, int index, const VariableFields& fields);

  VariableFields Fields() const;

  Latin1LineEdit* IdLabelEdit() const { return m_idlabel; }
  QComboBox* FormatCombo() const { return m_formatsel; }
  QComboBox* DecimalsCombo() const { return m_decimalsel; }

protected:
  void OnOK() override;

private:
  void OnFormatChanged(int format);

  const CKorvixDoc& m_doc;
  int m_index;
  Latin1LineEdit* m_idlabel;
  QComboBox* m_formatsel;
  QComboBox* m_decimalsel;
  QCheckBox* m_resetonrun;
};

}  // namespace korvix
