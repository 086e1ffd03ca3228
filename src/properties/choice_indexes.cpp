#include "properties/choice_indexes.h"

namespace korvix {

int ChoiceIndex(int stored, int entries) { return stored >= 0 && stored < entries ? stored : -1; }

int ChoiceFromIndex(int index, int current) { return index < 0 ? current : index; }

int MarkCountIndex(int marks, int entries) { return ChoiceIndex(marks - 1, entries); }

int MarkCountFromIndex(int index, int current) { return index < 0 ? current : index + 1; }

int NoneOrMarkCountIndex(int marks, int entries) { return marks == 0 ? 0 : MarkCountIndex(marks, entries); }

int NoneOrMarkCountFromIndex(int index, int current) { return index == 0 ? 0 : MarkCountFromIndex(index, current); }

}  // namespace korvix
