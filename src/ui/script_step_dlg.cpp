#include "ui/script_step_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "ui/dialog_units.h"
#include "ui/latin1.h"
#include "ui/latin1_edits.h"
#include "ui/selector_fields.h"

namespace korvix {

namespace {
constexpr const char* kCaption = "Script Step Properties";
constexpr const char* kHelpTopic = "Function.htm";
constexpr const char* kStepGroup = "Step Function";
constexpr const char* kColoursText = "Using these Colors:";
constexpr const char* kOnText = "on";
constexpr int kMinimumWidthUnits = 230;

// Some prompts name steps in angle brackets, which are no markup.
QLabel* Prompt(std::string_view text, QWidget* parent) {
  auto* label = new QLabel(ToDisplayText(std::string(text)), parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}
}  // namespace

CScriptStepDlg::CScriptStepDlg(QWidget* parent, MessageSink& messages, ColourChooser chooser, int code,
                               const ScriptStepFields& fields, std::string namelist)
    : PropertyDialog(parent, messages, kCaption, kHelpTopic),
      m_code(code),
      m_namelist(std::move(namelist)),
      m_fields(fields),
      m_param1(new Latin1LineEdit(kStepParam1Limit)),
      m_param2(new Latin1LineEdit(kStepParam2Limit)),
      m_color1(new ColourSwatch(chooser)),
      m_color2(new ColourSwatch(chooser)) {
  static constexpr ScriptStepSetup kUnknown{};
  const ScriptStepSetup* found = FindScriptStepSetup(code);
  const ScriptStepSetup& setup = found ? *found : kUnknown;

  auto* group = new QGroupBox(kStepGroup, this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(Prompt(setup.prompt1, group), 0, 0);
  grid->addWidget(m_param1, 0, 1);
  const bool second = !setup.prompt2.empty();
  if (second) {
    grid->addWidget(Prompt(setup.prompt2, group), 1, 0);
    grid->addWidget(m_param2, 1, 1);
  } else {
    // Unused fields still belong to the dialog, so that they go with it.
    m_param2->setParent(group);
    m_param2->hide();
    grid->addWidget(Prompt(setup.help, group), 1, 0, 1, 2);
  }
  m_color1->SetColour(fields.color1);
  m_color2->SetColour(fields.color2);
  m_color1->setEnabled(setup.colours);
  m_color2->setEnabled(setup.colours);
  if (setup.colours) {
    auto* colours = new QHBoxLayout;
    colours->addWidget(new QLabel(kColoursText, group));
    colours->addWidget(m_color1);
    colours->addWidget(new QLabel(kOnText, group));
    colours->addWidget(m_color2);
    colours->addStretch(1);
    grid->addLayout(colours, 2, 0, 1, 2);
  } else {
    m_color1->setParent(group);
    m_color2->setParent(group);
    m_color1->hide();
    m_color2->hide();
  }
  grid->setColumnStretch(1, 1);
  Body()->addWidget(group);
  Body()->addStretch(1);

  m_param1->SetText(fields.param1);
  m_param2->SetText(fields.param2);
  m_param1->setEnabled(!setup.firstdisabled);
  if (setup.selector != StepDlgField::None) {
    Latin1LineEdit* field = setup.selector == StepDlgField::First ? m_param1 : m_param2;
    const std::string selectorgroup(setup.group);
    AddFocusSelector(field, [this, selectorgroup] { return ChooseTargetLabel(this, m_namelist, selectorgroup); });
  }
  setMinimumWidth(DialogUnitsX(this, kMinimumWidthUnits));
}

void CScriptStepDlg::OnOK() {
  OkButton()->setFocus(Qt::OtherFocusReason);
  ScriptStepFields fields{m_param1->Text(), m_param2->Text(), m_color1->Colour(), m_color2->Colour()};
  const std::optional<StepDlgField> refused = CheckScriptStepFields(Messages(), m_code, fields, m_namelist);
  m_param1->SetText(fields.param1);
  m_param2->SetText(fields.param2);
  if (refused) {
    FocusField(*refused == StepDlgField::Second ? m_param2 : m_param1, true);
    return;
  }
  m_fields = fields;
  EndOk();
}

}  // namespace korvix
