#include "exchange/GedOtherFacts.h"

#include "core/TextHelpers.h"
#include "exchange/GedImportRun.h"

TGedFact ReadOtherFact(TGedImportRun& run, bool even) {
  const TGedEntry first = run.Cur();
  TGedFact fact;
  const std::string own = ReadTextValue(run.in);
  if (!even) fact.title = run.Translate(first.tag, own);
  fact.text = own;
  while (!run.Cur().AtEnd() && run.Cur().level > first.level) {
    const std::string tag = run.Cur().tag;
    const std::string value = ReadTextValue(run.in);
    if (tag == "TYPE") {
      if (!value.empty()) fact.title = JoinComma(fact.title, run.Translate(value, ""));
    } else if (tag == "DATE") fact.text = JoinComma(fact.text, "Datum " + value);
    else if (tag == "PLAC") fact.text = JoinComma(fact.text, "Ort " + value);
    else fact.text = JoinComma(fact.text, JoinBlank(run.Translate(tag, value), value));
  }
  if (even && fact.title.empty()) fact.title = "Ereignis";
  return fact;
}
