#pragma once

#include <string>

#include "ui/property_dialog.h"

namespace korvix {

class Latin1TextEdit;

// "Script Conditional Properties": the expression of an IF, Else IF or
// Exit Loop IF step, under the text that explains when it holds.
class CScriptConditionalDlg final : public PropertyDialog {
  Q_OBJECT

public:
  CScriptConditionalDlg(QWidget* parent, MessageSink& messages, const std::string& explain,
                        const std::string& expression, std::string namelist);

  // Normalised and checked, after OK.
  const std::string& Expression() const { return m_expression; }

  Latin1TextEdit* ExpressionField() const { return m_edit; }

protected:
  void OnOK() override;

private:
  std::string m_expression;
  std::string m_namelist;
  Latin1TextEdit* m_edit;
};

}  // namespace korvix
