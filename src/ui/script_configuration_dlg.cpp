#include "ui/script_configuration_dlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "automationedit/script_configuration.h"
#include "automationedit/step_palette.h"
#include "platform/profile.h"
#include "ui/dialog_units.h"
#include "ui/help.h"
#include "ui/latin1.h"
#include "ui/latin1_edits.h"
#include "ui/script_step_list.h"

namespace korvix {

namespace {
constexpr char kCaption[] = "Script Configuration";
constexpr char kHelpPage[] = "Script.htm";
constexpr char kPaletteGroup[] = "Available Functions";
constexpr char kStepListGroup[] = "Step List";
constexpr char kIdLabelText[] = "ID Label";
constexpr char kModifyGroup[] = "Modify";
constexpr char kAddStepText[] = "Add Step";
constexpr char kEditStepText[] = "Edit Step";
constexpr char kDeleteStepText[] = "Delete Step";
constexpr char kCopyStepText[] = "Copy Step";
constexpr char kPasteStepText[] = "Paste Step";
constexpr char kMoveUpText[] = "Move Up";
constexpr char kMoveDownText[] = "Move Down";
constexpr char kVariablesText[] = "Variables";
constexpr char kCloseText[] = "Close";
constexpr const char* kDimensionsSection = "ScriptViewDimensions";
constexpr const char* kWidthKey = "Width";
constexpr const char* kHeightKey = "Height";
constexpr int kIdLabelLimit = 70;
constexpr int kPaletteTabUnits = 5;
constexpr int kPaletteWidthUnits = 120;
constexpr int kStepListWidthUnits = 120;
constexpr int kStepListTabUnits = 10;
constexpr int kMinimumWidthPercent = 80;
}  // namespace

CScriptConfigurationDlg::CScriptConfigurationDlg(QWidget* mainwindow, Profile& profile, const std::string& idlabel,
                                                 bool actionscript)
    : ModelessEditorDialog(mainwindow),
      m_profile(profile),
      m_actionscript(actionscript),
      m_palette(NewTabbedList(this, kPaletteTabUnits)),
      m_steplist(NewTabbedList(this, kStepListTabUnits)),
      m_idlabel(new Latin1LineEdit(kIdLabelLimit)),
      m_addbutton(new QPushButton(kAddStepText)),
      m_editbutton(new QPushButton(kEditStepText)),
      m_deletebutton(new QPushButton(kDeleteStepText)),
      m_copybutton(new QPushButton(kCopyStepText)),
      m_pastebutton(new QPushButton(kPasteStepText)),
      m_upbutton(new QPushButton(kMoveUpText)),
      m_downbutton(new QPushButton(kMoveDownText)) {
  setWindowTitle(kCaption);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setSizeGripEnabled(true);

  auto* palettegroup = new QGroupBox(kPaletteGroup);
  (new QVBoxLayout(palettegroup))->addWidget(m_palette);
  for (const std::string& line : StepPaletteLines()) m_palette->addItem(ToQString(line));
  m_palette->setFixedWidth(DialogUnitsX(this, kPaletteWidthUnits));
  m_palette->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* stepgroup = new QGroupBox(kStepListGroup);
  (new QVBoxLayout(stepgroup))->addWidget(m_steplist);
  m_steplist->setMinimumWidth(DialogUnitsX(this, kStepListWidthUnits));

  auto* side = new QVBoxLayout;
  side->addWidget(new QLabel(kIdLabelText));
  m_idlabel->SetText(idlabel);
  side->addWidget(m_idlabel);
  auto* modify = new QGroupBox(kModifyGroup);
  auto* buttons = new QVBoxLayout(modify);
  for (QPushButton* button :
       {m_addbutton, m_editbutton, m_deletebutton, m_copybutton, m_pastebutton, m_upbutton, m_downbutton})
    buttons->addWidget(button);
  side->addWidget(modify);
  auto* variables = new QPushButton(kVariablesText);
  side->addWidget(variables);
  side->addStretch(1);
  auto* close = new QPushButton(kCloseText);
  side->addWidget(close);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(palettegroup);
  layout->addWidget(stepgroup, 1);
  layout->addLayout(side);

  ConnectRequest(m_addbutton, m_addstep);
  ConnectRequest(m_editbutton, m_editstep);
  ConnectRequest(m_deletebutton, m_deletestep);
  ConnectRequest(m_copybutton, m_copystep);
  ConnectRequest(m_pastebutton, m_pastestep);
  // Moving a step up or down is often repeated: the button keeps the focus.
  ConnectRequest(m_upbutton, m_moveup, FocusAfter::Stay);
  ConnectRequest(m_downbutton, m_movedown, FocusAfter::Stay);
  ConnectRequest(variables, m_variables);
  connect(m_palette, &QListWidget::itemDoubleClicked, this, [this] {
    if (ScriptConfigurationEditor::CanAddStep(PaletteLine())) RaiseRequest(m_addstep);
  });
  connect(m_steplist, &QListWidget::itemDoubleClicked, this, [this] {
    if (m_editbutton->isEnabled()) RaiseRequest(m_editstep);
  });
  SetCloseButton(close, &m_closerequest);
  AddHelpKey(this, kHelpPage);

  if (m_actionscript) m_idlabel->setEnabled(false);
  resize(m_profile.GetProfileInt(kDimensionsSection, kWidthKey, sizeHint().width()),
         m_profile.GetProfileInt(kDimensionsSection, kHeightKey, sizeHint().height()));
}

CScriptConfigurationDlg::~CScriptConfigurationDlg() { DestroyWindow(); }

void CScriptConfigurationDlg::Open() {
  ShowEditor();
  setMinimumSize(width() * kMinimumWidthPercent / 100, height());
  if (m_actionscript) m_steplist->setFocus();
}

void CScriptConfigurationDlg::DestroyWindow() {
  if (isVisible()) {
    m_profile.WriteProfileInt(kDimensionsSection, kWidthKey, width());
    m_profile.WriteProfileInt(kDimensionsSection, kHeightKey, height());
  }
  ModelessEditorDialog::DestroyWindow();
}

std::string CScriptConfigurationDlg::IdLabel() const { return m_idlabel->Text(); }

void CScriptConfigurationDlg::ShowIdLabel(const std::string& label) { m_idlabel->SetText(label); }

void CScriptConfigurationDlg::FocusIdLabel() {
  m_idlabel->setFocus(Qt::OtherFocusReason);
  m_idlabel->selectAll();
}

void CScriptConfigurationDlg::FillScriptStepList(const std::vector<std::string>& lines, int select) {
  korvix::FillScriptStepList(*m_steplist, lines, select);
}

std::optional<int> CScriptConfigurationDlg::SelectedStep() const {
  const QModelIndexList rows = m_steplist->selectionModel()->selectedRows();
  if (rows.isEmpty()) return std::nullopt;
  return rows.front().row();
}

std::string CScriptConfigurationDlg::PaletteLine() const {
  const QList<QListWidgetItem*> items = m_palette->selectedItems();
  return items.isEmpty() ? std::string() : FromQString(items.front()->text());
}

void CScriptConfigurationDlg::ClearPaletteSelection() {
  m_palette->clearSelection();
  m_palette->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
}

void CScriptConfigurationDlg::SetEnables(bool addstep, bool step, bool editstep, bool paste) {
  m_addbutton->setEnabled(addstep);
  m_editbutton->setEnabled(editstep);
  for (QPushButton* button : {m_deletebutton, m_copybutton, m_upbutton, m_downbutton}) button->setEnabled(step);
  m_pastebutton->setEnabled(paste);
}

}  // namespace korvix
