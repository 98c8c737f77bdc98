#!/usr/bin/env bash
# Builds Orvelin and starts the desktop program. Without arguments it opens
# the sample database, which the first start builds under build/sample from
# the sample GEDCOM file (so that the files in the repository stay as they are).
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build"
if [[ $# -eq 0 ]]; then
  sample="$top/build/sample"
  if [[ ! -f "$sample/Orvelin.ov" ]]; then
    # A new database with the sample family; a failed import leaves nothing behind.
    rm -rf "$sample"
    if ! { "$top/build/cli/ovtool" new "$sample" --title Beispielfamilie >/dev/null &&
           cp "$top/sample/baeckerei.png" "$sample/media/" &&
           "$top/build/cli/ovtool" import "$sample/Orvelin.ov" "$top/sample/Beispiel.ged" \
             --meldungsliste "$sample/GedImport.txt" >/dev/null; }; then
      rm -rf "$sample"
      echo "Die Beispieldatenbank konnte nicht erstellt werden." >&2
      exit 1
    fi
  fi
  set -- "$sample/Orvelin.ov"
fi
exec "$top/build/app/orvelin" "$@"
