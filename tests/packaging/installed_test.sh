#!/usr/bin/env bash
# An installed tree as a user gets it: every file in its place, the desktop
# entry and the AppStream file valid, and the program started through its
# launcher offscreen, reaching its start screen in a new working folder.
#
#   installed_test.sh <prefix> <app id> <start probe library> <scratch folder>
prefix=$1
app_id=$2
probe=$3
. "$(dirname "$0")/checks.sh" "$4"

# --- The tree ---------------------------------------------------------------------
data=$prefix/share/velmir
[ -x "$prefix/bin/velmir" ] || fail "no launcher $prefix/bin/velmir"
[ -x "$prefix/libexec/velmir/velmir" ] || fail "no program $prefix/libexec/velmir/velmir"
[ -s "$data/POM.CFG" ] || fail "no default settings $data/POM.CFG"
[ "$(stat -c %s "$data/POM.CFG")" = 536 ] || fail "the default POM.CFG is not 67 records"
count=0
while IFS= read -r f; do
    [ -s "$data/$f" ] || fail "data.list names $f, which is not installed"
    count=$((count + 1))
done < <(tail -n +2 "$data/data.list")
for f in AN.DAX r11.dat r61.dat system/podklad.bmp system/podklad800.bmp system/tachak.bmp zvuky/cink.wav; do
    grep -qx "$f" "$data/data.list" || fail "data.list lacks $f"
done
[ -e "$data/velmir" ] && fail "the program lies among the data"

desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$metainfo" >"$scratch/appstream" 2>&1 ||
    fail "appstreamcli validate $metainfo: $(cat "$scratch/appstream")"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"

# Each icon is a PNG of its folder's size with an alpha channel (IHDR: width,
# height, bit depth 8, colour type 6).
for size in 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png
    header=$(od -An -tx1 -j12 -N14 "$icon" 2>/dev/null | tr -d ' \n')
    expected=$(printf '49484452%08x%08x0806' "$size" "$size")
    [ "$header" = "$expected" ] || fail "$icon is not a ${size}x$size RGBA PNG (IHDR $header)"
done

# --- Started as from the desktop menu ----------------------------------------------
home=$scratch/home
work=$home/.local/share/velmir
LD_PRELOAD=$probe HOME=$home "$prefix/bin/velmir" >"$scratch/out" 2>"$scratch/err"
code=$?
real_work=$(cd "$work" 2>/dev/null && pwd -P)
grep -qx "velmir-probe: start screen [0-9]*x[0-9]* in $real_work" "$scratch/out" ||
    fail "first start (exit code $code): $(cat "$scratch/out") $(grep -v XDG_RUNTIME_DIR "$scratch/err")"
cmp -s "$work/POM.CFG" "$data/POM.CFG" || fail "the working folder's POM.CFG is not the default"
[ -L "$work/system/podklad800.bmp" ] || fail "the start picture is not linked into the working folder"

# A teacher's settings stay, and the program still starts with them (record
# 64 is one the program ignores).
printf '\000\000\000\000\000\000\360\077' | dd of="$work/POM.CFG" bs=1 seek=512 conv=notrunc status=none
cp "$work/POM.CFG" "$scratch/teacher.cfg"
LD_PRELOAD=$probe HOME=$home "$prefix/bin/velmir" >"$scratch/out" 2>"$scratch/err"
grep -q "velmir-probe: start screen" "$scratch/out" ||
    fail "second start: $(cat "$scratch/out") $(grep -v XDG_RUNTIME_DIR "$scratch/err")"
cmp -s "$work/POM.CFG" "$scratch/teacher.cfg" || fail "the teacher's POM.CFG was replaced"
cmp -s "$work/POM.CFG" "$data/POM.CFG" && fail "the teacher's POM.CFG was not changed by the test"

report "installed tree $prefix"
