#include "ui/log_report_setup_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextDocument>
#include <QVBoxLayout>

#include "properties/entry_report.h"
#include "ui/help.h"
#include "ui/latin1.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Data Log Report Setup";
constexpr const char* kMarginLabels[] = {"Top Margin", "Bottom Margin", "Left Margin", "Right Margin"};
constexpr const char* kHeaderFontLabel = "Header Font Size";
constexpr const char* kBodyFontLabel = "Body Font Size";
constexpr const char* kPageFontLabel = "Page # Font Size";
constexpr const char* kHeaderOnLabel = "Print header on";
constexpr const char* kTitlesOnLabel = "Print field titles on";
constexpr const char* kPagePosLabel = "Print page numbers";
constexpr const char* kGridText = "Print horizontal/vertical gridlines";
constexpr const char* kShadingText = "Use shading in every other row";
constexpr const char* kSpacingLabel = "Row Spacing";
constexpr const char* kTitleLabel = "Header Content";
constexpr const char* kNoteText =
    "Set the width of each column of the report by dragging the column borders in the Data Log View.";

QComboBox* MakeCombo(const auto& names, int index) {
  auto* combo = new QComboBox;
  for (const auto& name : names) combo->addItem(ToQString(name));
  combo->setCurrentIndex(index);
  return combo;
}

std::vector<std::string> MarginNames() {
  std::vector<std::string> names;
  for (int tenths = 0; tenths < kReportMarginCount; ++tenths) names.push_back(ReportMarginName(tenths));
  return names;
}

}  // namespace

CLogReportSetupDlg::CLogReportSetupDlg(QWidget* parent, const LogReportFields& fields, MessageSink& messages)
    : QDialog(parent),
      m_headerfont(MakeCombo(kReportFontSizeNames, fields.headerfont)),
      m_bodyfont(MakeCombo(kReportFontSizeNames, fields.bodyfont)),
      m_pagefont(MakeCombo(kReportFontSizeNames, fields.pagefont)),
      m_headeron(MakeCombo(kReportOnPagesNames, fields.headeron)),
      m_titleson(MakeCombo(kReportOnPagesNames, fields.titleson)),
      m_pagepos(MakeCombo(kReportPagePositionNames, fields.pagepos)),
      m_grid(new QCheckBox(kGridText)),
      m_shading(new QCheckBox(kShadingText)),
      m_spacing(MakeCombo(kReportSpacingNames, fields.spacing)),
      m_title(new Latin1TextEdit),
      m_messages(messages),
      m_fields(fields) {
  setWindowTitle(kCaption);
  const std::vector<std::string> margins = MarginNames();
  const int stored[] = {fields.margintop, fields.marginbottom, fields.marginleft, fields.marginright};
  auto* page = new QGroupBox;
  auto* pageform = new QFormLayout(page);
  for (int i = 0; i < 4; ++i) {
    m_margins[i] = MakeCombo(margins, stored[i]);
    pageform->addRow(kMarginLabels[i], m_margins[i]);
  }
  auto* fonts = new QGroupBox;
  auto* fontform = new QFormLayout(fonts);
  fontform->addRow(kHeaderFontLabel, m_headerfont);
  fontform->addRow(kBodyFontLabel, m_bodyfont);
  fontform->addRow(kPageFontLabel, m_pagefont);
  fontform->addRow(kSpacingLabel, m_spacing);
  auto* options = new QGroupBox;
  auto* optionform = new QFormLayout(options);
  optionform->addRow(kHeaderOnLabel, m_headeron);
  optionform->addRow(kTitlesOnLabel, m_titleson);
  optionform->addRow(kPagePosLabel, m_pagepos);
  optionform->addRow(m_grid);
  optionform->addRow(m_shading);
  m_grid->setChecked(fields.grid);
  m_shading->setChecked(fields.shading);

  m_title->SetText(fields.title);
  m_title->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
  m_title->setFixedHeight(m_title->fontMetrics().lineSpacing() * 5);
  auto* title = new QGroupBox(kTitleLabel);
  (new QVBoxLayout(title))->addWidget(m_title);

  auto* note = new QLabel(kNoteText);
  note->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &CLogReportSetupDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CLogReportSetupDlg::reject);

  auto* columns = new QHBoxLayout;
  columns->addWidget(page);
  columns->addWidget(fonts);
  columns->addWidget(options);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(title);
  layout->addWidget(note);
  layout->addWidget(buttons);
  AddHelpKey(this, kReportSetupHelpTopic);
}

void CLogReportSetupDlg::accept() {
  LogReportFields fields;
  fields.margintop = m_margins[0]->currentIndex();
  fields.marginbottom = m_margins[1]->currentIndex();
  fields.marginleft = m_margins[2]->currentIndex();
  fields.marginright = m_margins[3]->currentIndex();
  fields.headerfont = m_headerfont->currentIndex();
  fields.bodyfont = m_bodyfont->currentIndex();
  fields.pagefont = m_pagefont->currentIndex();
  fields.headeron = m_headeron->currentIndex();
  fields.titleson = m_titleson->currentIndex();
  fields.pagepos = m_pagepos->currentIndex();
  fields.grid = m_grid->isChecked();
  fields.shading = m_shading->isChecked();
  fields.spacing = m_spacing->currentIndex();
  fields.title = m_title->Text();
  if (!ReportEntryProblem(m_messages, LogReportFieldsProblem(fields))) {
    m_title->setFocus();
    return;
  }
  m_fields = fields;
  QDialog::accept();
}

}  // namespace korvix
