#pragma once

namespace korvix {

// Stored numbers and the entries of the lists and radio groups that show
// them. Each mapping to an entry gives -1 for a stored value that the list
// does not offer, and each mapping back keeps the stored value (`current`)
// when no entry is chosen, so an odd value from a project file survives a
// visit to the dialog.

// Entry i stands for the stored value i.
int ChoiceIndex(int stored, int entries);
int ChoiceFromIndex(int index, int current);

// Tick marks "None", "2", "3", ...: entry i stands for i + 1 marks, "None"
// for one mark, which shows no scale.
int MarkCountIndex(int marks, int entries);
int MarkCountFromIndex(int index, int current);

// As above, but "None" is stored as 0; a stored 1 also shows as "None".
int NoneOrMarkCountIndex(int marks, int entries);
int NoneOrMarkCountFromIndex(int index, int current);

// Sub marks divide the space between tick marks; with no tick marks there
// is none to divide.
constexpr bool SubMarksAllowed(int tickindex) { return tickindex != 0; }

}  // namespace korvix
