#include "ui/chart_recorder_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "properties/property_choices.h"
#include "properties/shared_checks.h"
#include "ui/help.h"
#include "ui/latin1.h"
#include "ui/latin1_edits.h"
#include "ui/property_dialog.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Chart Recorder Properties";
constexpr const char* kPlotFileLabel = "Plot File Name";
constexpr const char* kFontSizeLabel = "Font Size";
constexpr const char* kHorizDivisionsLabel = "Horiz Grid Divisions";
constexpr const char* kVertDivisionsLabel = "Vert Grid Divisions";
constexpr const char* kScanRateLabel = "Scan Rate (mS)";
constexpr const char* kSpanLabel = "Span";
constexpr const char* kIdLabelLabel = "Object ID Label";
constexpr const char* kAutostartLabel = "Start chart recorder with run loop";
constexpr const char* kAvailableLabel = "Available Data Fields";
constexpr const char* kCurrentLabel = "Current Data Fields";
constexpr const char* kAddLabel = "Add to List ->";
constexpr const char* kRemoveLabel = "<- Remove";
constexpr const char* kMoveUpLabel = "Move Up";
constexpr const char* kMoveDownLabel = "Move Down";
constexpr const char* kPlotLineColorLabel = "Plot Line Color";
constexpr const char* kPlotLineDataLabel = "Plot Line Data";
constexpr const char* kSaveLabel = "Save";
constexpr const char* kRecallLabel = "Recall";
constexpr const char* kCloseLabel = "Close";
constexpr std::array<const char*, 4> kSpanUnitNames = {"Seconds", "Minutes", "Hours", "Days"};
constexpr int kDivisionChoices = 10;

void FillDivisionsCombo(QComboBox* combo, int index) {
  for (int n = 0; n < kDivisionChoices; ++n) combo->addItem(QString::number(2 * n + 2));
  combo->setCurrentIndex(index);
}

int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.first());
}

void FillList(QListWidget* list, const std::vector<std::string>& lines, int select) {
  list->clear();
  for (const std::string& line : lines) list->addItem(ToQString(line));
  if (select >= 0 && select < list->count()) list->setCurrentRow(select);
}

}  // namespace

CChartRecorderDlg::CChartRecorderDlg(QWidget* mainwindow, MessageSink& messages, const ColourChooser& chooser,
                                     const ChartRecorderSettings& settings)
    : ModelessEditorDialog(mainwindow), m_messages(messages), m_settings(settings) {
  setWindowTitle(kCaption);

  m_plotfile = new Latin1LineEdit(kLabelFieldLimit, this);
  m_plotfile->SetText(settings.plotfile);
  m_fontsize = new QComboBox(this);
  FillFontSizeCombo(m_fontsize, settings.fontsize);
  m_hdivsel = new QComboBox(this);
  FillDivisionsCombo(m_hdivsel, settings.hdivsel);
  m_vdivsel = new QComboBox(this);
  FillDivisionsCombo(m_vdivsel, settings.vdivsel);
  m_scanrate = new Latin1LineEdit(0, this);
  m_scanrate->SetText(std::to_string(settings.scanrate));
  m_span = new Latin1LineEdit(0, this);
  m_span->SetText(std::to_string(settings.span));
  m_spanunit = new QComboBox(this);
  for (const char* unit : kSpanUnitNames) m_spanunit->addItem(unit);
  m_spanunit->setCurrentIndex(settings.spanunit);
  m_idlabel = new Latin1LineEdit(kLabelFieldLimit, this);
  m_idlabel->SetText(settings.idlabel);
  m_autostart = new QCheckBox(kAutostartLabel, this);
  m_autostart->setChecked(settings.autostart != 0);

  auto* span = new QHBoxLayout;
  span->addWidget(m_span, 1);
  span->addWidget(m_spanunit, 1);
  auto* form = new QFormLayout;
  form->addRow(kPlotFileLabel, m_plotfile);
  form->addRow(kFontSizeLabel, m_fontsize);
  form->addRow(kHorizDivisionsLabel, m_hdivsel);
  form->addRow(kVertDivisionsLabel, m_vdivsel);
  form->addRow(kScanRateLabel, m_scanrate);
  form->addRow(kSpanLabel, span);
  form->addRow(kIdLabelLabel, m_idlabel);
  form->addRow(m_autostart);

  m_available = new QListWidget(this);
  m_current = new QListWidget(this);
  m_addbutton = new QPushButton(kAddLabel, this);
  m_removebutton = new QPushButton(kRemoveLabel, this);
  m_moveupbutton = new QPushButton(kMoveUpLabel, this);
  m_movedownbutton = new QPushButton(kMoveDownLabel, this);
  m_colour = new ColourSwatch(chooser, this);
  m_closebutton = new QPushButton(kCloseLabel, this);
  m_savebutton = new QPushButton(kSaveLabel, this);
  m_recallbutton = new QPushButton(kRecallLabel, this);

  auto* fieldbuttons = new QVBoxLayout;
  fieldbuttons->addStretch(1);
  for (QPushButton* button : {m_addbutton, m_removebutton, m_moveupbutton, m_movedownbutton})
    fieldbuttons->addWidget(button);
  fieldbuttons->addStretch(1);
  auto* colour = new QHBoxLayout;
  colour->addWidget(new QLabel(kPlotLineColorLabel, this));
  colour->addWidget(m_colour);
  colour->addStretch(1);
  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(kAvailableLabel, this), 0, 0);
  fields->addWidget(new QLabel(kCurrentLabel, this), 0, 2);
  fields->addWidget(m_available, 1, 0);
  fields->addLayout(fieldbuttons, 1, 1);
  fields->addWidget(m_current, 1, 2);
  fields->addLayout(colour, 2, 2);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(kPlotLineDataLabel, this));
  bottom->addWidget(m_savebutton);
  bottom->addWidget(m_recallbutton);
  bottom->addStretch(1);
  bottom->addWidget(m_closebutton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(fields, 1);
  layout->addLayout(bottom);

  ConnectRequest(m_addbutton, m_add);
  ConnectRequest(m_removebutton, m_remove);
  ConnectRequest(m_moveupbutton, m_moveup, FocusAfter::Stay);
  ConnectRequest(m_movedownbutton, m_movedown, FocusAfter::Stay);
  ConnectRequest(m_savebutton, m_save);
  ConnectRequest(m_recallbutton, m_recall);
  ConnectDoubleClick(m_available, m_add);
  ConnectDoubleClick(m_current, m_remove);
  SetCloseButton(m_closebutton);
  m_available->installEventFilter(this);
  m_current->installEventFilter(this);
  EnableControls();
}

