#include "exchange/GedcomPreScan.h"

#include "exchange/GedcomReader.h"

namespace {

TGedDateiInfo Scan(TGedReader& reader) {
  TGedDateiInfo info;
  TGedRecord record;
  while (reader.Next(record)) {
    ++info.Datensaetze;
    if (record.Is("INDI")) ++info.Personen;
    else if (record.Is("FAM")) ++info.Familien;
    else if (record.Is("OBJE")) ++info.Medien;
    else if (record.Is("NOTE")) ++info.Notizen;
    else if (record.Is("SOUR")) ++info.Quellen;
    else if (record.Is("HEAD") && !info.HatKopf) {
      info.HatKopf = true;
      info.Kopf = std::move(record);
    } else if (record.Is("SUBM") && !info.HatErsteller) {
      info.HatErsteller = true;
      info.Ersteller = std::move(record);
    }
  }
  if (info.HatKopf) {
    const TGedRecord& head = info.Kopf;
    if (const TGedLine* sour = head.Child("SOUR")) {
      info.Quelle = sour->value;
      info.QuelleName = sour->ChildValue("NAME");
      info.QuelleVersion = sour->ChildValue("VERS");
    }
    if (const TGedLine* gedc = head.Child("GEDC")) {
      info.GedcomVersion = gedc->ChildValue("VERS");
      info.GedcomForm = gedc->ChildValue("FORM");
    }
    info.Dateiname = head.ChildValue("FILE");
    info.Datum = head.ChildValue("DATE");
  }
  info.Zeichensatz = reader.Decoder().DeclaredText();
  info.ZeichensatzAngegeben = reader.Decoder().Declared();
  info.ZeichensatzGelesen = reader.Decoder().Used();
  info.Zeilen = reader.Lines();
  info.Probleme = reader.Problems();
  return info;
}

}  // namespace

TGedDateiInfo ScanGedcomFile(const std::string& path, TGedProblemSink sink) {
  TGedReader reader(path, std::move(sink));
  return Scan(reader);
}

TGedDateiInfo ScanGedcom(std::istream& in, TGedProblemSink sink) {
  TGedReader reader(in, std::move(sink));
  return Scan(reader);
}
