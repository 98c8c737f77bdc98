#!/usr/bin/env bash
# Builds Orvelin and starts the desktop program. Without arguments it opens
# the sample database (a working copy under build/sample, so that the copy in
# the repository stays as it is).
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build"
if [[ $# -eq 0 ]]; then
  sample="$top/build/sample"
  if [[ ! -f "$sample/Beispiel.ov" ]]; then
    mkdir -p "$sample"
    cp "$top/sample/Beispiel.ov" "$sample/"
  fi
  set -- "$sample/Beispiel.ov"
fi
exec "$top/build/app/orvelin" "$@"
