#pragma once

#include <string>
#include <vector>

class QListWidget;
class QWidget;

namespace korvix {

// A list of step lines whose tabs stand `tabunits` dialog units of `dialog`
// apart, one line selectable at a time.
QListWidget* NewTabbedList(QWidget* dialog, int tabunits);

// Refills a step list with `lines`, keeping the line that was at its top in
// view, and selects `select` (-1 none).
void FillScriptStepList(QListWidget& list, const std::vector<std::string>& lines, int select);

}  // namespace korvix
