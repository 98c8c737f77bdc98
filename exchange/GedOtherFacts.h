// Facts without a field of their own, of persons and families alike: an EVEN
// line with its TYPE, DATE and PLAC, or a line of a tag the import does not
// know, turned into a title (the tag's name, see TranslateTag) and a text.
#pragma once

#include <string>

class TGedImportRun;

struct TGedFact {
  std::string title;
  std::string text;
};

// Reads the current line and the lines below it. The text begins with the
// line's own value, then "Datum ...", "Ort ..." and "name value" of the
// lines below, joined with ", ". An EVEN without TYPE is titled "Ereignis".
TGedFact ReadOtherFact(TGedImportRun& run, bool even);
