// Checks on family relations before they are written: whether one person is
// an ancestor of another (walking Vater and Mutter through AhnenDB), and
// which sex a person's marriages and children demand. Both read the tables
// as they are; the walk is guarded against cycles already in the data.
#pragma once

#include <string>

// True when ancestorId is reached from personId by following Vater and
// Mutter any number of times (not counting personId itself).
bool IsAncestor(int ancestorId, int personId);

// The sex that the stored relations of a person demand: as husband or
// father male (0), as wife or mother female (1). 2 when nothing demands a
// sex; -1 when relations of both kinds exist.
int SexDemandedByRelations(int personId);

// Empty when parentId may become a parent of childId; otherwise the German
// message that says why not (the same person, or the child is already an
// ancestor of the parent).
std::string ParentAssignmentRefusal(int parentId, int childId);
