// The text of the import window's page "Datei-Info": the file's header and
// submitter as the pre-scan found them, line by line with German labels,
// followed by what the file holds.
#pragma once

#include <string>
#include <vector>

#include "exchange/GedcomPreScan.h"

std::vector<std::string> DateiInfoLines(const TGedDateiInfo& info);
