#!/usr/bin/env python3
"""Measures quarvel's start-up under Xvfb: from the process start to the main window shown with
the retailer's page requested, with OK pressed on the notice as soon as it appears. The floor is a
minimal Qt WebEngine window that shows the same kind of page. Reports the median of several runs
and the peak memory (the program's own process, and with its WebEngine helper processes).

Usage: benchmark_start_up.py --quarvel BUILD/tests/e2e/quarvel_for_stand_in
                             --floor BUILD/tools/start_up_floor/start_up_floor [--runs 7]
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
NOTICE = (410, 322)
MAIN = (785, 706)
OK_BUTTON = ("168", "300")


def windows(env, pid):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], env=env,
                         capture_output=True, text=True).stdout.split()
    found = {}
    for wid in out:
        shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid], env=env,
                               capture_output=True, text=True).stdout
        fields = dict(line.split("=", 1) for line in shell.split() if "=" in line)
        if "WIDTH" in fields:
            found[wid] = (int(fields["WIDTH"]), int(fields["HEIGHT"]))
    return found


def log_size(log):
    return os.path.getsize(log) if os.path.exists(log) else 0


def requested(log, since):
    if not os.path.exists(log):
        return False
    with open(log) as requests:
        requests.seek(since)
        return "/mc/quarvel.asp" in requests.read()


def peak_kib(pid):
    """The peak resident memory of the process, and of it with all its descendants."""
    def hwm(p):
        try:
            for line in open(f"/proc/{p}/status"):
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
        except OSError:
            pass
        return 0

    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                parent = int(open(f"/proc/{entry}/stat").read().rsplit(")", 1)[1].split()[1])
                children.setdefault(parent, []).append(int(entry))
            except (OSError, IndexError, ValueError):
                pass
    tree, todo = 0, [pid]
    while todo:
        p = todo.pop()
        tree += hwm(p)
        todo += children.get(p, [])
    return hwm(pid), tree


def run_once(command, env, log, press_ok):
    since = log_size(log)
    start = time.monotonic()
    program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        pressed = not press_ok
        while time.monotonic() - start < 60:
            shown = windows(env, program.pid)
            if not pressed:
                notice = [w for w, size in shown.items() if size == NOTICE]
                if notice:
                    subprocess.run(["xdotool", "mousemove", "--window", notice[0], *OK_BUTTON,
                                    "click", "1"], env=env, check=True)
                    pressed = True
            elif MAIN in shown.values() and requested(log, since):
                elapsed = time.monotonic() - start
                time.sleep(1.5)  # let the page finish loading before reading the peak
                return elapsed, peak_kib(program.pid)
            time.sleep(0.005)
        raise RuntimeError(f"{command[0]} did not show its page within a minute")
    finally:
        program.terminate()
        program.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quarvel", required=True)
    parser.add_argument("--floor", required=True)
    parser.add_argument("--port", type=int, default=47311,
                        help="the stand-in port quarvel was built for (QUARVEL_STAND_IN_PORT)")
    parser.add_argument("--runs", type=int, default=7)
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="quarvel-bench-")
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-dpi", "96", "-nolisten", "tcp"], pass_fds=(write_end,),
                            stderr=subprocess.DEVNULL)
    os.close(write_end)
    display = ":" + os.fdopen(read_end).readline().strip()
    log = os.path.join(work, "requests.log")
    stand_in = subprocess.Popen([sys.executable, os.path.join(HERE, "stand_in_retailer.py"),
                                 "--port", str(args.port), "--log", log], stdout=subprocess.PIPE,
                                text=True)
    if stand_in.stdout.readline().strip() != f"127.0.0.1:{args.port}":
        stand_in.terminate()
        xvfb.terminate()
        sys.exit(f"the stand-in could not listen on 127.0.0.1:{args.port} (is another one running?)")
    env = dict(os.environ, DISPLAY=display, LC_ALL="C.UTF-8", HOME=work,
               XDG_RUNTIME_DIR=work)
    if os.geteuid() == 0:
        env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
    page = (f"http://127.0.0.1:{args.port}/mc/quarvel.asp?manufacturer=Acme&mdlname=X100"
            "&site=Brackenholme")
    try:
        results = {}
        for name, command, press_ok in (("floor", [args.floor, page], False),
                                        ("quarvel", [args.quarvel], True)):
            runs = [run_once(command, env, log, press_ok) for _ in range(args.runs)]
            seconds = statistics.median(run[0] for run in runs)
            own = max(run[1][0] for run in runs) // 1024
            tree = max(run[1][1] for run in runs) // 1024
            results[name] = seconds
            print(f"{name:8} start to page requested: median {seconds * 1000:.0f} ms of "
                  f"{args.runs} runs; peak memory {own} MiB (with WebEngine helpers {tree} MiB)")
        print(f"quarvel / floor: {results['quarvel'] / results['floor']:.2f} (goal: at most 1.25)")
    finally:
        stand_in.terminate()
        xvfb.terminate()
    return 0


if __name__ == "__main__":
    sys.exit(main())
