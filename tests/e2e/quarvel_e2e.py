#!/usr/bin/env python3
"""Drives the real quarvel program as a user would, under Xvfb, against the stand-in of the
retailer's server on 127.0.0.1, and checks what the user and the retailer would see.

Each case starts its own X server and stand-in. Screenshots go to the output folder.
"""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import urllib.parse

TITLE = "Quarvel - System Memory Information"
TWIPS_PER_PIXEL = 15  # the X server runs at 96 dots per inch

# Window sizes in pixels, and the controls the cases use: the centre of each, in pixels from the
# window's client area, from the layouts' twips (Form1's frames sit inside Frame1 at 0,-120).
NOTICE_SIZE = (6150 // 15, 4830 // 15)
SPLASH_SIZE = (3630 // 15, 1170 // 15)
MAIN_SIZE = (11775 // 15, 10590 // 15)


def centre(left, top, width, height):
    return ((left + width // 2) // TWIPS_PER_PIXEL, (top + height // 2) // TWIPS_PER_PIXEL)


OK_BUTTON = centre(1920, 4320, 1215, 375)
CANCEL_BUTTON = centre(3240, 4320, 1215, 375)
FRAME8 = (7560, -120 + 3840)
COPY_BUTTON = centre(FRAME8[0] + 960, FRAME8[1] + 1680, 2415, 375)
CHAT_LABEL = centre(FRAME8[0] + 120, FRAME8[1] + 1440, 1800, 200)
BANNER = centre(FRAME8[0] + 1200, FRAME8[1] + 360, 2280, 1020)
SLOTS_LIST = centre(120 + 120, -120 + 3840 + 480, 3855, 240)  # its first row
MESSAGE_TEXT = ("70", "18")  # within the first line of a message box's text


class Failed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failed(message)


def wait_for(what, probe, timeout=20.0, interval=0.05):
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failed(f"timed out waiting for {what}")
        time.sleep(interval)


class Session:
    """An X server, the stand-in server and, once started, the program."""

    def __init__(self, args, name):
        self.args = args
        self.name = name
        self.work = tempfile.mkdtemp(prefix=f"quarvel-e2e-{name}-")
        self.processes = []
        self.program = None
        try:
            self.display = self.start_x_server()
            self.request_log = os.path.join(self.work, "requests.log")
            self.start_stand_in()
            self.env = self.tools_env()
            self.program_path = self.env["PATH"]  # where the program looks for other programs
        except BaseException:
            self.close()
            raise

    # --- the surroundings

    def start_x_server(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-dpi", "96",
             "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.processes.append(xvfb)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        check(number, "Xvfb did not start")
        return f":{number}"

    def start_stand_in(self):
        stand_in = subprocess.Popen(
            [sys.executable, self.args.stand_in, "--port", str(self.args.port), "--log",
             self.request_log], stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        self.processes.append(stand_in)
        line = stand_in.stdout.readline().strip()
        check(line == f"127.0.0.1:{self.args.port}",
              f"the stand-in could not listen on 127.0.0.1:{self.args.port}: "
              f"{line or stand_in.stderr.read()}")

    def tools_env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        env["LC_ALL"] = "C.UTF-8"
        runtime = os.path.join(self.work, "runtime")
        os.mkdir(runtime, 0o700)
        env["XDG_RUNTIME_DIR"] = runtime
        env["HOME"] = self.work
        if os.geteuid() == 0:
            env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"  # Chromium's sandbox refuses root
        return env

    def close(self):
        if self.program and sys.exc_info()[0]:
            self.program.poll()
            print(f"the program's status: {self.program.returncode}; its output ends:",
                  file=sys.stderr)
            with open(self.path("quarvel.out"), errors="replace") as out:
                print("".join(out.readlines()[-25:]), file=sys.stderr)
        for process in [self.program] + self.processes[::-1]:
            if process and process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.work, ignore_errors=True)

    # --- the program

    def start(self, program=None):
        self.program = subprocess.Popen(
            [program or self.args.quarvel], env=dict(self.env, PATH=self.program_path), stdout=open(self.path("quarvel.out"), "w"),
            stderr=subprocess.STDOUT)
        return self.window(NOTICE_SIZE, "the notice", timeout=60)

    def path(self, name):
        return os.path.join(self.work, name)

    def x(self, *command, check_status=True):
        result = subprocess.run(list(command), env=self.env, capture_output=True)
        if check_status and result.returncode != 0:
            raise Failed(f"{' '.join(command)}: {result.stderr.decode(errors='replace')}")
        return result.stdout

    def visible_windows(self):
        out = self.x("xdotool", "search", "--onlyvisible", "--pid", str(self.program.pid),
                     check_status=False)
        windows = {}
        for wid in out.decode().split():
            geometry = self.x("xdotool", "getwindowgeometry", "--shell", wid,
                              check_status=False).decode()
            fields = dict(line.split("=", 1) for line in geometry.split() if "=" in line)
            if "WIDTH" in fields:
                windows[wid] = (int(fields["WIDTH"]), int(fields["HEIGHT"]))
        return windows

    def find(self, size):
        return [wid for wid, found in self.visible_windows().items() if found == size]

    def window(self, size, what, timeout=30.0):
        return wait_for(what, lambda: (self.find(size) or [None])[0], timeout)

    def windows_other_than(self, sizes):
        return [wid for wid, size in self.visible_windows().items() if size not in sizes]

    def click(self, window, point):
        self.x("xdotool", "mousemove", "--window", window, str(point[0]), str(point[1]),
               "click", "1")

    def key(self, window, keys):
        self.x("xdotool", "windowfocus", "--sync", window)
        self.x("xdotool", "key", "--clearmodifiers", keys)

    def screenshot(self, window, name):
        os.makedirs(self.args.out, exist_ok=True)
        picture = subprocess.run(["xwd", "-silent", "-id", window], env=self.env,
                                 capture_output=True, check=True).stdout
        subprocess.run(["convert", "xwd:-", os.path.join(self.args.out, name)], input=picture,
                       check=True)

    def set_clipboard(self, text):
        # xclip stays in the background to serve the text, so it must not hold our pipes.
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text, env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)

    def clipboard(self):
        return self.x("xclip", "-o", "-selection", "clipboard")

    def requests(self, path):
        if not os.path.exists(self.request_log):
            return []
        with open(self.request_log, encoding="utf-8") as log:
            return [line.rstrip("\n") for line in log
                    if urllib.parse.urlsplit(line.rstrip("\n")).path == path]

    def ended(self, timeout=10.0):
        return wait_for("the program to end", lambda: self.program.poll() is not None, timeout)


def report_of_this_machine(args, env):
    """quarvel-report's output on the same machine: the report, then the lookup address."""
    out = subprocess.run([args.report], env=env, capture_output=True, check=True).stdout
    report, address = out[:-2].rsplit(b"\r\n", 1)
    return report + b"\r\n", address.decode()


def query_keys(address):
    return urllib.parse.parse_qsl(urllib.parse.urlsplit(address).query, keep_blank_values=True)


def open_main_window(session, screenshot_notice=False, program=None):
    """The start-up road: the notice, OK, the splash, the main window with the page requested."""
    notice = session.start(program)
    if screenshot_notice:
        time.sleep(0.5)
        session.screenshot(notice, "notice.png")
    session.click(notice, OK_BUTTON)
    splash_seen = False
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        windows = session.visible_windows()
        splash = [wid for wid, size in windows.items() if size == SPLASH_SIZE]
        if splash and screenshot_notice and not splash_seen:
            session.screenshot(splash[0], "splash.png")
            splash_seen = True
        main = [wid for wid, size in windows.items() if size == MAIN_SIZE]
        if main:
            break
        time.sleep(0.01)
    else:
        raise Failed("the main window did not appear")
    wait_for("the lookup request", lambda: session.requests("/mc/quarvel.asp"))
    return main[0], splash_seen


# --- the cases


def case_road(args):
    """OK on the notice leads to the main window; the stand-in receives the lookup once, with the
    keys quarvel-report computes; the copy button puts exactly quarvel-report's report on the
    clipboard, twice."""
    session = Session(args, "road")
    try:
        main, splash_seen = open_main_window(session, screenshot_notice=True)
        if not splash_seen:
            print("note: the splash went by too fast for a screenshot")
        time.sleep(2)  # let the page finish and any second request arrive
        session.screenshot(main, "main-window.png")
        lookups = session.requests("/mc/quarvel.asp")
        check(len(lookups) == 1, f"expected one lookup request, got {lookups}")
        report, address = report_of_this_machine(args, session.env)
        check(query_keys(lookups[0]) == query_keys(address),
              f"the lookup keys differ:\n  page:   {query_keys(lookups[0])}\n"
              f"  report: {query_keys(address)}")
        for attempt in (1, 2):
            session.set_clipboard(b"-")
            session.click(main, COPY_BUTTON)
            copied = wait_for("the clipboard", lambda: session.clipboard() != b"-" and
                              session.clipboard(), timeout=10)
            check(copied == report, f"copy {attempt}: the clipboard holds {copied!r}, "
                                    f"quarvel-report printed {report!r}")
        check(session.program.poll() is None, "the program ended")
    finally:
        session.close()


def case_chat(args):
    """The chat label and the banner each start the URL opener with the chat address as its one
    argument."""
    session = Session(args, "chat")
    try:
        calls = session.path("opener-calls")
        openers = session.path("bin")
        os.mkdir(openers)
        opener = os.path.join(openers, "xdg-open")
        with open(opener, "w") as script:
            script.write("#!/bin/sh\n"
                         f"printf '%s|' \"$#\" \"$@\" >> '{calls}'\n"
                         f"printf '\\n' >> '{calls}'\n")
        os.chmod(opener, 0o755)
        session.program_path = openers + os.pathsep + session.program_path
        main, _ = open_main_window(session)
        chat = f"http://127.0.0.1:{args.port}/support/UserPreChat.aspx?ref=CustomerScanWindow"
        for target, count in ((CHAT_LABEL, 1), (BANNER, 2)):
            session.click(main, target)
            lines = wait_for("the opener", lambda: os.path.exists(calls) and
                             len(open(calls).read().splitlines()) >= count and
                             open(calls).read().splitlines())
            check(lines == [f"1|{chat}|"] * count, f"the opener was started as {lines}")
        check(not session.windows_other_than([MAIN_SIZE]),
              f"a message box appeared: {session.visible_windows()}")
    finally:
        session.close()


def case_no_opener(args):
    """Without a URL opener each click on the chat label or the banner shows "Browser Not
    found!!!" once, under the application title, and the window stays."""
    session = Session(args, "no-opener")
    try:
        session.program_path = session.path("empty")
        main, _ = open_main_window(session)
        for target, picture in ((CHAT_LABEL, "browser-not-found.png"), (BANNER, None)):
            session.click(main, target)
            boxes = wait_for("the message box", lambda: session.windows_other_than([MAIN_SIZE]))
            check(len(boxes) == 1, f"expected one message box: {session.visible_windows()}")
            if picture:
                time.sleep(0.3)
                session.screenshot(boxes[0], picture)
            title = session.x("xdotool", "getwindowname", boxes[0]).decode().strip()
            check(title == TITLE, f"the message box is titled {title!r}")
            session.set_clipboard(b"-")
            # Select the message's line with a triple click and copy it, as a user quoting it.
            session.x("xdotool", "mousemove", "--window", boxes[0], *MESSAGE_TEXT, "click",
                      "--repeat", "3", "--delay", "80", "1")
            session.key(boxes[0], "ctrl+c")
            text = wait_for("the message text", lambda: session.clipboard() != b"-" and
                            session.clipboard(), timeout=10)
            check(text == b"Browser Not found!!!", f"the message box reads {text!r}")
            session.key(boxes[0], "Return")
            wait_for("the message box to close",
                     lambda: not session.windows_other_than([MAIN_SIZE]))
        check(session.program.poll() is None, "the program ended")
        check(session.find(MAIN_SIZE), "the main window is gone")
    finally:
        session.close()


def case_cancel(args, press=lambda session, notice: session.click(notice, CANCEL_BUTTON)):
    """Cancel on the notice ends the program at once, before anything is read or requested."""
    session = Session(args, "cancel")
    try:
        notice = session.start()
        press(session, notice)
        session.ended()
        check(session.program.returncode == 0, f"exit status {session.program.returncode}")
        check(not session.requests("/mc/quarvel.asp"), "the lookup page was requested")
    finally:
        session.close()


def case_typical(args):
    """The windows on a scripted typical machine, every field filled: the lookup carries its
    values, and the screenshot shows them."""
    session = Session(args, "typical")
    try:
        main, _ = open_main_window(session, program=args.typical)
        time.sleep(2)
        session.screenshot(main, "main-window-typical-machine.png")
        keys = dict(query_keys(session.requests("/mc/quarvel.asp")[0]))
        check(keys["mdlname"] == "X100" and keys["memoryspeeds"] == "667 MHz,667 MHz,",
              f"the lookup carried {keys}")
        session.click(main, (SLOTS_LIST[0], SLOTS_LIST[1] + 16))  # the second module
        time.sleep(0.3)
        session.screenshot(main, "main-window-second-module.png")
    finally:
        session.close()


def case_escape(args):
    """Esc on the notice is its Cancel button."""
    case_cancel(args, press=lambda session, notice: session.key(notice, "Escape"))


CASES = {"road": case_road, "chat": case_chat, "no-opener": case_no_opener,
         "cancel": case_cancel, "escape": case_escape, "typical": case_typical}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("case", choices=sorted(CASES))
    parser.add_argument("--quarvel", required=True, help="the program built for the stand-in")
    parser.add_argument("--typical", required=True, help="the program on a typical machine")
    parser.add_argument("--report", required=True, help="quarvel-report")
    parser.add_argument("--stand-in", required=True, help="tools/stand_in_retailer.py")
    parser.add_argument("--port", type=int, required=True, help="the stand-in's port")
    parser.add_argument("--out", required=True, help="folder for the screenshots")
    args = parser.parse_args()
    try:
        CASES[args.case](args)
    except Failed as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    print(f"{args.case}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
