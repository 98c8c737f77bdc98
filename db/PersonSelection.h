// The person selection: one program-wide set of person ids, kept per database
// in "selpers.lst", that every "Nur ausgewählte Personen" output asks. A bit
// array over the ids 0 to 500000, so IsSelected takes constant time.
#pragma once

#include <string>

inline constexpr int MaxSelectablePersonId = 500000;

// An id outside 0 to 500000 is never selected, and selecting it does nothing.
bool IsSelected(int id);
void SelectPerson(int id);
void DeselectPerson(int id);
void ClearSelection();
int SelectionCount();

// Clears the set, then selects every valid id of "selpers.lst" in the open
// database's directory (Config->DBPath); a missing file leaves it empty.
void LoadDatabaseSelection();
// The same for the selection file of a database directory (ending in '/').
void LoadDatabaseSelection(const std::string& dbPath);
