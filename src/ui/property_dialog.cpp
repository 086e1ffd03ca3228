#include "ui/property_dialog.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "properties/property_choices.h"
#include "properties/shared_checks.h"
#include "ui/help.h"
#include "ui/latin1.h"
#include "ui/math_conversion_dlg.h"
#include "ui/selector_fields.h"

namespace korvix {

namespace {

constexpr const char* kOkText = "OK";
constexpr const char* kCancelText = "Cancel";
constexpr const char* kDeleteText = "Delete";

// Focus that the user moved there, or that the dialog put there; not the
// focus a window gets back when a message box or a selector closes, which
// would open the selector again at once.
bool MovedByUserOrDialog(Qt::FocusReason reason) {
  switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason: return true;
    default: return false;
  }
}

}  // namespace

PropertyDialog::PropertyDialog(QWidget* parent, MessageSink& messages, const char* caption, std::string helptopic)
    : QDialog(parent), m_messages(messages), m_helptopic(std::move(helptopic)) {
  setWindowTitle(caption);
  auto* layout = new QHBoxLayout(this);
  m_body = new QVBoxLayout;
  layout->addLayout(m_body, 1);

  auto* buttons = new QVBoxLayout;
  m_okbutton = new QPushButton(kOkText, this);
  m_okbutton->setDefault(true);
  auto* cancel = new QPushButton(kCancelText, this);
  m_deletebutton = new QPushButton(kDeleteText, this);
  m_deletebutton->setAutoDefault(false);
  cancel->setAutoDefault(false);
  buttons->addWidget(m_okbutton);
  buttons->addWidget(cancel);
  buttons->addSpacing(12);
  buttons->addWidget(m_deletebutton);
  buttons->addStretch(1);
  layout->addLayout(buttons);

  connect(m_okbutton, &QPushButton::clicked, this, &PropertyDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_deletebutton, &QPushButton::clicked, this, &PropertyDialog::OnDelete);
}

void PropertyDialog::FocusField(QWidget* field, bool guard) {
  if (guard) m_selectorctl = field;
  field->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
  // A field that had the focus already gets no focus event to use the guard
  // up; it must not outlive this visit. Posted after the focus event's own
  // call, so that one still finds it.
  if (guard)
    QMetaObject::invokeMethod(
        this,
        [this, field] {
          if (m_selectorctl == field) m_selectorctl = nullptr;
        },
        Qt::QueuedConnection);
}

void PropertyDialog::AddFocusSelector(QLineEdit* edit, std::function<std::optional<QString>()> selector) {
  m_selectors.emplace_back(edit, std::move(selector));
  edit->installEventFilter(this);
}

void PropertyDialog::AddLabelSelector(QLineEdit* edit, const std::string& namelist) {
  AddFocusSelector(edit, [this, namelist] { return ChooseTargetLabel(this, namelist); });
}

void PropertyDialog::AddFormulaSelector(QLineEdit* formula, QLineEdit* idlabel, const std::string& namelist) {
  AddFocusSelector(formula, [this, formula, idlabel, namelist]() -> std::optional<QString> {
    CMathConversionDlg conversion(this, m_messages, namelist, FromQString(formula->text()),
                                  TrimEntry(FromQString(idlabel->text())), 1);
    if (conversion.exec() != QDialog::Accepted) return std::nullopt;
    return ToQString(conversion.Formula());
  });
}

// The selector opens from the event loop, once the focus has settled: a
// modal dialog opened inside the focus change would leave the edit half
// focused beneath it.
bool PropertyDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && MovedByUserOrDialog(static_cast<QFocusEvent*>(event)->reason())) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    QMetaObject::invokeMethod(
        this, [this, edit] { OpenSelector(edit); }, Qt::QueuedConnection);
  }
  return QDialog::eventFilter(watched, event);
}

void PropertyDialog::OpenSelector(QLineEdit* edit) {
  if (m_selectorctl == edit) {
    m_selectorctl = nullptr;
    return;
  }
  const auto entry = std::find_if(m_selectors.begin(), m_selectors.end(),
                                  [edit](const auto& selector) { return selector.first == edit; });
  if (entry == m_selectors.end()) return;
  m_selectorctl = edit;
  if (const std::optional<QString> text = entry->second()) edit->setText(*text);
  m_selectorctl = nullptr;
}

void PropertyDialog::OnDelete() {
  m_delete = 1;
  reject();
}

// F1 reaches the dialog from whichever field has the focus, since none of
// them takes it.
void PropertyDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    OnHelp();
    return;
  }
  QDialog::keyPressEvent(event);
}

void PropertyDialog::OnHelp() {
  m_okbutton->setFocus(Qt::ShortcutFocusReason);
  ShowHelpTopic(m_helptopic);
}

void FillFontSizeCombo(QComboBox* combo, int index) {
  for (const char* name : kFontSizeNames) combo->addItem(name);
  combo->setCurrentIndex(index);
}

void FillWidthCombo(QComboBox* combo, int maximum, int index) {
  for (int width = 1; width <= maximum; ++width) combo->addItem(QString::number(width));
  combo->setCurrentIndex(index < maximum ? index : -1);
}

QPushButton* AddSideButton(const char* text, QWidget* parent, QLayout* row) {
  auto* button = new QPushButton(text, parent);
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

}  // namespace korvix
