#pragma once

#include <QString>
#include <optional>
#include <string>

#include "properties/selector_insertion.h"

class QWidget;

namespace korvix {

// How the dialogs put a selector's result into the field being edited, a
// QLineEdit or a QPlainTextEdit.

void ApplyFieldChange(QWidget* field, const FieldChange& change);

// "Object ID Labels": the label chosen from `namelist` goes, in curly braces,
// in place of the field's selection, and the field gets the focus. False
// when the user cancelled.
bool InsertLabelReference(QWidget* field, const std::string& namelist);

// A field that names an object: the bare label chosen from `namelist`
// (restricted to the `group` header when given), or nothing on Cancel.
std::optional<QString> ChooseTargetLabel(QWidget* parent, const std::string& namelist, const std::string& group = {});
// The chosen label becomes the field's whole text.
void OfferTargetLabel(QWidget* field, const std::string& namelist, const std::string& group = {});

// "Math Functions": the chosen function goes in place of the field's
// selection, the caret between the blanks of its parentheses.
void InsertMathFunction(QWidget* field);

// "Global Variables": the reference texts, then the focus on `next`.
void ShowGlobalVariables(QWidget* parent, QWidget* next);

}  // namespace korvix