void CChartRecorderDlg::FillNameControl(const std::vector<std::string>& labels) { FillList(m_available, labels, -1); }

void CChartRecorderDlg::FillChartFieldList(const std::vector<std::string>& lines, int select) {
  FillList(m_current, lines, select);
}

int CChartRecorderDlg::AvailableLine() const { return SelectedRow(m_available); }

int CChartRecorderDlg::CurrentLine() const { return SelectedRow(m_current); }

std::string CChartRecorderDlg::AvailableLabel() const {
  const int line = AvailableLine();
  return line < 0 ? std::string() : FromQString(m_available->item(line)->text());
}

void CChartRecorderDlg::EnableControls() {
  const bool available = AvailableLine() >= 0;
  const bool current = CurrentLine() >= 0;
  m_addbutton->setEnabled(available);
  for (QWidget* control : std::initializer_list<QWidget*>{m_removebutton, m_moveupbutton, m_movedownbutton, m_colour})
    control->setEnabled(current);
}

std::string CChartRecorderDlg::TrimmedPlotFile() {
  const std::string name = TrimEntry(m_plotfile->Text());
  m_plotfile->SetText(name);
  return name;
}

void CChartRecorderDlg::ClearAutostart() { m_autostart->setChecked(false); }

// Selecting in one list unselects the other, so that the buttons act on the
// list the user last worked in.
bool CChartRecorderDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == m_available) m_current->clearSelection();
    if (watched == m_current) m_available->clearSelection();
  }
  return ModelessEditorDialog::eventFilter(watched, event);
}

// F1 reaches the dialog from whichever field has the focus, since none of
// them takes it.
void CChartRecorderDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    m_closebutton->setFocus(Qt::ShortcutFocusReason);
    ShowHelpTopic(kChartRecorderHelpTopic);
    return;
  }
  ModelessEditorDialog::keyPressEvent(event);
}

void CChartRecorderDlg::OnOK() {
  ChartRecorderSettings settings = m_settings;
  settings.plotfile = m_plotfile->Text();
  settings.fontsize = m_fontsize->currentIndex();
  settings.hdivsel = m_hdivsel->currentIndex();
  settings.vdivsel = m_vdivsel->currentIndex();
  settings.spanunit = m_spanunit->currentIndex();
  settings.idlabel = m_idlabel->Text();
  settings.autostart = m_autostart->isChecked() ? 1 : 0;
  const OkCheck<ChartRecorderEntry> check =
      CheckChartRecorderEntries(settings, m_scanrate->Text(), m_span->Text(), m_messages);
  m_idlabel->SetText(settings.idlabel);
  if (!check.Accepted()) {
    Latin1LineEdit* edit = EntryEdit(*check.focus);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return;
  }
  m_settings = settings;
  m_accepted = 1;
  m_open = 0;
}

Latin1LineEdit* CChartRecorderDlg::EntryEdit(ChartRecorderEntry entry) const {
  switch (entry) {
    case ChartRecorderEntry::PlotFile: return m_plotfile;
    case ChartRecorderEntry::ScanRate: return m_scanrate;
    case ChartRecorderEntry::Span: return m_span;
    case ChartRecorderEntry::IdLabel: return m_idlabel;
  }
  return m_idlabel;
}

}  // namespace korvix
