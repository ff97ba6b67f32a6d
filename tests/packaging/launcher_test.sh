#!/usr/bin/env bash
# The launcher over a small installed tree of its own: a stand-in program that
# reports where it runs, and a few data files.
#
#   launcher_test.sh <configured launcher> <scratch folder>
launcher=$(readlink -f -- "$1")
. "$(dirname "$0")/checks.sh" "$2"
cd "$scratch" || exit 1
expect_file() {  # file content
    [ "$(cat "$1" 2>/dev/null)" = "$2" ] || fail "$1 holds '$(cat "$1" 2>/dev/null)', expected '$2'"
}
expect_link() {  # link target
    [ -L "$1" ] || { fail "$1 is not a link"; return; }
    [ "$(readlink "$1")" = "$2" ] || fail "$1 points to $(readlink "$1"), expected $2"
}

# An installed tree under $1: the launcher, a program that writes its working
# folder into $PWD/ran (relative to where it runs) and exits 7, and data.
make_prefix() {
    local p=$1
    mkdir -p "$p/bin" "$p/libexec/velmir" "$p/share/velmir/system" "$p/share/velmir/zvuky"
    cp "$launcher" "$p/bin/velmir"
    cat >"$p/libexec/velmir/velmir" <<'EOF'
#!/bin/sh
pwd -P >ran
echo "args: $*" >>ran
exit 7
EOF
    chmod +x "$p/bin/velmir" "$p/libexec/velmir/velmir"
    echo "default settings" >"$p/share/velmir/POM.CFG"
    echo "script 1" >"$p/share/velmir/AN.DAX"
    echo "area 11" >"$p/share/velmir/r11.dat"
    echo "picture a" >"$p/share/velmir/system/a.bmp"
    echo "sound b" >"$p/share/velmir/zvuky/b.wav"
    printf 'velmir-data 1\nAN.DAX\nr11.dat\nsystem/a.bmp\nzvuky/b.wav\n' >"$p/share/velmir/data.list"
}

# Runs the launcher of prefix $1 with the environment after it; its standard
# error goes to $scratch/err, its exit code to $code.
start() {
    local p=$1
    shift
    env "$@" "$p/bin/velmir" one two 2>"$scratch/err" >/dev/null
    code=$?
}

prefix=$scratch/usr
make_prefix "$prefix"
data=$prefix/share/velmir
home=$scratch/home
work=$home/.local/share/velmir

# --- First start: folder, default settings, links, the program in it --------
start "$prefix" HOME="$home"
[ "$code" = 7 ] || fail "first start: exit code $code, expected the program's 7 ($(cat err))"
expect_file "$work/ran" "$work
args: one two"
expect_file "$work/POM.CFG" "default settings"
[ -L "$work/POM.CFG" ] && fail "POM.CFG is a link into the installed data, not a copy"
for f in AN.DAX r11.dat system/a.bmp zvuky/b.wav; do expect_link "$work/$f" "$data/$f"; done
[ -s err ] && fail "first start wrote to stderr: $(cat err)"
leftovers=$(find "$work" -name '.velmir-*' ! -name .velmir-data)
[ -z "$leftovers" ] || fail "temporary files left behind: $leftovers"

# --- XDG_DATA_HOME first; a relative one does not count ---------------------
start "$prefix" HOME="$home" XDG_DATA_HOME="$scratch/xdg"
expect_file "$scratch/xdg/velmir/ran" "$scratch/xdg/velmir
args: one two"
mkdir -p "$scratch/here" && (cd "$scratch/here" && env HOME="$home" XDG_DATA_HOME=relative "$prefix/bin/velmir" 2>/dev/null)
[ -e "$scratch/here/relative" ] && fail "a relative XDG_DATA_HOME was used"

# --- The teacher's files survive every start and an update ---------------------
echo "teacher's settings" >"$work/POM.CFG"
echo "teacher's exercise" >"$work/moje.cvc"
echo "pupil's note" >"$work/poznamka.txt"
start "$prefix" HOME="$home"
expect_file "$work/POM.CFG" "teacher's settings"

# A deleted link comes back although nothing was installed anew.
rm "$work/system/a.bmp"
start "$prefix" HOME="$home"
expect_link "$work/system/a.bmp" "$data/system/a.bmp"

# An update adds a picture, drops an area file and changes a sound.
echo "picture c" >"$data/system/c.bmp"
rm "$data/r11.dat"
echo "sound b, new" >"$data/zvuky/b.wav"
printf 'velmir-data 2\nAN.DAX\nsystem/a.bmp\nsystem/c.bmp\nzvuky/b.wav\n' >"$data/data.list"
start "$prefix" HOME="$home"
[ "$code" = 7 ] || fail "after the update: exit code $code ($(cat err))"
expect_link "$work/system/c.bmp" "$data/system/c.bmp"
[ -e "$work/r11.dat" ] || [ -L "$work/r11.dat" ] && fail "the link of a file no longer installed stayed"
expect_file "$work/zvuky/b.wav" "sound b, new"
expect_file "$work/POM.CFG" "teacher's settings"
expect_file "$work/moje.cvc" "teacher's exercise"
expect_file "$work/poznamka.txt" "pupil's note"

