#include "ui/data_logging_dlg.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/help.h"
#include "ui/latin1.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Data Logging Properties";
constexpr const char* kIntervalLabel = "Log data every";
constexpr const char* kUnitNames[] = {"Seconds", "Minutes", "Hours", "Days"};
constexpr const char* kFileLabel = "Log File Name";
constexpr const char* kOverflowLabel = "Overflow File";
constexpr const char* kScheduleLabel = "Clear-File Schedule";
constexpr const char* kScheduleNames[] = {"Never", "Start-Up", "Run Loop", "Log Event"};
constexpr const char* kAvailableLabel = "Available Data Fields";
constexpr const char* kLoggedLabel = "Data Fields to Log";
constexpr const char* kViewFileText = " View File";
constexpr const char* kClearFileText = "Clear File";
constexpr const char* kReportSetupText = "Report Setup";
constexpr const char* kPrintReportText = "Print Report";
constexpr const char* kAddText = "Add to List ->";
constexpr const char* kRemoveText = "<- Remove";
constexpr const char* kMoveUpText = "Move Up";
constexpr const char* kMoveDownText = "Move Down";
constexpr const char* kCloseText = "Close";

QComboBox* MakeCombo(const auto& names, int index) {
  auto* combo = new QComboBox;
  for (const char* name : names) combo->addItem(name);
  combo->setCurrentIndex(index);
  return combo;
}

void Fill(QListWidget* list, const std::vector<std::string>& lines, int selected) {
  list->clear();
  for (const std::string& line : lines) list->addItem(ToQString(line));
  if (selected >= 0 && selected < list->count()) list->setCurrentRow(selected);
}

int Selected(const QListWidget* list) {
  const QList<QListWidgetItem*> items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.front());
}

}  // namespace

CDataLoggingDlg::CDataLoggingDlg(QWidget* mainwindow, const DataLoggingFields& fields)
    : ModelessEditorDialog(mainwindow),
      m_available(new QListWidget),
      m_logged(new QListWidget),
      m_addbutton(new QPushButton(kAddText)),
      m_removebutton(new QPushButton(kRemoveText)),
      m_upbutton(new QPushButton(kMoveUpText)),
      m_downbutton(new QPushButton(kMoveDownText)),
      m_closebutton(new QPushButton(kCloseText)),
      m_interval(new Latin1LineEdit(kLogIntervalLimit)),
      m_unit(MakeCombo(kUnitNames, fields.logintervalunit)),
      m_file(new Latin1LineEdit(kLogFileNameLimit)),
      m_overflow(new Latin1LineEdit(kLogFileNameLimit)),
      m_schedule(MakeCombo(kScheduleNames, fields.logclearschedule)) {
  setWindowTitle(kCaption);
  m_interval->setAlignment(Qt::AlignRight);
  m_interval->SetText(fields.loginterval);
  m_file->SetText(fields.datalogfile);
  m_overflow->SetText(fields.overflowfile);

  auto* settings = new QGridLayout;
  settings->addWidget(new QLabel(kIntervalLabel), 0, 0);
  auto* interval = new QHBoxLayout;
  interval->addWidget(m_interval);
  interval->addWidget(m_unit);
  settings->addLayout(interval, 0, 1);
  settings->addWidget(new QLabel(kScheduleLabel), 0, 2);
  settings->addWidget(m_schedule, 0, 3);
  settings->addWidget(new QLabel(kFileLabel), 1, 0);
  settings->addWidget(m_file, 1, 1, 1, 3);
  settings->addWidget(new QLabel(kOverflowLabel), 2, 0);
  settings->addWidget(m_overflow, 2, 1, 1, 3);
  m_interval->setMaximumWidth(m_interval->fontMetrics().horizontalAdvance("000000") + 12);

  auto* available = new QGroupBox(kAvailableLabel);
  (new QVBoxLayout(available))->addWidget(m_available);
  auto* logged = new QGroupBox(kLoggedLabel);
  (new QVBoxLayout(logged))->addWidget(m_logged);
  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* button : {m_addbutton, m_removebutton, m_upbutton, m_downbutton}) moves->addWidget(button);
  moves->addStretch();
  auto* lists = new QHBoxLayout;
  lists->addWidget(available, 1);
  lists->addLayout(moves);
  lists->addWidget(logged, 1);

  auto* viewfile = new QPushButton(kViewFileText);
  auto* clearfile = new QPushButton(kClearFileText);
  auto* reportsetup = new QPushButton(kReportSetupText);
  auto* printreport = new QPushButton(kPrintReportText);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {viewfile, clearfile, reportsetup, printreport}) buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(m_closebutton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(settings);
  layout->addLayout(lists, 1);
  layout->addLayout(buttons);

  for (QPushButton* button :
       {viewfile, clearfile, reportsetup, printreport, m_addbutton, m_removebutton, m_upbutton, m_downbutton}) {
    button->setAutoDefault(false);
  }
  ConnectRequest(viewfile, m_viewfile, FocusAfter::Stay);
  ConnectRequest(clearfile, m_clearfile, FocusAfter::Stay);
  ConnectRequest(reportsetup, m_reportsetup, FocusAfter::Stay);
  ConnectRequest(printreport, m_printreport, FocusAfter::Stay);
  ConnectRequest(m_addbutton, m_add);
  ConnectRequest(m_removebutton, m_remove);
  ConnectRequest(m_upbutton, m_moveup, FocusAfter::Stay);
  ConnectRequest(m_downbutton, m_movedown, FocusAfter::Stay);
  ConnectDoubleClick(m_available, m_add);
  ConnectDoubleClick(m_logged, m_remove);
  SetCloseButton(m_closebutton, &m_closerequest);
  m_available->installEventFilter(this);
  m_logged->installEventFilter(this);
  AddHelpKey(this, kDataLoggingHelpTopic);
  resize(640, 420);
}

bool CDataLoggingDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == m_available) m_logged->clearSelection();
    if (watched == m_logged) m_available->clearSelection();
  }
  return ModelessEditorDialog::eventFilter(watched, event);
}

DataLoggingFields CDataLoggingDlg::Fields() const {
  return {m_interval->Text(), m_unit->currentIndex(), m_file->Text(), m_overflow->Text(), m_schedule->currentIndex()};
}

void CDataLoggingDlg::SetFileName(const std::string& name) { m_file->SetText(name); }

void CDataLoggingDlg::FocusField(DataLoggingField field) {
  Latin1LineEdit* edit = field == DataLoggingField::Interval   ? m_interval
                         : field == DataLoggingField::FileName ? m_file
                                                               : m_overflow;
  edit->setFocus();
  edit->selectAll();
}

void CDataLoggingDlg::FillAvailableFields(const std::vector<std::string>& fields, int selected) {
  Fill(m_available, fields, selected);
}

void CDataLoggingDlg::FillLoggedFields(const std::vector<std::string>& fields, int selected) {
  Fill(m_logged, fields, selected);
}

int CDataLoggingDlg::AvailableSelection() const { return Selected(m_available); }

int CDataLoggingDlg::LoggedSelection() const { return Selected(m_logged); }

void CDataLoggingDlg::EnableButtons() {
  const bool logged = LoggedSelection() >= 0;
  m_addbutton->setEnabled(AvailableSelection() >= 0);
  m_removebutton->setEnabled(logged);
  m_upbutton->setEnabled(logged);
  m_downbutton->setEnabled(logged);
}

}  // namespace korvix
