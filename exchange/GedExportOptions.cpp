#include "exchange/GedExportOptions.h"

#include "core/Configuration.h"
#include "core/TextCase.h"

TGedSubmitter SubmitterFromConfig(const TConfiguration& config) {
  TGedSubmitter s;
  s.Name = config.Name;
  s.Telefon = config.Telefon;
  std::size_t used = config.Adresse.size();
  while (used > 0 && config.Adresse[used - 1].empty()) --used;
  s.Adresse.assign(config.Adresse.begin(), config.Adresse.begin() + static_cast<std::ptrdiff_t>(used));
  return s;
}

bool ParseGedCharset(const std::string& text, TGedEncoding& out) {
  const std::string t = AnsiUpperCase(text);
  if (t == "ANSI") out = TGedEncoding::Ansi;
  else if (t == "ANSEL") out = TGedEncoding::Ansel;
  else if (t == "UTF-8" || t == "UTF8") out = TGedEncoding::Utf8;
  else return false;
  return true;
}
