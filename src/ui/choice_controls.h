#pragma once

#include <initializer_list>
#include <string>

class QButtonGroup;
class QCheckBox;
class QFormLayout;
class QGroupBox;
class QComboBox;
class QSlider;
class QWidget;

#include "ui/colour_swatch.h"

namespace korvix {

class Latin1LineEdit;

// The controls that the property dialogs of the controls and state objects
// build many of. Each shows the value it is given; -1 shows no choice.

// Radio buttons whose ids are the stored numbers 0, 1, ...; the caller lays
// them out, each with the field that belongs to it.
QButtonGroup* NewRadioGroup(QWidget* parent, std::initializer_list<const char*> texts, int checked);
QCheckBox* NewCheckBox(const char* text, int checked, QWidget* parent);
// A horizontal track bar from 0 to `maximum`, with a tick at every step.
QSlider* NewTrackBar(int maximum, int position, QWidget* parent);
Latin1LineEdit* NewFieldEdit(int limit, const std::string& text, QWidget* parent);
int CheckState(const QCheckBox* box);

// The "Screen Text" group that the dialogs open with: Title, Size, Color,
// and room in `form` for more rows.
struct ScreenTextControls {
  QGroupBox* group;
  QFormLayout* form;
  Latin1LineEdit* title;
  QComboBox* fontsize;
  ColourSwatch* textcolor;
};
ScreenTextControls NewScreenTextGroup(QWidget* parent, const ColourChooser& chooser, const std::string& title,
                                      int fontsize, int textcolor);

}  // namespace korvix