# --- Another installation of the same data (a lab machine's, a moved one) ---
other=$scratch/opt/velmir
mkdir -p "$scratch/opt"
cp -a "$prefix" "$other"
start "$other" HOME="$home"
for f in AN.DAX system/a.bmp system/c.bmp zvuky/b.wav; do expect_link "$work/$f" "$other/share/velmir/$f"; done

# --- One folder for a lab; a relative name is taken from where it starts ----
start "$prefix" HOME="$home" VELMIR_DATA_DIR="$scratch/lab folder"
expect_file "$scratch/lab folder/ran" "$scratch/lab folder
args: one two"
expect_file "$scratch/lab folder/POM.CFG" "default settings"
(cd "$scratch" && env VELMIR_DATA_DIR=relative-lab "$prefix/bin/velmir" 2>/dev/null)
expect_file "$scratch/relative-lab/POM.CFG" "default settings"

# Pupils starting at the same moment on a new shared folder.
shared=$scratch/shared
for i in 1 2 3 4 5 6 7 8; do
    env HOME="$home" VELMIR_DATA_DIR="$shared" "$prefix/bin/velmir" 2>"$scratch/err$i" >/dev/null &
done
wait
for i in 1 2 3 4 5 6 7 8; do [ -s "$scratch/err$i" ] && fail "concurrent start $i: $(cat "$scratch/err$i")"; done
expect_file "$shared/POM.CFG" "default settings"
for f in AN.DAX system/a.bmp system/c.bmp zvuky/b.wav; do expect_link "$shared/$f" "$data/$f"; done
leftovers=$(find "$shared" -name '.velmir-*' ! -name .velmir-data)
[ -z "$leftovers" ] || fail "concurrent starts left temporary files: $leftovers"

# --- A file system that refuses links gets copies, refreshed by an update -----
shims=$scratch/shims
mkdir -p "$shims"
cat >"$shims/ln" <<'EOF'
#!/bin/sh
for a in "$@"; do case $a in -s | -s*) echo "ln: operation not supported" >&2; exit 1 ;; esac; done
exec /bin/ln "$@"
EOF
chmod +x "$shims/ln"
start "$prefix" HOME="$home" PATH="$shims:$PATH" VELMIR_DATA_DIR="$scratch/smb"
[ "$code" = 7 ] || fail "without links: exit code $code ($(cat err))"
[ -L "$scratch/smb/system/a.bmp" ] && fail "a link was made where links fail"
expect_file "$scratch/smb/system/a.bmp" "picture a"
expect_file "$scratch/smb/POM.CFG" "default settings"
echo "picture a, new" >"$data/system/a.bmp"
printf 'velmir-data 3\nAN.DAX\nsystem/a.bmp\nsystem/c.bmp\nzvuky/b.wav\n' >"$data/data.list"
start "$prefix" HOME="$home" PATH="$shims:$PATH" VELMIR_DATA_DIR="$scratch/smb"
expect_file "$scratch/smb/system/a.bmp" "picture a, new"

# --- Refusals: a Czech message, the program not started, nothing lost -------
refused() {  # what, words the message must hold
    local what=$1 words=$2
    [ "$code" = 1 ] || fail "$what: exit code $code, expected 1"
    grep -q "^Program Velmir rovnic nelze spustit: .*$words" err ||
        fail "$what: message '$(cat err)' lacks '$words'"
}
echo "a file" >"$scratch/plain"
start "$prefix" HOME="$home" VELMIR_DATA_DIR="$scratch/plain/velmir"
refused "folder under a file" "složku $scratch/plain/velmir se nepodařilo vytvořit"
start "$prefix" HOME="$home" VELMIR_DATA_DIR=/proc
refused "folder not writable" "do pracovní složky /proc nelze zapisovat"
start "$prefix" HOME= XDG_DATA_HOME=
refused "no home" "není nastavena proměnná HOME"
start "$prefix" HOME="$home" VELMIR_DATA_DIR="$data"
refused "the installed data as the working folder" "leží v jeho nainstalovaných datech"
[ -e "$data/ran" ] || [ -L "$data/system/a.bmp" ] && fail "the installed data were written to"
before=$(cat "$data/data.list")
mv "$data/data.list" "$data/data.list.away"
start "$prefix" HOME="$home"
refused "installed data missing" "chybí jeho data ve složce $data"
mv "$data/data.list.away" "$data/data.list"
[ "$(cat "$data/data.list")" = "$before" ] || fail "data.list changed"
expect_file "$work/POM.CFG" "teacher's settings"

report "launcher"
