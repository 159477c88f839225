#!/usr/bin/python3
"""Takes one picture of the program's window per page, driving it from outside through the
accessibility bus (the program itself has no picture-taking mode). Run by tools/screenshots inside
Xvfb and a session D-Bus; arguments: PROGRAM OUTPUT_FOLDER [PICTURE_NAME_PREFIX]; the program gets
this script's environment (a desktop theme, for instance).
"""

import os
import signal
import subprocess
import sys
import tempfile
import time

TITLE = "Brantholm - Ledgerwick 1.1"

# Picture name, and what makes the page current: a tab's caption or a button's caption.
PAGES = [
    ("window", None),  # the window as it opens, on the Server Information page
    ("server-options", ("tab", "Server Options")),
    ("network-options", ("tab", "Network Options")),
    ("game-options", ("tab", "Game Options")),
    ("votes", ("button", "Allowed Votes")),
    ("gametypes", ("tab", "Gametypes")),
    ("map-rotation", ("tab", "Map Rotation")),
    ("weapons", ("tab", "Weapons")),
    ("custom-lines", ("button", "Custom Lines")),
    ("editor", ("button", "Finish!")),
]

# Under a German desktop: the captions of the program's own buttons and boxes (the settings' pages
# and their tabs stay English).
GERMAN = {"Custom Lines": "Eigene Zeilen", "Finish!": "Fertig!"}

# Lines of an admin's own, as opening a hand-kept file leaves them, for the custom-lines picture.
CUSTOM_LINES = "\n".join([
    "// Opened: now written with set: sv_fps.",
    "// Tuned by hand for the weekend league",
    "set sv_custom_motd_interval \"90\"",
    "exec league_rules.cfg",
    "map mp_harbor",
])


def wait_for(what, probe, timeout=15.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            result = probe()
            if result:
                return result
        except Exception:
            pass
        time.sleep(0.1)
    sys.exit(f"screenshots: timed out waiting for {what}")


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(root, role, name):
    import pyatspi
    for node in walk(root):
        if node.getRole() == role and node.name == name and \
                node.getState().contains(pyatspi.STATE_SHOWING):
            return node
    return None


def press(node, action="Press"):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action:
            actions.doAction(i)
            return
    sys.exit(f"screenshots: {node.name!r} cannot be pressed")


def main(program, folder, prefix=""):
    os.makedirs(folder, exist_ok=True)
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True)
    runtime = tempfile.mkdtemp(prefix="ledgerwick-shots-")
    app = None
    try:
        wait_for("the accessibility bus", lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL).returncode == 0)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime)
        app = subprocess.Popen([program], env=environment, start_new_session=True)

        import pyatspi
        desktop = pyatspi.Registry.getDesktop(0)

        def main_window():
            for application in desktop:
                for window in application or []:
                    if window is not None and window.name == TITLE:
                        return window
            return None

        window = wait_for(f"the window {TITLE!r}", main_window)
        window_id = wait_for("the window on the X server", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$"],
            capture_output=True, text=True).stdout.split())[0]
        # The pointer stays off the window, so that no hint shows in the status bar.
        subprocess.run(["xdotool", "mousemove", "0", "0"], check=True)

        german = os.environ.get("LANG", "").startswith("de")
        words = (lambda text: GERMAN.get(text, text)) if german else (lambda text: text)
        for picture, show in PAGES:
            if show:
                kind, caption = show
                caption = words(caption)
                role = pyatspi.ROLE_PAGE_TAB if kind == "tab" else pyatspi.ROLE_PUSH_BUTTON
                press(wait_for(f"{kind} {caption!r}", lambda: find(window, role, caption)))
            if picture == "custom-lines":
                box = wait_for("the custom lines box",
                               lambda: find(window, pyatspi.ROLE_TEXT, words("Custom Lines")))
                box.queryEditableText().setTextContents(CUSTOM_LINES)
            time.sleep(0.5)  # let the page paint
            out = os.path.join(folder, f"{prefix}{picture}.png")
            subprocess.run(["import", "-window", window_id, out], check=True)
            print(f"screenshots: {out}")
        if german:
            # File > New with unsaved changes (the custom lines typed above): the question.
            menu = wait_for("the menu 'Datei'",
                            lambda: find(window, pyatspi.ROLE_MENU_ITEM, "Datei"))
            actions = menu.queryAction()
            show_menu = [actions.getName(i) for i in range(actions.nActions)]
            press(menu, "ShowMenu" if "ShowMenu" in show_menu else "Press")
            new = wait_for("the item 'Neu'", lambda: find(menu, pyatspi.ROLE_MENU_ITEM, "Neu"))
            try:
                press(new)
            except Exception:
                pass  # the question holds the reply to the press until it is answered
            box_id = wait_for("the question", lambda: subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--name", "^Ledgerwick 1.1$"],
                capture_output=True, text=True).stdout.split())[0]
            time.sleep(0.5)
            out = os.path.join(folder, f"{prefix}question.png")
            subprocess.run(["import", "-window", box_id, out], check=True)
            print(f"screenshots: {out}")
    finally:
        for process in (app, launcher):
            if process is not None and process.poll() is None:
                os.killpg(process.pid, signal.SIGTERM)
                process.wait()
        subprocess.run(["rm", "-rf", runtime])


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3] if len(sys.argv) > 3 else "")
