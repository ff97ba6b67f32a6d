#!/usr/bin/env bash
# Builds the program and starts it from its runtime folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/build.sh"
if [ ! -x "$root/build/velmir/velmir" ]; then
  echo "build/velmir/velmir was not built; see the build output above." >&2
  exit 1
fi
cd "$root/build/velmir"
exec ./velmir
