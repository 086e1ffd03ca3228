#include "ui/choice_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSlider>

#include "properties/property_choices.h"
#include "ui/latin1_edits.h"
#include "ui/property_dialog.h"

namespace korvix {

namespace {

constexpr int kShortFieldLimit = 13;
constexpr int kShortFieldWidth = 10;
constexpr const char* kScreenTextGroup = "Screen Text";
constexpr const char* kTitleLabel = "Title";
constexpr const char* kSizeLabel = "Size";
constexpr const char* kColorLabel = "Color";

}  // namespace

QButtonGroup* NewRadioGroup(QWidget* parent, std::initializer_list<const char*> texts, int checked) {
  auto* group = new QButtonGroup(parent);
  int id = 0;
  for (const char* text : texts) {
    auto* radio = new QRadioButton(text, parent);
    group->addButton(radio, id);
    radio->setChecked(id == checked);
    ++id;
  }
  return group;
}

QCheckBox* NewCheckBox(const char* text, int checked, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->setChecked(checked != 0);
  return box;
}

QSlider* NewTrackBar(int maximum, int position, QWidget* parent) {
  auto* bar = new QSlider(Qt::Horizontal, parent);
  bar->setRange(0, maximum);
  bar->setPageStep(1);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setTickInterval(1);
  bar->setValue(position);
  return bar;
}

Latin1LineEdit* NewFieldEdit(int limit, const std::string& text, QWidget* parent) {
  auto* edit = new Latin1LineEdit(limit, parent);
  edit->SetText(text);
  // A short field is still wide enough to read what it holds at a glance.
  if (limit > 0 && limit <= kShortFieldLimit)
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(kShortFieldWidth, QLatin1Char('0'))));
  return edit;
}

int CheckState(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

ScreenTextControls NewScreenTextGroup(QWidget* parent, const ColourChooser& chooser, const std::string& title,
                                      int fontsize, int textcolor) {
  ScreenTextControls controls;
  controls.group = new QGroupBox(kScreenTextGroup, parent);
  controls.form = new QFormLayout(controls.group);
  controls.title = NewFieldEdit(kLabelFieldLimit, title, controls.group);
  controls.fontsize = new QComboBox(controls.group);
  FillFontSizeCombo(controls.fontsize, fontsize);
  controls.textcolor = new ColourSwatch(chooser, controls.group);
  controls.textcolor->SetColour(textcolor);
  controls.form->addRow(kTitleLabel, controls.title);
  controls.form->addRow(kSizeLabel, controls.fontsize);
  controls.form->addRow(kColorLabel, controls.textcolor);
  return controls;
}

}  // namespace korvix
