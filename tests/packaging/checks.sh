# Sourced by the install tests: a fresh scratch folder, the program kept off
# any real display and data folder, and failures counted, not fatal.
#
#   . checks.sh <scratch folder>     then fail "..." as often as needed, and
#   report "<what>"                  at the end (exits 1 after any failure)
set -uo pipefail
scratch=$(readlink -m -- "$1")
rm -rf "$scratch"
mkdir -p "$scratch"
unset VELMIR_DATA_DIR XDG_DATA_HOME DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=offscreen

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

report() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "$1: all checks passed"
}
