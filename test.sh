#!/usr/bin/env bash
# Builds Orvelin and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/build"
cd "$top/build"
ctest --output-on-failure -j "$(nproc)"
