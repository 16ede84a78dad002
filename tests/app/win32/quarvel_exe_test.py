#!/usr/bin/env python3
"""Quarvel.exe end to end under wine64 and Xvfb, driven as a user drives it: OK on the notice, the
lookup request at the stand-in retailer, the copy button and the X clipboard, the chat label and
Internet Explorer's request, screenshots of the three windows, and the close box."""
import argparse
import contextlib
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.parse

TITLE = "Quarvel - System Memory Information"
TWIPS_PER_PIXEL = 15  # Xvfb and a fresh Wine prefix run at 96 dots per inch
WINE = shutil.which("wine64") or "/usr/lib/wine/wine64"
WINESERVER = shutil.which("wineserver") or "/usr/lib/wine/wineserver"


def pixels(twips):
    return round(twips / TWIPS_PER_PIXEL)


# Client sizes and the points clicked, in twips from the client area's top-left corner.
NOTICE_CLIENT = (6150, 4830)
SPLASH_CLIENT = (3630, 1170)
MAIN_CLIENT = (11775, 10590)
OK_BUTTON = (1920 + 1215 // 2, 4320 + 375 // 2)
# Frame8 lies at 7560,3840 inside Frame1, which lies at 0,-120.
FRAME8 = (7560, 3840 - 120)
COPY_BUTTON = (FRAME8[0] + 960 + 2415 // 2, FRAME8[1] + 1680 + 375 // 2)
CHAT_LABEL = (FRAME8[0] + 120 + 600, FRAME8[1] + 1440 + 90)  # on the label's first line
BANNER = (FRAME8[0] + 1200 + 2280 // 2, FRAME8[1] + 360 + 1020 // 2)


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def run(command, env, timeout=60):
    return subprocess.run(command, env=env, check=True, capture_output=True, timeout=timeout)


def output(command, env):
    """A query's output; nothing when it fails or hangs (a window may go while it is asked)."""
    try:
        return subprocess.run(command, env=env, capture_output=True, text=True, timeout=10).stdout
    except subprocess.TimeoutExpired:
        return ""


@contextlib.contextmanager
def xvfb():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as pipe:
        display = ":" + pipe.readline().strip()
    try:
        yield display
    finally:
        server.terminate()
        server.wait()


@contextlib.contextmanager
def stand_in(script, port, log):
    server = subprocess.Popen([sys.executable, script, "--port", str(port), "--log", log],
                              stdout=subprocess.PIPE, text=True)
    try:
        if server.stdout.readline().strip() != "127.0.0.1:%d" % port:
            fail("the stand-in could not listen on 127.0.0.1:%d" % port)
        yield
    finally:
        server.terminate()
        server.wait()


def prepare_prefix(env, wine_desktop):
    """The desktop prefix, made ready by running a first program in it."""
    run([wine_desktop, "cmd", "/c", "exit"], env, timeout=600)


def visible_windows(env):
    found = output(["xdotool", "search", "--onlyvisible", "--name", ".*"], env).split()
    windows = []
    for window in found:
        shell = output(["xdotool", "getwindowgeometry", "--shell", window], env)
        name = output(["xdotool", "getwindowname", window], env).rstrip("\n")
        values = dict(line.split("=", 1) for line in shell.split())
        if "WIDTH" in values:
            windows.append({"id": window, "name": name, "x": int(values["X"]),
                            "y": int(values["Y"]), "width": int(values["WIDTH"]),
                            "height": int(values["HEIGHT"])})
    return windows


def frames(window, client):
    """Whether the window, Wine's frame included, holds a client area of this size."""
    extra_x = window["width"] - pixels(client[0])
    extra_y = window["height"] - pixels(client[1])
    return 0 <= extra_x <= 16 and 0 <= extra_y <= 40


def wait_for_window(env, name, client, timeout=60, poll=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for window in visible_windows(env):
            if window["name"] == name and frames(window, client):
                return window
        time.sleep(poll)
    return None


def window_gone(env, window, timeout=30):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if all(w["id"] != window["id"] for w in visible_windows(env)):
            return True
        time.sleep(0.05)
    return False


def click(env, window, client, twips):
    """Clicks a point of the client area; Wine's frame is as thick on every side but the top."""
    border = (window["width"] - pixels(client[0])) // 2
    top = window["height"] - pixels(client[1]) - border
    x, y = border + pixels(twips[0]), top + pixels(twips[1])
    run(["xdotool", "mousemove", "--window", window["id"], str(x), str(y), "click", "1"], env)


def close_box(env, window):
    """Clicks the close box Wine draws at the right end of a window's title bar."""
    x, y = window["width"] - 12, 12
    run(["xdotool", "mousemove", "--window", window["id"], str(x), str(y), "click", "1"], env)


def screenshot(env, window, path, timeout=60):
    run(["import", "-window", window["id"], path], env, timeout=timeout)
    print("screenshot: " + path)


def logged(log):
    """The requests the stand-in has received so far."""
    if not os.path.exists(log):
        return []
    with open(log, encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f]


def wait_for_request(log, path_prefix, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        matches = [line for line in logged(log) if line.startswith(path_prefix)]
        if matches:
            return matches
        time.sleep(0.1)
    return []


def query_pairs(address):
    """The key and value pairs of an address's query, percent-decoded, in order."""
    query = address.split("?", 1)[1]
    return [tuple(urllib.parse.unquote(p).split("=", 1)) for p in query.split("&")]


def main():
    parser = argparse.ArgumentParser()
    for option in ("quarvel", "report", "read-clipboard", "show-splash", "stand-in", "port", "wine-desktop",
                   "prefix", "out"):
        parser.add_argument("--" + option, required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    prefix = os.path.abspath(args.prefix)
    env = dict(os.environ, WINEPREFIX=prefix, WINE_DESKTOP_PREFIX=prefix, WINEDEBUG="-all")
    env.pop("WINEDLLOVERRIDES", None)

    with xvfb() as display, tempfile.TemporaryDirectory() as scratch:
        env["DISPLAY"] = display
        prepare_prefix(env, args.wine_desktop)
        requests = os.path.join(scratch, "requests.log")
        with stand_in(args.stand_in, int(args.port), requests):
            printed = run([WINE, args.report], env, timeout=120).stdout
            report, _, address = printed.rpartition(b"http://")
            address = (b"http://" + address).decode("utf-8").rstrip("\r\n")
            started = time.monotonic()
            quarvel = subprocess.Popen([WINE, args.quarvel], env=env)
            try:
                check_program(env, args, quarvel, started, requests, report, address)
            except SystemExit:
                with contextlib.suppress(subprocess.SubprocessError):
                    screenshot(env, {"id": "root"}, os.path.join(args.out, "quarvel-exe-failed.png"))
                raise
            finally:
                if quarvel.poll() is None:
                    quarvel.kill()
                subprocess.run([WINESERVER, "-k"], env=env, timeout=60)
    print("PASS")
    return 0


def check_program(env, args, quarvel, started, requests, report, address):
    notice = wait_for_window(env, TITLE, NOTICE_CLIENT)
    if not notice:
        fail("the notice never appeared")
    if logged(requests):
        fail("a request reached the retailer before the notice was accepted: %r" % logged(requests))
    print("start to the notice shown: %.2f s" % (time.monotonic() - started))
    time.sleep(0.5)  # let it paint
    screenshot(env, notice, os.path.join(args.out, "quarvel-exe-notice.png"))

    accepted = time.monotonic()
    click(env, notice, NOTICE_CLIENT, OK_BUTTON)
    splash_shot = os.path.join(args.out, "quarvel-exe-splash.png")
    splash_seen = False
    main_window = None
    deadline = accepted + 60
    while not main_window and time.monotonic() < deadline:
        for window in visible_windows(env):
            if window["name"] == TITLE and frames(window, MAIN_CLIENT):
                main_window = window
            elif not splash_seen and window["name"] == "" and frames(window, SPLASH_CLIENT):
                # The splash may go while it is captured, and import then waits for it for good:
                # a short capture, and show_splash.exe below when it did not work out.
                with contextlib.suppress(subprocess.SubprocessError):
                    screenshot(env, window, splash_shot, timeout=3)
                    splash_seen = True
    if not main_window:
        fail("the main window never appeared; the visible windows: %r" % visible_windows(env))
    print("OK to the main window shown: %.2f s (to the polling's resolution)" % (
        time.monotonic() - accepted))
    if not splash_seen:
        print("the splash went before it was captured; show_splash.exe shows it instead")
        shown = subprocess.Popen([WINE, args.show_splash], env=env)
        splash = wait_for_window(env, "", SPLASH_CLIENT, timeout=30)
        if not splash:
            fail("show_splash.exe showed no splash")
        time.sleep(0.5)
        screenshot(env, splash, splash_shot)
        shown.wait(timeout=60)
    if not window_gone(env, notice):
        fail("the notice is still shown beside the main window")

    lookups = wait_for_request(requests, "/mc/quarvel.asp")
    if len(lookups) != 1:
        fail("expected one lookup request, got %r" % lookups)
    if query_pairs(lookups[0]) != query_pairs(address):
        fail("lookup keys differ:\n  sent     %r\n  expected %r" % (
            query_pairs(lookups[0]), query_pairs(address)))
    print("lookup request: " + lookups[0])
    time.sleep(1)
    screenshot(env, main_window, os.path.join(args.out, "quarvel-exe-main.png"))

    click(env, main_window, MAIN_CLIENT, COPY_BUTTON)
    time.sleep(1)
    inside = run([WINE, args.read_clipboard], env, timeout=60).stdout
    if inside != report:
        fail("the Windows clipboard holds %r, the report is %r" % (inside[:200], report[:200]))
    outside = run(["xclip", "-o", "-selection", "clipboard"], env, timeout=30).stdout
    # Wine hands Unicode text to X with Unix line ends.
    if outside != report.replace(b"\r\n", b"\n"):
        fail("the X clipboard holds %r" % outside[:200])
    print("clipboard: the report, %d bytes (%d on the X side)" % (len(inside), len(outside)))

    browser_program = os.path.join(args.prefix, "drive_c", "Program Files", "Internet Explorer",
                                   "iexplore.exe")
    if not os.path.exists(browser_program):
        fail("Wine's iexplore.exe is not at C:\\Program Files\\Internet Explorer")
    check_browser_missing(env, args, main_window, browser_program, requests)
    click(env, main_window, MAIN_CLIENT, CHAT_LABEL)
    chats = wait_for_request(requests, "/support/UserPreChat.aspx")
    if chats != ["/support/UserPreChat.aspx?ref=CustomerScanWindow"]:
        fail("expected the chat request, got %r" % chats)
    print("chat request: " + chats[0])

    screenshot(env, {"id": "root"}, os.path.join(args.out, "quarvel-exe-chat.png"))
    # Internet Explorer's window lies over ours: close it, then ours, by their close boxes.
    browser = next((w for w in visible_windows(env) if w["name"] == "Wine Internet Explorer"), None)
    if browser:
        close_box(env, browser)
        window_gone(env, browser)
    close_box(env, main_window)
    try:
        status = quarvel.wait(timeout=30)
    except subprocess.TimeoutExpired:
        fail("Quarvel.exe did not end when its main window was closed")
    if status != 0:
        fail("Quarvel.exe ended with status %d" % status)


def check_browser_missing(env, args, main_window, browser_program, requests):
    """With iexplore.exe away from its path, a click on the banner shows "Browser Not found!!!"
    under the application title, once, and starts nothing."""
    os.rename(browser_program, browser_program + ".away")
    try:
        click(env, main_window, MAIN_CLIENT, BANNER)
        message = wait_for_message_box(env, timeout=30)
        if not message:
            fail("no message box after a click on the banner with the browser missing")
        time.sleep(0.5)
        screenshot(env, message, os.path.join(args.out, "quarvel-exe-browser-not-found.png"))
        # OK, the message box's one button, sits in the middle of its bottom row.
        run(["xdotool", "mousemove", "--window", message["id"], str(message["width"] // 2),
             str(message["height"] - 22), "click", "1"], env)
        if not window_gone(env, message):
            fail("the message box stayed after OK")
        if wait_for_message_box(env, timeout=2):
            fail("a second message box followed the first")
    finally:
        os.rename(browser_program + ".away", browser_program)
    if [r for r in logged(requests) if r.startswith("/support/")]:
        fail("a chat request was made with the browser missing")
    print("browser missing: one message box, no request")


def wait_for_message_box(env, timeout):
    """A window under the application title smaller than the main window."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for window in visible_windows(env):
            if window["name"] == TITLE and window["width"] < pixels(MAIN_CLIENT[0]) // 2:
                return window
        time.sleep(0.05)
    return None


if __name__ == "__main__":
    sys.exit(main())
