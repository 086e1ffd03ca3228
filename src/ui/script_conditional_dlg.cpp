#include "ui/script_conditional_dlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "automationedit/script_step_properties.h"
#include "ui/dialog_units.h"
#include "ui/expression_examples_dlg.h"
#include "ui/latin1.h"
#include "ui/latin1_edits.h"
#include "ui/selector_fields.h"

namespace korvix {

namespace {
constexpr const char* kCaption = "Script Conditional Properties";
constexpr const char* kHelpTopic = "Function.htm";
constexpr const char* kExpressionGroup = "Type in an expression to be evaluated:";
constexpr const char* kExamplesText = "Expression Examples";
constexpr const char* kGlobalsText = "Global Variables";
constexpr const char* kLabelsText = "Object ID Labels";
constexpr int kFieldWidthUnits = 260;
constexpr int kFieldHeightUnits = 60;
}  // namespace

CScriptConditionalDlg::CScriptConditionalDlg(QWidget* parent, MessageSink& messages, const std::string& explain,
                                             const std::string& expression, std::string namelist)
    : PropertyDialog(parent, messages, kCaption, kHelpTopic),
      m_expression(expression),
      m_namelist(std::move(namelist)),
      m_edit(new Latin1TextEdit) {
  DeleteButton()->hide();
  Body()->addWidget(new QLabel(ToDisplayText(explain), this));
  auto* group = new QGroupBox(kExpressionGroup, this);
  auto* column = new QVBoxLayout(group);
  m_edit->SetText(expression);
  m_edit->setMinimumSize(DialogUnitsX(this, kFieldWidthUnits), DialogUnitsY(this, kFieldHeightUnits));
  column->addWidget(m_edit);
  Body()->addWidget(group, 1);
  auto* row = new QHBoxLayout;
  QPushButton* examples = AddSideButton(kExamplesText, this, row);
  QPushButton* globals = AddSideButton(kGlobalsText, this, row);
  QPushButton* labels = AddSideButton(kLabelsText, this, row);
  row->addStretch(1);
  Body()->addLayout(row);
  connect(examples, &QPushButton::clicked, this, [this] {
    CExpressionExamplesDlg(this).exec();
    OkButton()->setFocus();
  });
  connect(globals, &QPushButton::clicked, this, [this] { ShowGlobalVariables(this, OkButton()); });
  connect(labels, &QPushButton::clicked, this, [this] { InsertLabelReference(m_edit, m_namelist); });
}

void CScriptConditionalDlg::OnOK() {
  std::string expression = m_edit->Text();
  const bool accepted = CheckScriptConditionalText(Messages(), expression, m_namelist);
  m_edit->SetText(expression);
  if (!accepted) {
    FocusField(m_edit);
    return;
  }
  m_expression = expression;
  EndOk();
}

}  // namespace korvix
