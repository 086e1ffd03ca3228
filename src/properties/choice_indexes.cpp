#include "properties/choice_indexes.h"

namespace korvix {

int ChoiceIndex(int stored, int entries) { return stored >= 0 && stored < entries ? stored : -1; }

int ChoiceFromIndex(int index, int current) { return index < 0 ? current : index; }

}  // namespace korvix
