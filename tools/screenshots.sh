#!/usr/bin/env bash
# Screenshots of the real program as a person sees it, under Xvfb: for the
# README and the software centre (docs/screenshots/), or to look at the
# program on another screen size.
#
#   tools/screenshots.sh [--size WxH] [--display :N] [--out DIR] [--no-build]
#
# Defaults: 1024x768 into docs/screenshots/; any other size into
# build/screenshots-WxH/.  The display is the first free one from :90 on.
#
# Each scene drives the program on from where the one before left it and
# keeps its picture only when the screen shows what the scene is for; a scene
# whose feature is not built yet is reported and skipped, so the script runs
# at every stage of the program.  A new scene is a function scene_<name> that
# returns 0 when its picture should be kept, added to SCENES in its place.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

SCENES=(start equation work teacher)

size=1024x768
display=
out=
build=yes
while (($#)); do
    case $1 in
    --size) size=$2 && shift ;;
    --display) display=$2 && shift ;;
    --out) out=$2 && shift ;;
    --no-build) build= ;;
    *) echo "usage: $0 [--size WxH] [--display :N] [--out DIR] [--no-build]" >&2 && exit 2 ;;
    esac
    shift
done
[[ $size =~ ^([0-9]+)x([0-9]+)$ ]] || { echo "--size must be WxH, not $size" >&2; exit 2; }
width=${BASH_REMATCH[1]}
height=${BASH_REMATCH[2]}
if [ -z "$out" ]; then
    if [ "$size" = 1024x768 ]; then out=$root/docs/screenshots; else out=$root/build/screenshots-$size; fi
fi
if [ -z "$display" ]; then
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=:$n && break; }
    done
fi
bash "$root/tools/setup-debian.sh" screenshots
[ -n "$build" ] && bash "$root/tools/build.sh"
[ -x "$root/build/velmir/velmir" ] || { echo "build/velmir/velmir is not built" >&2; exit 1; }

# The program in a copy of its runtime folder with the delivered settings
# (password UCITEL), so a developer's own settings and exercises stay out.
scratch=$(mktemp -d)
work=$scratch/velmir
cp -a "$root/build/velmir" "$work"
rm -f "$work"/*.cvc
cp "$root/build/data/settings/POM.CFG" "$work/POM.CFG"
mkdir -p "$out"

xvfb=
program=
finish() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap finish EXIT

Xvfb "$display" -screen 0 "${width}x${height}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export DISPLAY=$display
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
(cd "$work" && exec ./velmir) >"$scratch/program.log" 2>&1 &
program=$!

# Where a point of the 800 x 600 design lies on this screen, as the program
# places its picture: the 800 picture on a screen 800 wide, else the
# 1024 x 768 one centred, all enlarged by the program's whole factor on a
# large board.
factor=$((width / 1024 < height / 768 ? width / 1024 : height / 768))
((factor >= 1)) || factor=1
at() {
    local x=$1 y=$2 lw=$((width / factor)) lh=$((height / factor))
    if ((lw == 800)); then
        echo "$((x * factor)) $((y * factor))"
    else
        echo "$((((lw - 1024) / 2 + x * 128 / 100) * factor)) $((((lh - 768) / 2 + y * 128 / 100) * factor))"
    fi
}
click() { # design x, design y
    read -r px py < <(at "$1" "$2")
    xdotool mousemove "$px" "$py" click 1
}
shot() { import -window root "$1"; }
# How many pixels of two pictures differ, within the design rectangle
# (left top right bottom), or all of them.
changed() {
    local a=$1 b=$2 region=
    if (($# == 6)); then
        read -r l t < <(at "$3" "$4")
        read -r r u < <(at "$5" "$6")
        region="[$((r - l))x$((u - t))+$l+$t]"
    fi
    # compare prints the count (in exponent form when large) on stderr.
    compare -metric AE -fuzz 5% "$a$region" "$b$region" null: 2>&1 | awk '{ printf "%d\n", $1 + 0 }'
}
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# --- Scenes ----------------------------------------------------------------------
scene_start() {
    timeout 20 xdotool search --sync --onlyvisible --name 'Velmir rovnic' >/dev/null || return 1
    sleep 2.5 # the greeting
    shot "$scratch/start.png"
}

scene_equation() { # the easiest area, x + 5 = 7
    click 250 138
    sleep 2
    shot "$scratch/equation.png"
    (($(changed "$scratch/start.png" "$scratch/equation.png") > 5000))
}

scene_work() { # a pupil's first line and Enter: the mascot answers
    xdotool type --delay 120 'x+7-7=14-7'
    sleep 0.5
    xdotool key Return
    sleep 2
    shot "$scratch/work.png"
    # More than the caret's blinking changed in the writing area.
    (($(changed "$scratch/equation.png" "$scratch/work.png" 32 100 779 200) > 300))
}

scene_teacher() { # back to the start screen, the settings button, the password
    click 676 84
    sleep 1
    click 644 84
    sleep 1
    visible 'Heslo' || return 1
    xdotool type --delay 100 'UCITEL'
    xdotool key Return
    sleep 1.5
    visible 'Nastavení pro učitele' || return 1
    shot "$scratch/teacher.png"
}

taken=()
for scene in "${SCENES[@]}"; do
    if "scene_$scene" && [ -f "$scratch/$scene.png" ]; then
        cp "$scratch/$scene.png" "$out/$scene.png"
        taken+=("$scene")
        echo "$scene: $out/$scene.png"
    else
        echo "$scene: not reached (not built yet?), skipped"
    fi
    kill -0 "$program" 2>/dev/null || { echo "the program ended:" && cat "$scratch/program.log" && exit 1; }
done
((${#taken[@]})) || { echo "no screenshot taken" >&2; exit 1; }
