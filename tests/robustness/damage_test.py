#!/usr/bin/env python3
"""Damaged data files: the real program, started offscreen on each.

Every case copies the runtime folder (hard links, so a case that changed a
file in place would show in the original), damages one of its files, and
starts the program there with the answering probe preloaded (damageprobe.cpp).
The probe answers every message and drives a short script that reads the
damaged file.  A case passes when the program ends with one of the messages
the damage may cause, or runs on to "Konec" with only such messages; it fails
on a crash, a sanitizer report, a hang (timeout), a message the damage cannot
explain, or a message said more often than once.

    damage_test.py --runtime build/velmir --probe libvelmir_damageprobe.so
                   --menu data/pictures/menu.txt --work DIR [--cases N]
                   [--seed S] [--jobs J] [--timeout SECONDS]
"""

import argparse
import concurrent.futures
import hashlib
import json
import os
import random
import shutil
import struct
import subprocess
import sys
import time

# --- The program's messages (UTF-8, as the probe prints them) -----------------

START_PICTURE = ("Program Velmir rovnic bude ukončen, neotevřel se soubor "
                 "system\\podklad.bmp resp podklad800.bmp")
DIAL = "Program Velmir rovnic bude ukončen, neotevřel se soubor system\\tachak.bmp"
KEYPAD = "Program Velmir rovnic bude ukončen, neotevřel se soubor system\\klavesnice.bmp"
SETTINGS = [" Soubor POM.CFG se nepodařilo otevřít!", " Soubor POM.CFG byl nepovoleně změněn!",
            " Nelze číst ze souboru POM.CFG!"]
ANIMATION_UNREADABLE = "Nepodařilo se číst ze souboru AN.DAX. Velmir se neukáže."
ANIMATION_DAMAGED = "Chybně zapsaná animace."
USED_UP = "Zvyšuji obtížnost všechny příklady jsou již spočítány."
ENTRANCE_DONE = "Všechny příklady již máš spočítány. Vyber si další činnost."
EXERCISE_DONE = "Všechny příklady ze cvičení již jsou spočítány."


def not_opened_at_start(name):
    return f"Soubor  {name}  se nepodařilo otevřít. Program bude ukončen."


def equation_file_messages(name):
    return [f"Nepodařilo se otevřít soubor {name}", f"Chyba při čtení ze souboru {name}",
            f"Soubor {name} obsahuje poškozené rovnice. Program je přeskočí.",
            f"V souboru {name} už není žádná nepoškozená rovnice. Vyber si další činnost."]


# Each of these ends the program at start-up.
FATAL = [START_PICTURE, DIAL, KEYPAD] + SETTINGS

# Said at most once a run, whatever happens.
ONCE = [ANIMATION_UNREADABLE, ANIMATION_DAMAGED]

RECORD = 5384          # an equation record
EXERCISE = "test.cvc"  # the exercise each case gets, four records of r12.dat

# --- Damage --------------------------------------------------------------------


def bmp(width, height):
    """A valid 24-bit BMP of that size, grey."""
    stride = (width * 3 + 3) // 4 * 4
    pixels = bytes([0x80]) * (stride * height)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def bmp_size(data):
    width, height = struct.unpack_from("<ii", data, 18)
    return width, abs(height)


def flip_bits(data, rng, count, within=None):
    data = bytearray(data)
    if not data:
        return bytes(data)
    for _ in range(count):
        lo, hi = within or (0, len(data))
        hi = min(hi, len(data))
        if lo >= hi:
            lo, hi = 0, len(data)
        at = rng.randrange(lo, hi)
        data[at] ^= 1 << rng.randrange(8)
    return bytes(data)


