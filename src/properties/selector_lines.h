#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvix {

// The lines the ID Label Selector offers from a name list, in list order and
// without their line ends: headers as "<Data Windows>", entries as TAB and
// label. With a `group` header only that group is offered, or the single
// header "No <name> Found" when the list lacks it. Without one, every group
// before the global variables is offered, and with `braces` the global
// variables too; Chart Recorders and Scripts are offered only as a group.
std::vector<std::string> SelectorLines(std::string_view namelist, bool braces, std::string_view group);

// Only entry lines can be chosen; headers merely group them.
bool IsSelectorEntry(std::string_view line);

// The label an entry line gives: its first 99 characters without the TAB,
// in curly braces when `braces` is set.
std::string SelectedLabel(std::string_view line, bool braces);

// The function a Math Function Selector line gives: the line cut back to its
// last ")", as "$ABS(  )".
std::string SelectedFunction(std::string_view line);

}  // namespace korvix
