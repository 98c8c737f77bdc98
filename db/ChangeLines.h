// The change-log lines of changed persons and marriages: the old row's
// identification followed by " label=new value" for each field whose value
// changes, in the fixed label order. Only fields that the write really
// stores are listed; changes of the comment never are.
#pragma once

#include <string>

#include "db/Person.h"

// "Person geändert: " old first names " " old surname " [" id "]:" and the
// changed fields. A plain TPerson lists only the fields that updating a plain
// TPerson writes (so neither baptism nor burial).
std::string PersonChangeLine(const TPersonDetail& row, const TPerson& now);

// "Ehe geändert: [" id "] mann=" old husband " frau=" old wife ":" and the
// changed fields.
std::string MarriageChangeLine(const TEheRec& row, const TEheRec& now);

// Writes a line to the change log of the open configuration, if any.
void LogDbChange(const std::string& text);
