#include "ui/print_label_dlg.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "recording/label_sizes.h"
#include "ui/dialog_units.h"
#include "ui/latin1.h"
#include "ui/latin1_edits.h"
#include "ui/selector_fields.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Print Label Properties";
constexpr const char* kPrinterLabel = "Printer";
constexpr const char* kFontSizeLabel = "Font Size";
constexpr const char* kPointText = "point";
constexpr const char* kBarcodeLabel = "Barcode";
constexpr const char* kBarSizeLabel = "Bar Size";
constexpr const char* kMilsText = "mils";
constexpr const char* kTextGroup = "Type in the label text including variables if needed:";
constexpr const char* kGlobalsText = "Global Variables";
constexpr const char* kLabelsText = "Object ID Labels";
constexpr int kWidthUnits = 316;
constexpr int kHeightUnits = 173;
constexpr int kTenthsPerPoint = 10;

}  // namespace

CPrintLabelDlg::CPrintLabelDlg(QWidget* parent, MessageSink& messages, const PrintLabelFields& fields,
                               std::string namelist, const std::vector<std::string>& printers)
    : PropertyDialog(parent, messages, kCaption, kPrintLabelHelpTopic),
      m_namelist(std::move(namelist)),
      m_storedprinter(fields.printer) {
  DeleteButton()->hide();
  auto* grid = new QGridLayout;
  m_printer = new QComboBox(this);
  for (const std::string& printer : printers) m_printer->addItem(ToQString(printer));
  m_printer->setCurrentIndex(FindPrinterEntry(printers, fields.printer));
  m_fontsize = new QComboBox(this);
  for (int size : kLabelFontSizes) m_fontsize->addItem(QString::number(size / kTenthsPerPoint));
  m_fontsize->setCurrentIndex(fields.fontindex);
  m_barcode = new Latin1LineEdit(kBarcodeLimit, this);
  m_barcode->SetText(fields.barcode);
  m_barsize = new QComboBox(this);
  for (int size : kLabelBarSizes) m_barsize->addItem(QString::number(size));
  m_barsize->setCurrentIndex(fields.barindex);
  grid->addWidget(new QLabel(kPrinterLabel, this), 0, 0);
  grid->addWidget(m_printer, 0, 1);
  grid->addWidget(new QLabel(kFontSizeLabel, this), 0, 2);
  grid->addWidget(m_fontsize, 0, 3);
  grid->addWidget(new QLabel(kPointText, this), 0, 4);
  grid->addWidget(new QLabel(kBarcodeLabel, this), 1, 0);
  grid->addWidget(m_barcode, 1, 1);
  grid->addWidget(new QLabel(kBarSizeLabel, this), 1, 2);
  grid->addWidget(m_barsize, 1, 3);
  grid->addWidget(new QLabel(kMilsText, this), 1, 4);
  grid->setColumnStretch(1, 1);
  Body()->addLayout(grid);

  auto* group = new QGroupBox(kTextGroup, this);
  auto* grouplayout = new QVBoxLayout(group);
  m_text = new Latin1TextEdit(group);
  m_text->SetText(fields.text);
  grouplayout->addWidget(m_text);
  Body()->addWidget(group, 1);

  auto* row = new QHBoxLayout;
  m_globals = AddSideButton(kGlobalsText, this, row);
  m_labels = AddSideButton(kLabelsText, this, row);
  row->addStretch(1);
  Body()->addLayout(row);

  m_lastfield = m_text;
  m_text->installEventFilter(this);
  m_barcode->installEventFilter(this);
  connect(m_globals, &QPushButton::clicked, this, [this] { ShowGlobalVariables(this, m_lastfield); });
  connect(m_labels, &QPushButton::clicked, this, [this] { InsertLabelReference(m_lastfield, m_namelist); });
  resize(DialogUnitsX(this, kWidthUnits), DialogUnitsY(this, kHeightUnits));
}

bool CPrintLabelDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && (watched == m_text || watched == m_barcode))
    m_lastfield = static_cast<QWidget*>(watched);
  return PropertyDialog::eventFilter(watched, event);
}

PrintLabelFields CPrintLabelDlg::Fields() const {
  PrintLabelFields fields;
  fields.printer = m_printer->currentIndex() >= 0 ? FromQString(m_printer->currentText()) : m_storedprinter;
  fields.text = m_text->Text();
  fields.fontindex = m_fontsize->currentIndex();
  fields.barcode = m_barcode->Text();
  fields.barindex = m_barsize->currentIndex();
  return fields;
}

void CPrintLabelDlg::OnOK() {
  PrintLabelFields fields = Fields();
  const OkCheck<PrintLabelField> check = CheckPrintLabelFields(fields, m_namelist, Messages());
  m_text->SetText(fields.text);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus));
}

QWidget* CPrintLabelDlg::FieldEdit(PrintLabelField field) const {
  return field == PrintLabelField::Barcode ? static_cast<QWidget*>(m_barcode) : m_text;
}

}  // namespace korvix
