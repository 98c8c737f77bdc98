// The structures of an INDI record with lines of their own below: events, address,
// change date, ASSO, media links and _DIVERSES. Each starts on its own line, leaves
// the cursor on the first line not below it, and reports bad data, never throws.
#pragma once

class TGedImportRun;
struct TGedPersonDraft;

enum class TGedEvent { Geburt, Taufe, Tod, Bestattung };

void ReadPersonEvent(TGedImportRun& run, TGedPersonDraft& d, TGedEvent event);
void ReadAddress(TGedImportRun& run, TGedPersonDraft& d);
void ReadChangeDate(TGedImportRun& run, TGedPersonDraft& d);
void ReadAssociation(TGedImportRun& run, TGedPersonDraft& d);
// AUDIO, PHOTO and VIDEO: the file on the line, a NOTE below as the title.
void ReadMediaLink(TGedImportRun& run, TGedPersonDraft& d);
// OBJE: embedded (FILE, TITL below), or a pointer to an object record.
void ReadObject(TGedImportRun& run, TGedPersonDraft& d);
void ReadDiverses(TGedImportRun& run, TGedPersonDraft& d);
