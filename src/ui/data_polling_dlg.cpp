#include "ui/data_polling_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Data Polling Properties";
constexpr const char* kHelpTopic = "PollingSetup.htm";
constexpr const char* kIntroText =
    "These settings are provided  to fine tune the data polling function. In most cases, default settings "
    "will be adequate.";
constexpr const char* kDelayLabel = "Delay between each polling command";
constexpr const char* kWaitLabel = "Maximum time to wait for a response";
constexpr const char* kRetriesLabel = "Number of retries before error message";
constexpr const char* kMillisecondsUnit = "mS";
constexpr const char* kUseDefaultText = "Use Default";
constexpr int kFieldWidth = 90;

Latin1LineEdit* NumberEdit(QWidget* parent) {
  auto* edit = new Latin1LineEdit(0, parent);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(kFieldWidth);
  return edit;
}

}  // namespace

CDataPollingDlg::CDataPollingDlg(QWidget* parent, MessageSink& messages, const PollingFields& fields)
    : PropertyDialog(parent, messages, kCaption, kHelpTopic),
      m_delay(NumberEdit(this)),
      m_wait(NumberEdit(this)),
      m_retries(NumberEdit(this)),
      m_usedefault(new QPushButton(kUseDefaultText, this)) {
  DeleteButton()->hide();
  auto* intro = new QLabel(kIntroText, this);
  intro->setWordWrap(true);
  Body()->addWidget(intro);
  auto* grid = new QGridLayout;
  const struct {
    const char* label;
    Latin1LineEdit* edit;
    const char* unit;
  } rows[] = {{kDelayLabel, m_delay, kMillisecondsUnit},
              {kWaitLabel, m_wait, kMillisecondsUnit},
              {kRetriesLabel, m_retries, ""}};
  int row = 0;
  for (const auto& r : rows) {
    grid->addWidget(new QLabel(r.label, this), row, 0);
    grid->addWidget(r.edit, row, 1);
    grid->addWidget(new QLabel(r.unit, this), row, 2);
    ++row;
  }
  Body()->addLayout(grid);
  auto* defaults = new QHBoxLayout;
  m_usedefault->setAutoDefault(false);
  defaults->addWidget(m_usedefault);
  defaults->addStretch(1);
  Body()->addLayout(defaults);
  Body()->addStretch(1);
  ShowFields(fields);
  connect(m_usedefault, &QPushButton::clicked, this, [this] { ShowFields(DefaultPollingFields()); });
}

void CDataPollingDlg::ShowFields(const PollingFields& fields) {
  m_delay->SetText(fields.m_delay);
  m_wait->SetText(fields.m_wait);
  m_retries->SetText(fields.m_retries);
}

PollingFields CDataPollingDlg::Fields() const { return {m_wait->Text(), m_retries->Text(), m_delay->Text()}; }

Latin1LineEdit* CDataPollingDlg::FieldEdit(PollingField field) const {
  switch (field) {
    case PollingField::Wait: return m_wait;
    case PollingField::Retries: return m_retries;
    case PollingField::Delay: return m_delay;
  }
  return m_wait;
}

void CDataPollingDlg::OnOK() {
  if (const std::optional<PollingField> refused = CheckPollingFields(Messages(), Fields()))
    FocusField(FieldEdit(*refused));
  else
    EndOk();
}

}  // namespace korvix
