#pragma once

namespace korvix {

// Stored numbers and the entries of the lists and radio groups that show
// them, entry i standing for the stored value i. A stored value that the
// list does not offer gives -1, and -1 keeps the stored value (`current`),
// so an odd value from a project file survives a visit to the dialog.
int ChoiceIndex(int stored, int entries);
int ChoiceFromIndex(int index, int current);

}  // namespace korvix