def damage_bytes(data, kind, rng, target):
    """New content for `target`, or None for a pipe or a folder."""
    if kind == "truncate":
        choice = rng.random()
        if choice < 0.2:
            return b""
        if choice < 0.4:
            return data[:rng.randrange(1, min(len(data), 140))]
        return data[:rng.randrange(1, len(data))]
    if kind == "zeros":
        return bytes(len(data))
    if kind == "flip":
        # Often where it matters most: the headers, or an equation and its root.
        where = rng.random()
        if where < 0.4 and target.endswith(".bmp"):
            return flip_bits(data, rng, rng.randint(1, 4), (0, 60))
        if where < 0.6 and (target.endswith(".dat") or target.endswith(".cvc")) and len(data) >= RECORD:
            record = rng.randrange(len(data) // RECORD) * RECORD
            part = rng.choice([(0, 48), (RECORD - 8, RECORD), (0, 256)])
            return flip_bits(data, rng, rng.randint(1, 6), (record + part[0], record + part[1]))
        return flip_bits(data, rng, rng.randint(1, 16))
    if kind == "records":
        # Whole records overwritten: zeros, or bytes of no meaning.
        data = bytearray(data)
        records = len(data) // RECORD
        chosen = range(records) if rng.random() < 0.3 else rng.sample(range(records), rng.randint(1, records))
        for r in chosen:
            fill = bytes(RECORD) if rng.random() < 0.5 else bytes(rng.randrange(256) for _ in range(RECORD))
            data[r * RECORD:(r + 1) * RECORD] = fill
        return bytes(data)
    if kind == "size":
        width, height = bmp_size(data)
        others = [(10, 10), (1280, 720), (1920, 1080), (width + 1, height), (width, height - 1),
                  (height, width), (width * 2, height * 2)]
        return bmp(*rng.choice([s for s in others if s != (width, height) and s[0] > 0 and s[1] > 0]))
    raise ValueError(kind)


# --- What each file is, what reads it and what it may cause ----------------------


def categories(runtime):
    files = {}
    for folder, _, names in os.walk(runtime):
        for name in names:
            path = os.path.relpath(os.path.join(folder, name), runtime)
            if path != "velmir":
                files[path] = os.path.join(folder, name)
    groups = {
        "area": sorted(f for f in files if f.startswith("r") and f.endswith(".dat")),
        "exercise": [EXERCISE],
        "animation": ["AN.DAX"],
        "settings": ["POM.CFG"],
        "start picture": ["system/podklad.bmp", "system/podklad800.bmp"],
        "dial": ["system/tachak.bmp"],
        "keypad": ["system/klavesnice.bmp"],
        "mascot": sorted(f for f in files if f.startswith("system/velmir")),
        "bubble": ["system/bublina.bmp"],
        "buttons": sorted(f for f in files if f.startswith("system/") and f.endswith(".bmp")
                          and not f.startswith("system/velmir")
                          and f not in ("system/podklad.bmp", "system/podklad800.bmp", "system/tachak.bmp",
                                        "system/klavesnice.bmp", "system/bublina.bmp")),
        "sound": sorted(f for f in files if f.startswith("zvuky/")),
    }
    return groups


def kinds_for(group):
    common = ["truncate", "flip", "zeros", "fifo", "dir"]
    if group in ("area", "exercise"):
        return common + ["records", "records"]
    if group in ("start picture", "dial", "keypad", "mascot", "bubble", "buttons"):
        return common + ["size", "size"]
    return common


def menu_points(menu_txt):
    """Centre of each start-menu box, in the 800 x 600 design, by code."""
    points = {}
    with open(menu_txt, encoding="utf-8") as f:
        for line in f:
            fields = [x.strip() for x in line.split("|")]
            if len(fields) < 4 or not fields[0].isdigit():
                continue
            left, right, top, bottom = (int(v) for v in fields[3].split())
            points[int(fields[0])] = ((left + right) // 2, (top + bottom) // 2)
    return points


def script_for(group, target, menu):
    def click(code):
        return "click:%d,%d" % menu[code]
    # Leaving takes two presses while the bubble of a wrong step is shown.
    leave = ["button:BitBtn10", "button:BitBtn10"]
    # A wrong line: the bubble, an error animation and its sound.
    wrong = ["type:1=2", "enter", "wait:300"]
    end = click(80)
    if group == "area":
        code = int(os.path.basename(target)[1:3])
        # Twice into the area: the second time it goes on where it stopped.
        return [click(code), "wait:150"] + wrong + leave + [click(code), "wait:150"] + leave + [end]
    if group == "exercise":
        return ([click(71), "row:0", "wait:150"] + wrong + leave + [click(71), "row:0", "wait:150"] + leave +
                ["button:Panel1/BitBtn1", end])
    if group == "animation":
        # The greeting runs its three seconds, then the resting record is read.
        return ["wait:3300", "click:30,30", "wait:200", click(11)] + wrong + ["click:30,30"] + leave + [end]
    if group == "mascot":
        return ["wait:1200", "click:30,30", "wait:300", click(11)] + wrong + ["wait:600"] + leave + [end]
    return [click(11), "wait:150"] + wrong + leave + [end]


def allowed(group, target, kind, screen_width):
    """(messages the case may show, the message it must show, whether it may end at start-up)."""
    name = os.path.basename(target)
    used_picture = "system/podklad800.bmp" if screen_width == 800 else "system/podklad.bmp"
    unopenable = kind in ("fifo", "dir")
    # A picture cut short, zeroed or of another size is always refused; one
    # with flipped bits only when the bits were in its headers.
    refused = unopenable or kind in ("size", "zeros", "truncate")
    if group == "start picture":
        if target != used_picture:
            return [], None, False
        return [START_PICTURE], START_PICTURE if refused else None, True
    if group == "dial":
        return [DIAL], DIAL if refused else None, True
    if group == "keypad":
        return [KEYPAD], KEYPAD if refused else None, True
    if group == "settings":
        must = SETTINGS[0] if unopenable else SETTINGS[1] if kind == "truncate" else None
        return SETTINGS, must, True
    if group == "area":
        messages = equation_file_messages(name) + [USED_UP, ENTRANCE_DONE]
        if unopenable:
            return [not_opened_at_start(name)], not_opened_at_start(name), True
        return messages, None, False
    if group == "exercise":
        return equation_file_messages(name) + [EXERCISE_DONE], None, False
    if group == "animation":
        return [ANIMATION_UNREADABLE, ANIMATION_DAMAGED], ANIMATION_UNREADABLE if unopenable else None, False
    return [], None, False


# --- One case --------------------------------------------------------------------


def prepare_folder(runtime, files, folder):
    os.makedirs(folder)
    for path in files.values():
        relative = os.path.relpath(path, runtime)
        destination = os.path.join(folder, relative)
        os.makedirs(os.path.dirname(destination), exist_ok=True)
        if relative == "POM.CFG":
            shutil.copyfile(path, destination)  # the one file the program may write
        else:
            os.link(path, destination)
    with open(os.path.join(runtime, "r12.dat"), "rb") as f:
        exercise = f.read(4 * RECORD)
    with open(os.path.join(folder, EXERCISE), "wb") as f:
        f.write(exercise)


def run_case(args, number, plan):
    group, target, kind, screen = plan["group"], plan["target"], plan["kind"], plan["screen"]
    rng = random.Random(plan["seed"])
    folder = os.path.join(args.work, "case-%04d" % number)
    shutil.rmtree(folder, ignore_errors=True)
    prepare_folder(args.runtime, args.files, folder)
    path = os.path.join(folder, target)
    with open(path, "rb") as f:
        original = f.read()
    os.unlink(path)  # never written through a link to the original
    if kind == "fifo":
        os.mkfifo(path)
    elif kind == "dir":
        os.mkdir(path)
    else:
        with open(path, "wb") as f:
            f.write(damage_bytes(original, kind, rng, target))

    env = dict(os.environ)
    env["QT_QPA_PLATFORM"] = "offscreen" if screen == 800 else "offscreen:configfile=" + args.screen_config
    env["LD_PRELOAD"] = args.probe
    env["VELMIR_DAMAGE_SCRIPT"] = ";".join(plan["script"])
    # The preloaded probe comes before the sanitizer's runtime; Qt's own
    # allocations at exit are no leak of this program.
    env["ASAN_OPTIONS"] = "verify_asan_link_order=0:detect_leaks=0:abort_on_error=1"
    env["UBSAN_OPTIONS"] = "print_stacktrace=1:halt_on_error=1"
    env.pop("QT_SCALE_FACTOR", None)
    started = time.monotonic()
    try:
        done = subprocess.run([args.program], cwd=folder, env=env, stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=args.timeout)
        output, errors, code, hung = done.stdout.decode("utf-8", "replace"), done.stderr.decode(
            "utf-8", "replace"), done.returncode, False
    except subprocess.TimeoutExpired as e:
        output = (e.stdout or b"").decode("utf-8", "replace")
        errors = (e.stderr or b"").decode("utf-8", "replace")
        code, hung = None, True
    seconds = time.monotonic() - started

    lines = [l[len("velmir-damage: "):] for l in output.splitlines() if l.startswith("velmir-damage: ")]
    messages = [l[len("message: "):] for l in lines if l.startswith("message: ")]
    may, must, may_end = allowed(group, target, kind, screen)
    problems = []
    if hung:
        problems.append("no end within %d s (hang)" % args.timeout)
    elif code < 0:
        problems.append("killed by signal %d (crash)" % -code)
    if "stuck" in lines:
        problems.append("still running long after its last step")
    for marker in ("ERROR: AddressSanitizer", "runtime error:", "ERROR: LeakSanitizer"):
        if marker in errors:
            problems.append("sanitizer: " + marker)
    for m in messages:
        if m not in may:
            problems.append("unexpected message: %r" % m)
    for m in set(messages):
        if (m in ONCE or "obsahuje poškozené" in m) and messages.count(m) > 1:
            problems.append("said %d times: %r" % (messages.count(m), m))
    if must and must not in messages:
        problems.append("missing message: %r" % must)
    if not hung and code is not None and code >= 0:
        # Ends with its message at start-up, or runs its script to "Konec".
        fatal = [m for m in messages if m in FATAL or m.endswith("Program bude ukončen.")]
        ran_on = "script done" in lines
        if code == 0 and (fatal or not ran_on):
            problems.append("went on after %r" % fatal[0] if fatal else "ended without running its script")
        if code == 1 and not (may_end and fatal):
            problems.append("ended at start-up without its message")
        if code not in (0, 1):
            problems.append("exit code %d" % code)
    result = dict(plan, number=number, code=code, messages=messages, seconds=round(seconds, 2),
                  problems=problems)
    if problems:
        with open(os.path.join(folder, "output.txt"), "w", encoding="utf-8") as f:
            f.write(output + "\n--- stderr ---\n" + errors[-20000:])
    else:
        shutil.rmtree(folder, ignore_errors=True)
    return result


def fingerprint(runtime):
    digest = {}
    for folder, _, names in os.walk(runtime):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                digest[os.path.relpath(path, runtime)] = hashlib.sha1(f.read()).hexdigest()
    return digest


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runtime", required=True)
    parser.add_argument("--program")
    parser.add_argument("--probe", required=True)
    parser.add_argument("--menu", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--cases", type=int, default=240)
    parser.add_argument("--seed", type=int, default=14)
    parser.add_argument("--jobs", type=int, default=4)
    parser.add_argument("--timeout", type=float, default=30)
    args = parser.parse_args()
    args.runtime = os.path.abspath(args.runtime)
    args.program = os.path.abspath(args.program or os.path.join(args.runtime, "velmir"))
    args.probe = os.path.abspath(args.probe)
    args.work = os.path.abspath(args.work)
    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    args.screen_config = os.path.join(args.work, "screen1024.json")
    with open(args.screen_config, "w") as f:
        json.dump({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1024, "height": 768,
                                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}, f)

    args.files = {}
    for folder, _, names in os.walk(args.runtime):
        for name in names:
            path = os.path.join(folder, name)
            if os.path.relpath(path, args.runtime) != "velmir":
                args.files[os.path.relpath(path, args.runtime)] = path
    groups = categories(args.runtime)
    groups = {g: files for g, files in groups.items() if files}
    menu = menu_points(args.menu)
    rng = random.Random(args.seed)
    plans = []
    # Every kind of file in turn, each with a damage drawn for it.
    names = sorted(groups)
    for i in range(args.cases):
        group = names[i % len(names)]
        target = rng.choice(groups[group])
        kind = rng.choice(kinds_for(group))
        screen = rng.choice([800, 1024])
        plans.append(dict(group=group, target=target, kind=kind, screen=screen, seed=rng.randrange(1 << 30),
                          script=script_for(group, target, menu)))

    before = fingerprint(args.runtime)
    started = time.monotonic()
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        results = list(pool.map(lambda p: run_case(args, *p), enumerate(plans)))
    elapsed = time.monotonic() - started
    changed = [f for f, h in fingerprint(args.runtime).items() if before.get(f) != h]

    failed = [r for r in results if r["problems"]]
    ended = sum(1 for r in results if r["code"] == 1)
    print("%d cases (seed %d) in %.0f s: %d ended with their message, %d ran on, %d failed"
          % (len(results), args.seed, elapsed, ended, len(results) - ended - len(failed), len(failed)))
    by_kind = {}
    for r in results:
        by_kind.setdefault((r["group"], r["kind"]), []).append(r)
    for (group, kind), rs in sorted(by_kind.items()):
        shown = sorted({m for r in rs for m in r["messages"]})
        print("  %-14s %-9s %3d cases  %s" % (group, kind, len(rs), "; ".join(shown) or "-"))
    for r in failed:
        print("FAIL case %d: %s %s (%s, screen %d, seed %d): %s\n    messages: %s\n    kept in %s"
              % (r["number"], r["group"], r["target"], r["kind"], r["screen"], r["seed"], "; ".join(r["problems"]),
                 r["messages"], os.path.join(args.work, "case-%04d" % r["number"])))
    if changed:
        print("FAIL: files of the runtime folder changed: " + ", ".join(changed))
    slowest = max(results, key=lambda r: r["seconds"])
    print("slowest case %d: %.1f s" % (slowest["number"], slowest["seconds"]))
    return 1 if failed or changed else 0


if __name__ == "__main__":
    sys.exit(main())
