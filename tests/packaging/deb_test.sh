#!/usr/bin/env bash
# The Debian package: built by CPack, its control fields, unpacked into a
# scratch root (dpkg -x) and started there; then a second copy unpacked
# elsewhere, as an update or another machine of a lab would have it, takes
# over the same working folder.
#
#   deb_test.sh <CPackConfig.cmake> <installed_test.sh> <app id> <start probe> <scratch>
config=$1
installed_test=$2
app_id=$3
probe=$4
. "$(dirname "$0")/checks.sh" "$5"

cpack --config "$config" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || {
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
}
debs=("$scratch"/out/velmir_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "FAIL: no velmir_*.deb in $scratch/out" >&2; exit 1; }
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes," \
    "installed $(dpkg-deb --field "$deb" Installed-Size) KiB"

# --- Control fields -------------------------------------------------------------
[ "$(dpkg-deb --field "$deb" Package)" = velmir ] || fail "the package is not called velmir"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libc6 libstdc++6 fonts-liberation2; do
    [[ ", $depends," == *", $lib"[\ ,]* ]] || fail "Depends lacks $lib"
done
# Nothing from the build machine's folders, only the prefix.
dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' | grep -v '^\./$' >"$scratch/outside" &&
    fail "files outside /usr: $(cat "$scratch/outside")"

# --- Unpacked and started -----------------------------------------------------------
dpkg -x "$deb" "$scratch/root" || fail "dpkg -x failed"
bash "$installed_test" "$scratch/root/usr" "$app_id" "$probe" "$scratch/first" || fail "the unpacked package"

# Another copy of the same package elsewhere takes over the working folder,
# and it keeps working when the first copy is gone.
home=$scratch/first/home
work=$home/.local/share/velmir
dpkg -x "$deb" "$scratch/root2"
LD_PRELOAD=$probe HOME=$home "$scratch/root2/usr/bin/velmir" >"$scratch/out2" 2>"$scratch/err2"
grep -q "velmir-probe: start screen" "$scratch/out2" || fail "the second copy: $(cat "$scratch/out2" "$scratch/err2")"
target=$(readlink "$work/system/podklad800.bmp")
[[ $target == "$scratch/root2/"* ]] || fail "the start picture still points to $target"
rm -rf "$scratch/root"
LD_PRELOAD=$probe HOME=$home "$scratch/root2/usr/bin/velmir" >"$scratch/out2" 2>"$scratch/err2"
grep -q "velmir-probe: start screen" "$scratch/out2" ||
    fail "without the first copy: $(cat "$scratch/out2" "$scratch/err2")"

report "Debian package"
