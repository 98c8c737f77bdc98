// The choices of the GEDCOM import: where data without a field of its own goes,
// which special fields are read, and how 8-bit bytes are taken. The defaults are
// those the import window shows before the pre-scan sets ConvertDosToAnsi.
#pragma once

// The radio group "User Defined Tags".
enum class TUserDefTags {
  Benutzerfelder,  // "in benutzerdefinierte Felder": free-form entries
  Kommentar,       // "in Kommentarfeld einlesen": lines of the person's comment
  Ignorieren       // "ignorieren": not stored; the message list still names them
};

struct TGedImportOptions {
  TUserDefTags UserDefTags = TUserDefTags::Benutzerfelder;
  bool AskTagTranslation = true;        // "Benutzer nach Uebersetzung fragen"
  bool ReadRefnTags = true;             // "Personen-/Karteinr. (REFN) einlesen"
  bool AhnenWinFields = false;          // labelled note lines of 'Ahnen f. Windows'
  // The file's 8-bit bytes are DOS code page 437. Has no effect on a file
  // whose bytes were read as UTF-8, UTF-16, ANSEL or already as code page 437.
  bool ConvertDosToAnsi = false;
  bool NationalityToBuergerort = true;  // "'Nationality' in Bürgerort konvertieren"
  bool AssignMarriageAddress = true;    // shown hidden in the window; read by nothing

  bool UseUserDefinedTags() const { return UserDefTags == TUserDefTags::Benutzerfelder; }
  bool IgnoreUserDefinedTags() const { return UserDefTags == TUserDefTags::Ignorieren; }
};
