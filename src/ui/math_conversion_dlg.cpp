#include "ui/math_conversion_dlg.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/math_conversion.h"
#include "ui/dialog_units.h"
#include "ui/help.h"
#include "ui/latin1_edits.h"
#include "ui/selector_fields.h"

namespace korvix {

namespace {
constexpr const char* kCaption = "Math Conversion Properties";
constexpr const char* kTargetLabel = "Math Conversion on this object or variable";
constexpr const char* kFormulaGroup = "Use this mathematical formula to set value:";
constexpr const char* kMathFunctionsText = "Math Functions";
constexpr const char* kGlobalVariablesText = "Global Variables";
constexpr const char* kObjectLabelsText = "Object ID Labels";
constexpr const char* kOkText = "OK";
constexpr const char* kCancelText = "Cancel";
constexpr const char* kHelpTopic = "MathCalculation.htm";

QPushButton* Button(const char* text) {
  auto* button = new QPushButton(QString::fromLatin1(text));
  button->setAutoDefault(false);
  return button;
}
}  // namespace

CMathConversionDlg::CMathConversionDlg(QWidget* parent, MessageSink& messages, std::string namelist,
                                       std::string formula, std::string target, int targetfixed)
    : QDialog(parent),
      m_messages(messages),
      m_formula(std::move(formula)),
      m_target(std::move(target)),
      m_namelist(std::move(namelist)),
      m_targetfixed(targetfixed) {
  setWindowTitle(QString::fromLatin1(kCaption));

  m_targetedit = new Latin1LineEdit(kMathTargetLimit);
  m_targetedit->SetText(m_target);
  m_targetedit->setEnabled(m_targetfixed == 0);
  m_targetedit->installEventFilter(this);
  auto* targetrow = new QHBoxLayout;
  targetrow->addWidget(new QLabel(QString::fromLatin1(kTargetLabel)));
  targetrow->addWidget(m_targetedit, 1);

  m_formulaedit = new Latin1TextEdit;
  m_formulaedit->SetText(m_formula);
  auto* formulabox = new QGroupBox(QString::fromLatin1(kFormulaGroup));
  (new QVBoxLayout(formulabox))->addWidget(m_formulaedit);

  auto* fields = new QVBoxLayout;
  fields->addLayout(targetrow);
  fields->addWidget(formulabox, 1);

  QPushButton* functions = Button(kMathFunctionsText);
  QPushButton* globals = Button(kGlobalVariablesText);
  QPushButton* labels = Button(kObjectLabelsText);
  m_ok = Button(kOkText);
  m_ok->setDefault(true);
  QPushButton* cancel = Button(kCancelText);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {functions, globals, labels, m_ok, cancel}) buttons->addWidget(button);
  buttons->addStretch(1);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fields, 1);
  layout->addLayout(buttons);
  setFixedSize(DialogUnitsX(this, 316), DialogUnitsY(this, 154));

  connect(functions, &QPushButton::clicked, this, [this] { InsertMathFunction(m_formulaedit); });
  connect(globals, &QPushButton::clicked, this, [this] { ShowGlobalVariables(this, m_ok); });
  connect(labels, &QPushButton::clicked, this, [this] { InsertLabelReference(m_formulaedit, m_namelist); });
  connect(m_ok, &QPushButton::clicked, this, &CMathConversionDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// The dialog is about the formula: starting in the target field would open
// its selector before the user asked for anything.
void CMathConversionDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_formulaedit->setFocus(Qt::ActiveWindowFocusReason);
}

void CMathConversionDlg::accept() {
  MathConversionEntry entry{m_formulaedit->Text(), m_targetedit->Text()};
  const OkCheck<MathConversionField> check = CheckMathConversion(m_messages, entry, m_namelist);
  if (entry.formula != m_formulaedit->Text()) m_formulaedit->SetText(entry.formula);
  if (entry.target != m_targetedit->Text()) m_targetedit->SetText(entry.target);
  if (!check.Accepted()) {
    QWidget* field = *check.focus == MathConversionField::Target ? static_cast<QWidget*>(m_targetedit)
                                                                 : static_cast<QWidget*>(m_formulaedit);
    if (check.guard) m_selectorctl = field;
    field->setFocus(Qt::OtherFocusReason);
    // A field that had the focus already gets no focus event to use the
    // guard up; it must not outlive this visit.
    if (check.guard)
      QMetaObject::invokeMethod(
          this,
          [this, field] {
            if (m_selectorctl == field) m_selectorctl = nullptr;
          },
          Qt::QueuedConnection);
    return;
  }
  m_formula = entry.formula;
  m_target = entry.target;
  QDialog::accept();
}

void CMathConversionDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    m_ok->setFocus(Qt::ShortcutFocusReason);
    ShowHelpTopic(kHelpTopic);
    return;
  }
  QDialog::keyPressEvent(event);
}

// The selector opens once the focus has settled, and only when the user or
// the dialog moved the focus there: the focus that comes back when a
// message box or the selector itself closes must not open it again.
bool CMathConversionDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_targetedit && event->type() == QEvent::FocusIn) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      QMetaObject::invokeMethod(this, &CMathConversionDlg::OpenTargetSelector, Qt::QueuedConnection);
  }
  return QDialog::eventFilter(watched, event);
}

void CMathConversionDlg::OpenTargetSelector() {
  if (m_selectorctl == m_targetedit) {
    m_selectorctl = nullptr;
    return;
  }
  if (m_selectorctl != nullptr) return;
  m_selectorctl = m_targetedit;
  OfferTargetLabel(m_targetedit, m_namelist);
  m_selectorctl = nullptr;
}

}  // namespace korvix
