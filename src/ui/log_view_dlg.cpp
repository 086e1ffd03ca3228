#include "ui/log_view_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/log_table_model.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Data Log View";
constexpr const char* kNoteText =
    "Adjust the column widths by dragging on the title boarders with the left mouse button. These settings will be "
    "used when printing the log report.";
constexpr const char* kDimensionsSection = "LogViewDimensions";
constexpr const char* kWidthKey = "Width";
constexpr const char* kHeightKey = "Height";
constexpr const char* kNarrowestText = "XXX";
constexpr int kTemplateWidth = 560;
constexpr int kTemplateHeight = 380;
constexpr int kMinimumPercent = 60;
constexpr int kDefaultColumnWidth = 70;

}  // namespace

CLogViewDlg::CLogViewDlg(QWidget* mainwindow, Profile& profile)
    : ModelessEditorDialog(mainwindow), m_profile(profile), m_table(new QTableView), m_note(new QLabel(kNoteText)) {
  setWindowTitle(kCaption);
  setSizeGripEnabled(true);
  m_table->setSortingEnabled(false);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->verticalHeader()->hide();
  QHeaderView* header = m_table->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setSectionsClickable(false);
  header->setMinimumSectionSize(MinimumColumnWidth());
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  m_note->setWordWrap(true);
  m_note->setAlignment(Qt::AlignCenter);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { m_open = 0; });
  connect(buttons, &QDialogButtonBox::rejected, this, [this] { m_open = 0; });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_table, 1);
  layout->addWidget(m_note, 0, Qt::AlignHCenter);
  layout->addWidget(buttons);
  // A wrapped label placed by alignment gets its one-line height unless told.
  m_note->setFixedWidth(kTemplateWidth * 3 / 4);
  m_note->setMinimumHeight(m_note->heightForWidth(m_note->width()));
  setMinimumSize(kTemplateWidth * kMinimumPercent / 100, kTemplateHeight * kMinimumPercent / 100);
  resize(m_profile.GetProfileInt(kDimensionsSection, kWidthKey, kTemplateWidth),
         m_profile.GetProfileInt(kDimensionsSection, kHeightKey, kTemplateHeight));
}

CLogViewDlg::~CLogViewDlg() { DestroyWindow(); }

void CLogViewDlg::DestroyWindow() {
  if (isVisible()) {
    m_profile.WriteProfileInt(kDimensionsSection, kWidthKey, frameGeometry().width());
    m_profile.WriteProfileInt(kDimensionsSection, kHeightKey, frameGeometry().height());
  }
  ModelessEditorDialog::DestroyWindow();
}

int CLogViewDlg::MinimumColumnWidth() const {
  return m_table->horizontalHeader()->fontMetrics().horizontalAdvance(kNarrowestText);
}

void CLogViewDlg::SetTable(LogTable table, const std::array<int, kLogColumnCount>& widths) {
  const int columns = static_cast<int>(table.titles.size());
  delete m_model;
  m_model = new LogTableModel(std::move(table), this);
  m_table->setModel(m_model);
  QHeaderView* header = m_table->horizontalHeader();
  for (int c = 0; c < columns; ++c) {
    header->resizeSection(c, c < kLogColumnCount ? widths[static_cast<std::size_t>(c)] : kDefaultColumnWidth);
  }
}

void CLogViewDlg::KeepMinimumWidths() {
  QHeaderView* header = m_table->horizontalHeader();
  const int minimum = MinimumColumnWidth();
  for (int c = 0; c < header->count(); ++c) {
    if (header->sectionSize(c) < minimum) header->resizeSection(c, minimum);
  }
}

bool CLogViewDlg::StoreWidths(std::array<int, kLogColumnCount>& widths) const {
  const QHeaderView* header = m_table->horizontalHeader();
  bool changed = false;
  for (int c = 0; c < header->count() && c < kLogColumnCount; ++c) {
    int& stored = widths[static_cast<std::size_t>(c)];
    if (header->sectionSize(c) == stored) continue;
    stored = header->sectionSize(c);
    changed = true;
  }
  return changed;
}

}  // namespace korvix
