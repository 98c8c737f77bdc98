#!/usr/bin/env bash
# Builds Orvelin and starts the desktop program.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build"
exec "$top/build/app/orvelin" "$@"
