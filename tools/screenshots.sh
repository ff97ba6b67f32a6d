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
# not reached ends the script with status 1, naming the scene.  A new scene
# is a function scene_<name> that returns 0 when its picture should be kept,
# added to SCENES in its place.
#
# The same pictures every run: the pupil solves the exercise
# docs/screenshots/ukazka.txt (built into Ukázka.cvc), whose equations come
# in their order, where an area would draw one of three at random.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

SCENES=(start work check error teacher evaluation help)

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
for f in velmir/velmir bin/rovnice; do
    [ -x "$root/build/$f" ] || { echo "build/$f is not built" >&2; exit 1; }
done

# The program in a copy of its runtime folder with the delivered settings
# (password UCITEL), so a developer's own settings and exercises stay out.
scratch=$(mktemp -d)
work=$scratch/velmir
cp -a "$root/build/velmir" "$work"
rm -f "$work"/*.cvc
cp "$root/build/data/settings/POM.CFG" "$work/POM.CFG"
"$root/build/bin/rovnice" build "$root/docs/screenshots/ukazka.txt" -o "$scratch" >/dev/null
mv "$scratch/ukazka.dat" "$work/Ukázka.cvc"
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

[ -n "$display" ] && [ ! -e "/tmp/.X${display#:}-lock" ] || { echo "display ${display:-(none free)} is in use" >&2; exit 1; }
Xvfb "$display" -screen 0 "${width}x${height}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb could not start on display $display" >&2; exit 1; }
export DISPLAY=$display
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
(cd "$work" && exec ./velmir) >"$scratch/program.log" 2>&1 &
program=$!

# Where a point of the 800 x 600 design lies on this screen, as the program
# places its picture: the 800 picture on a screen 800 wide, or centred on a
# screen that cannot hold the 1024 x 768 one whole, else the 1024 x 768 one
# centred, all enlarged by the program's whole factor on a
# large board.
factor=$((width / 1024 < height / 768 ? width / 1024 : height / 768))
((factor >= 1)) || factor=1
at() {
    local x=$1 y=$2 lw=$((width / factor)) lh=$((height / factor))
    if ((lw == 800)); then
        echo "$((x * factor)) $((y * factor))"
    elif ((lw < 1024 || lh < 768)); then # the small picture, centred
        echo "$((((lw - 800) / 2 + x) * factor)) $((((lh - 600) / 2 + y) * factor))"
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

# A point given in the window's own pixels (not the design's), as placed on
# this screen: for what the program does not scale, as the exercise chooser.
pixel() {
    local x=$1 y=$2 lw=$((width / factor)) lh=$((height / factor)) top
    if ((lw == 800 || lw < 1024 || lh < 768)); then top=$(((lh - 600) / 2)); else top=$(((lh - 768) / 2)); fi
    echo "$((x * factor)) $(((top + y) * factor))"
}
# A click into a dialog, at its own coordinates (dialogs are not scaled
# with the picture, only by the whole factor).
dialog_click() { # window name, x, y
    local id x y
    id=$(xdotool search --onlyvisible --name "$1" | head -1)
    [ -n "$id" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove "$((X + $2 * factor))" "$((Y + $3 * factor))" click 1
}
# Writes as a pupil does on the keyboard: words are typed ("/" opens a
# fraction, its numerator first), Down, Right and Return are keys.
write() {
    for part in "$@"; do
        case $part in
        Down | Right | Return) xdotool key "$part" ;;
        *) xdotool type --delay 60 "$part" ;;
        esac
    done
}
# The speech bubble beside the mascot, and the page's lines 4 and 5 left of
# the keypad, in design coordinates.
BUBBLE=(92 8 225 65)
LOWER_LINES=(30 217 220 295)

# --- Scenes ----------------------------------------------------------------------
scene_start() {
    timeout 20 xdotool search --sync --onlyvisible --name 'Velmir rovnic' >/dev/null || return 1
    sleep 2.5 # the greeting
    shot "$scratch/start.png"
}

scene_work() { # the exercise chosen, one line done, the next being written
    click 533 556 # "Cvičení"
    sleep 1
    read -r px py < <(pixel $(((width / factor - 289) / 2 + 60)) $((176 + 68)))
    xdotool mousemove "$px" "$py" click 1 # its first (only) exercise
    sleep 1.5
    shot "$scratch/presented.png"
    (($(changed "$scratch/start.png" "$scratch/presented.png") > 5000)) || return 1
    write /3x Down 6 Right +/2x Down 6 Right =5 Return
    sleep 1
    write /5x Down 6 Right =
    sleep 0.05 # the caret shows at once after a key, then blinks
    shot "$scratch/work.png"
    # Two lines written, and no bubble: the first line was right.
    (($(changed "$scratch/presented.png" "$scratch/work.png" 30 102 779 178) > 1000)) &&
        (($(changed "$scratch/presented.png" "$scratch/work.png" "${BUBBLE[@]}") < 200))
}

scene_check() { # solved, then the check by substitution to its end
    write 5 Return
    sleep 1
    write 5x=30 Return
    sleep 1
    write x=6 Return
    sleep 1.5 # "Teď dělej zkoušku."
    write /6 Down 2 Right +/6 Down 3 Right Return
    sleep 1
    write 3+2 Return
    sleep 1
    write 5 Return
    sleep 1.5
    shot "$scratch/check.png"
    # The last lines ("=5", "P=5  L=P") and the bubble for the next equation.
    (($(changed "$scratch/work.png" "$scratch/check.png" "${LOWER_LINES[@]}") > 300)) &&
        (($(changed "$scratch/work.png" "$scratch/check.png" "${BUBBLE[@]}") > 2000))
}

scene_error() { # the next equation and a wrong line: the mascot names the error
    click 470 390
    sleep 1.5
    shot "$scratch/next.png"
    (($(changed "$scratch/check.png" "$scratch/next.png" "${LOWER_LINES[@]}") > 300)) || return 1
    write 3x-2x=1-7 Return
    sleep 1.2
    shot "$scratch/error.png"
    (($(changed "$scratch/next.png" "$scratch/error.png" "${BUBBLE[@]}") > 2000))
}

scene_teacher() { # back to the start screen, the teacher's button, the password
    click 676 84 # the first press only takes the bubble away
    sleep 0.8
    click 676 84
    sleep 1
    click 644 84
    sleep 1
    visible '^Heslo' || return 1
    xdotool type --delay 100 'UCITEL'
    xdotool key Return
    sleep 1.5
    visible '^Podpůrný program' || return 1
    shot "$scratch/teacher.png"
}

scene_evaluation() { # the pupil's results in the exercise
    xdotool key Escape
    sleep 0.8
    click 577 84
    sleep 1
    visible '^Hodnocení' || return 1
    shot "$scratch/evaluation-empty.png"
    dialog_click '^Hodnocení' 344 241 || return 1 # "Cvičení"
    sleep 1
    shot "$scratch/evaluation.png"
    (($(changed "$scratch/evaluation-empty.png" "$scratch/evaluation.png") > 1500))
}

scene_help() {
    xdotool key Escape
    sleep 0.8
    click 609 84
    sleep 1.5
    visible '^Nápověda' || return 1
    shot "$scratch/help.png"
}

started=$SECONDS
for scene in "${SCENES[@]}"; do
    if ! "scene_$scene" || [ ! -f "$scratch/$scene.png" ]; then
        echo "$scene: NOT REACHED; the screen at that moment: $out/failed-$scene.png" >&2
        shot "$out/failed-$scene.png" || true
        cat "$scratch/program.log" >&2
        exit 1
    fi
    cp "$scratch/$scene.png" "$out/$scene.png"
    echo "$scene: $out/$scene.png"
    kill -0 "$program" 2>/dev/null || { echo "the program ended:" >&2 && cat "$scratch/program.log" >&2 && exit 1; }
done
echo "${#SCENES[@]} screenshots in $((SECONDS - started)) s"
