#include "ui/color_select.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/saved_colours.h"
#include "ui/colorref.h"
#include "ui/colour_palette_grid.h"

namespace korvix {

namespace {
constexpr const char* kColorSelectorCaption = "Color Selector";
// Two labels under the sample that read together as one word.
constexpr const char* kPreviewLeft = "Prev";
constexpr const char* kPreviewRight = "iew:";

bool IsColourWell(const QWidget* widget) {
  return widget != nullptr && qstrcmp(widget->metaObject()->className(), "QWellArray") == 0;
}
}  // namespace

CColorSelect::CColorSelect(QWidget* parent, int colour, Profile& profile)
    : QDialog(parent), m_profile(profile), m_curcolor(colour) {
  setWindowTitle(QString::fromLatin1(kColorSelectorCaption));

  // The standard chooser keeps its custom colours application-wide; loading
  // them before it is built makes every opening start from the profile.
  const SavedColours saved = ReadSavedColours(profile);
  for (int i = 0; i < kSavedColourCount; ++i) QColorDialog::setCustomColor(i, ToQColor(saved[static_cast<size_t>(i)]));

  m_chooser = new QColorDialog(this);
  m_chooser->setWindowFlags(Qt::Widget);
  m_chooser->setOptions(QColorDialog::NoButtons | QColorDialog::DontUseNativeDialog);
  m_chooser->setCurrentColor(ToQColor(colour));
  m_chooser->installEventFilter(this);
  m_palette = new CColourPaletteGrid(colour, this);
  AdoptChooserParts();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  m_ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_chooser);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(m_palette, &CColourPaletteGrid::cellChosen, this, &CColorSelect::ChoosePaletteColour);
  connect(m_chooser, &QColorDialog::currentColorChanged, this, [this] {
    if (m_choosingfrompalette) return;
    m_curcolor = kNoPaletteColour;
    m_palette->SetCurrent(m_curcolor);
  });
}

// The palette takes the place of the chooser's basic colours, and the
// sample gets its caption; the chooser's own parts are found by what they
// are, since it names none of them.
void CColorSelect::AdoptChooserParts() {
  QList<QLabel*> wells;
  for (QLabel* label : m_chooser->findChildren<QLabel*>()) {
    if (IsColourWell(label->buddy())) wells.append(label);
  }
  if (wells.size() == 2) {
    // The chooser still refers to its basic colours, so they stay, hidden.
    QWidget* basic = wells.at(0)->buddy();
    delete m_chooser->layout()->replaceWidget(basic, m_palette);
    basic->hide();
    wells.at(0)->setBuddy(m_palette);
    m_customslots = wells.at(1)->buddy();
    m_customslots->installEventFilter(this);
  }
  for (QWidget* part : m_chooser->findChildren<QWidget*>()) {
    if (qstrcmp(part->metaObject()->className(), "QColorShowLabel") != 0) continue;
    auto* grid = qobject_cast<QGridLayout*>(part->parentWidget()->layout());
    if (grid == nullptr) break;
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(part), &row, &column, &rows, &columns);
    auto* sample = new QWidget(part->parentWidget());
    auto* stack = new QVBoxLayout(sample);
    stack->setContentsMargins(0, 0, 0, 0);
    grid->removeWidget(part);
    stack->addWidget(part, 1);
    auto* caption = new QHBoxLayout;
    caption->setSpacing(0);
    caption->addStretch();
    caption->addWidget(new QLabel(QString::fromLatin1(kPreviewLeft)));
    caption->addWidget(new QLabel(QString::fromLatin1(kPreviewRight)));
    caption->addStretch();
    stack->addLayout(caption);
    grid->addWidget(sample, row, column, rows, columns);
    break;
  }
}

void CColorSelect::ChoosePaletteColour(int colour) {
  m_curcolor = colour;
  m_palette->SetCurrent(colour);
  m_choosingfrompalette = true;
  m_chooser->setCurrentColor(ToQColor(colour));
  m_choosingfrompalette = false;
}

void CColorSelect::accept() {
  m_curcolor = ToColorRef(m_chooser->currentColor());
  SavedColours saved;
  for (int i = 0; i < kSavedColourCount; ++i) saved[static_cast<size_t>(i)] = ToColorRef(QColorDialog::customColor(i));
  WriteSavedColours(m_profile, saved);
  QDialog::accept();
}

void CColorSelect::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_ok->setFocus();
}

bool CColorSelect::eventFilter(QObject* watched, QEvent* event) {
  // Escape would close only the embedded chooser, leaving an empty frame.
  if (watched == m_chooser && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    reject();
    return true;
  }
  // A click on an empty (white) custom slot only picks the slot that "Add to
  // Custom Colors" fills; the colour being built must survive it.
  if (watched == m_customslots && event->type() == QEvent::MouseButtonPress) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    m_colourbeforeslot = m_chooser->currentColor();
    m_emptyslotclicked = m_customslots->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0) == QColor(Qt::white);
  }
  if (watched == m_customslots && event->type() == QEvent::MouseButtonRelease && m_emptyslotclicked) {
    m_emptyslotclicked = false;
    const QColor kept = m_colourbeforeslot;
    QMetaObject::invokeMethod(
        this, [this, kept] { m_chooser->setCurrentColor(kept); }, Qt::QueuedConnection);
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace korvix
