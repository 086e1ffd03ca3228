#include "ui/conditional_dlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_units.h"
#include "ui/expression_examples_dlg.h"
#include "ui/help.h"
#include "ui/latin1_edits.h"
#include "ui/property_dialog.h"
#include "ui/script_step_list.h"
#include "ui/selector_fields.h"

namespace korvix {

namespace {
constexpr char kCaption[] = "Conditional Properties";
constexpr char kIdLabelText[] = "ID Label";
constexpr char kExpressionGroup[] = "Conditional Expression";
constexpr char kExamplesText[] = "Expression Examples";
constexpr char kGlobalsText[] = "Global Variables";
constexpr char kLabelsText[] = "Object ID Labels";
constexpr char kScriptGroup[] = "Script to execute if expression is TRUE";
constexpr char kEditScriptText[] = "Edit Script";
constexpr char kCloseText[] = "Close";
constexpr int kStepTabStopUnits = 10;
constexpr int kWidthUnits = 300;
constexpr int kHeightUnits = 230;
}  // namespace

CConditionalDlg::CConditionalDlg(QWidget* mainwindow, MessageSink& messages, const ConditionalFields& fields,
                                 std::string namelist)
    : ModelessEditorDialog(mainwindow),
      m_messages(messages),
      m_namelist(std::move(namelist)),
      m_idlabel(new Latin1LineEdit(kConditionalLabelLimit)),
      m_expression(new Latin1TextEdit),
      m_steps(NewTabbedList(this, kStepTabStopUnits)),
      m_close(new QPushButton(kCloseText)) {
  setWindowTitle(kCaption);
  auto* labelrow = new QHBoxLayout;
  labelrow->addWidget(new QLabel(kIdLabelText));
  labelrow->addWidget(m_idlabel, 1);

  auto* expressiongroup = new QGroupBox(kExpressionGroup);
  auto* expressionrow = new QHBoxLayout(expressiongroup);
  expressionrow->addWidget(m_expression, 1);
  auto* helpers = new QVBoxLayout;
  QPushButton* examples = AddSideButton(kExamplesText, this, helpers);
  QPushButton* globals = AddSideButton(kGlobalsText, this, helpers);
  QPushButton* labels = AddSideButton(kLabelsText, this, helpers);
  helpers->addStretch();
  expressionrow->addLayout(helpers);

  auto* scriptgroup = new QGroupBox(kScriptGroup);
  auto* scriptrow = new QHBoxLayout(scriptgroup);
  m_steps->setSelectionMode(QAbstractItemView::NoSelection);
  scriptrow->addWidget(m_steps, 1);
  auto* scriptbuttons = new QVBoxLayout;
  QPushButton* editscript = AddSideButton(kEditScriptText, this, scriptbuttons);
  scriptbuttons->addStretch();
  scriptrow->addLayout(scriptbuttons);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(labelrow);
  layout->addWidget(expressiongroup, 1);
  layout->addWidget(scriptgroup, 1);
  layout->addWidget(m_close, 0, Qt::AlignRight);

  connect(editscript, &QPushButton::clicked, this, &CConditionalDlg::OnEditScript);
  connect(examples, &QPushButton::clicked, this, &CConditionalDlg::OnExpressionExamples);
  connect(globals, &QPushButton::clicked, this, [this] { ShowGlobalVariables(this, m_close); });
  connect(labels, &QPushButton::clicked, this, &CConditionalDlg::OnObjectIdLabels);
  SetCloseButton(m_close);
  AddHelpKey(this, kConditionalHelpTopic);
  ShowFields(fields);
  resize(DialogUnitsX(this, kWidthUnits), DialogUnitsY(this, kHeightUnits));
}

ConditionalFields CConditionalDlg::Fields() const { return {m_idlabel->Text(), m_expression->Text()}; }

void CConditionalDlg::ShowFields(const ConditionalFields& fields) {
  m_idlabel->SetText(fields.m_idlabel);
  m_expression->SetText(fields.m_expression);
}

void CConditionalDlg::ShowSteps(const std::vector<std::string>& lines) { FillScriptStepList(*m_steps, lines, -1); }

void CConditionalDlg::FocusField(ConditionalField field) {
  if (field == ConditionalField::IdLabel) {
    m_idlabel->setFocus(Qt::OtherFocusReason);
    m_idlabel->selectAll();
  } else {
    m_expression->setFocus(Qt::OtherFocusReason);
  }
}

void CConditionalDlg::FocusClose() { m_close->setFocus(Qt::OtherFocusReason); }

// "Close" and Enter: the checks that need only the fields, each refusal
// putting the focus back on its field.
void CConditionalDlg::accept() {
  ConditionalFields fields = Fields();
  const std::optional<ConditionalField> refused = CheckConditionalFields(m_messages, fields, m_namelist);
  ShowFields(fields);
  if (refused) {
    FocusField(*refused);
    return;
  }
  m_closerequest = 1;
  FocusClose();
}

void CConditionalDlg::OnEditScript() {
  if (const std::optional<ConditionalField> refused = CheckEditScriptFields(m_messages, Fields())) {
    FocusField(*refused);
    return;
  }
  RaiseRequest(m_editscript);
}

void CConditionalDlg::OnExpressionExamples() {
  CExpressionExamplesDlg examples(this);
  examples.exec();
  FocusClose();
}

void CConditionalDlg::OnObjectIdLabels() {
  if (!InsertLabelReference(m_expression, m_namelist)) FocusClose();
}

}  // namespace korvix
