#!/usr/bin/env bash
# Builds the program and starts it from its runtime folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/build.sh"
if [ ! -x "$root/build/velmir/velmir" ]; then
  echo "The program is not there yet: build/velmir/velmir was not built."
  exit 0
fi
cd "$root/build/velmir"
exec ./velmir
