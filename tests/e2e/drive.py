#!/usr/bin/python3
"""Drives the installed ledgerwick from outside its process, only through the accessibility tree,
as a user with a screen reader would: fill in, finish, read, save, clear; open the saved file in a
second instance, change it, save it again; exit. Then a third instance opens a file on an sshd of
its own on 127.0.0.1 by its address, changes it and saves it back to the server. Last, the
journey: a file on a server whose key is not known yet, its game server's console, at a person's
pace (see `journey`).

Run by tests/e2e/run inside Xvfb and a session D-Bus (dbus-run-session), with the build folder in
LEDGERWICK_BUILD (for the tests' console server). Starts the AT-SPI bus and a window manager
(openbox) itself. Fails with what it saw when something is missing, and leaves no process behind.
"""

import os
import pwd
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

TITLE = "Brantholm - Ledgerwick 1.1"
SERVER_NAME = "Café Brantholm"  # "é" must reach the file as the single byte 0xE9
NEW_SERVER_NAME = "Brantholm Nordwärts"  # the second instance's, "ä" as 0xE4
ADMIN = "Orvanel"
TIMEOUT = 15.0


class Failure(Exception):
    pass


def log(message):
    print(f"e2e: {message}", flush=True)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe() until it returns something true; fails naming `what` otherwise."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            result = probe()
            if result:
                return result
        except Exception as error:  # a node can vanish while it is being read
            last_error = error
        time.sleep(0.1)
    raise Failure(f"timed out after {timeout:.0f} s waiting for {what}"
                  + (f" (last error: {last_error})" if last_error else ""))


def start_accessibility_bus():
    launcher = subprocess.Popen(
        ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)

    def bus_ready():
        return subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    wait_for("the accessibility bus (org.a11y.Bus)", bus_ready)
    return launcher


def stop(process):
    """Ends a process started in a session of its own, and everything it started."""
    if process is None or process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
        process.wait(timeout=5)
    except (ProcessLookupError, subprocess.TimeoutExpired):
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait()


# --- the accessibility tree ---------------------------------------------------------------------

def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def is_showing(node):
    import pyatspi
    return node.getState().contains(pyatspi.STATE_SHOWING)


def role_name(role):
    return getattr(role, "value_nick", None) or str(role)


def describe(node):
    return f"{node.getRoleName()} {node.name!r}"


def find(root, role, name, showing=True):
    """The one node of `role` named `name` (visible on screen unless showing=False)."""
    found = [n for n in walk(root)
             if n.getRole() == role and n.name == name and (not showing or is_showing(n))]
    if len(found) == 1:
        return found[0]
    same_role = sorted({f"{n.name!r}{'' if is_showing(n) else ' (hidden)'}"
                        for n in walk(root) if n.getRole() == role})
    problem = "no" if not found else f"{len(found)}"
    raise Failure(f"{problem} {'showing ' if showing else ''}{role_name(role)} named {name!r}"
                  f" under {describe(root)}; that role holds: {', '.join(same_role) or 'nothing'}")


def wait_find(root, role, name, showing=True):
    last = []

    def probe():
        try:
            return find(root, role, name, showing)
        except Failure as failure:
            last[:] = [str(failure)]
            return None

    try:
        return wait_for(f"{role_name(role)} {name!r}", probe)
    except Failure as failure:
        raise Failure(f"{failure}: {last[0] if last else ''}") from None


def press(node, action="Press"):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        raise Failure(f"{describe(node)} offers no {action!r} action, only {names}")
    actions.doAction(names.index(action))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def type_into(node, value):
    """Replaces the text of an editable text node, as selecting all and typing would."""
    editable = node.queryEditableText()
    editable.setTextContents(value)
    wait_for(f"{describe(node)} to hold {value!r}", lambda: text_of(node) == value)


def application_window(desktop, pid, title=TITLE):
    """The main window of the program's process `pid`: instances share the title, not the process.
    A window with a file open has the file's name before the title."""
    def probe():
        for app in desktop:
            if app is None or app.get_process_id() != pid:
                continue
            for window in app:
                if window is not None and window.name == title:
                    return app, window
        return None

    try:
        return wait_for(f"a window titled {title!r} of process {pid} on the accessibility bus", probe)
    except Failure as failure:
        seen = [f"{app.name!r} (pid {app.get_process_id()}): {[w.name for w in app if w is not None]}"
                for app in desktop if app is not None]
        raise Failure(f"{failure}; the bus shows {seen or 'no application'}") from None


def save_dialog_after_question(app, window):
    """Presses "Save CFG" and returns the save dialog (Qt's own: no platform theme under plain
    Xvfb); a text with problems first asks, and is answered "Save anyway"."""
    import pyatspi

    press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Save CFG"))

    def question_or_dialog():
        for node in app:
            if node is not None and node.name == "Ledgerwick 1.1" and any(
                    n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Save anyway"
                    for n in walk(node)):
                return node
        return program_dialog(app)

    found = wait_for("the save dialog, or the question before saving a text with problems",
                     question_or_dialog)
    if found.name == "Ledgerwick 1.1":
        press(find(found, pyatspi.ROLE_PUSH_BUTTON, "Save anyway"))
    try:
        return wait_for("the save dialog", lambda: program_dialog(app))
    except Failure as failure:
        raise Failure(f"{failure}; the program's windows: "
                      f"{[describe(n) for n in app if n is not None]}") from None


def program_dialog(app):
    """The program's open dialog other than a message box, or None."""
    import pyatspi
    for node in app:
        if node is not None and node.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_FILE_CHOOSER) \
                and node.name != "Ledgerwick 1.1":
            return node
    return None


def exit_through_menu(window, program, which):
    """File > Exit: opens the menu from the menu bar, chooses the item, waits for the end."""
    import pyatspi
    file_menu = find(window, pyatspi.ROLE_MENU_ITEM, "File")
    actions = file_menu.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    press(file_menu, "ShowMenu" if "ShowMenu" in names else "Press")
    exit_item = wait_find(file_menu, pyatspi.ROLE_MENU_ITEM, "Exit")
    if exit_item.description != "Exit Program":
        raise Failure(f"File > Exit is described as {exit_item.description!r}, "
                      "expected 'Exit Program'")
    press(exit_item)
    try:
        status = program.wait(timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure(f"{which} did not end within {TIMEOUT:.0f} s of File > Exit") from None
    if status != 0:
        raise Failure(f"{which} ended with status {status} after File > Exit")
    log(f"File > Exit ended {which} with status 0")


# --- the run ------------------------------------------------------------------------------------

def check_lines(what, actual, expected):
    if actual[:len(expected)] != expected:
        raise Failure(f"{what} begins\n  " + "\n  ".join(map(repr, actual[:len(expected) + 2]))
                      + "\nexpected\n  " + "\n  ".join(map(repr, expected)))


def drive(program, folder, start):
    """`start(arguments)` starts another instance of the program as the first one was started."""
    import pyatspi

    desktop = pyatspi.Registry.getDesktop(0)
    app, window = application_window(desktop, program.pid)
    log(f"found {describe(window)} of application {app.name!r}")
    if window.getRole() != pyatspi.ROLE_FRAME:
        raise Failure(f"the main window is a {window.getRoleName()}, not a frame")

    server_name = find(window, pyatspi.ROLE_TEXT, "Server name:")
    type_into(server_name, SERVER_NAME)
    log(f"typed {SERVER_NAME!r} into {describe(server_name)}")

    include_admin = find(window, pyatspi.ROLE_CHECK_BOX, "Administrator:")
    if include_admin.getState().contains(pyatspi.STATE_CHECKED):
        raise Failure("the first administrator is included at start")
    press(include_admin, "Toggle")
    wait_for("the first administrator's include box to be checked",
             lambda: include_admin.getState().contains(pyatspi.STATE_CHECKED))
    admin = find(window, pyatspi.ROLE_TEXT, "Administrator:")
    type_into(admin, ADMIN)
    log(f"included the first administrator and typed {ADMIN!r}")

    press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Finish!"))
    memo = wait_find(window, pyatspi.ROLE_TEXT, "Your CFG")
    memo_text = wait_for("text in the editor", lambda: text_of(memo))
    lines = memo_text.split("\n")
    expected_start = [
        "//Server Information",
        f'set sv_hostname "{SERVER_NAME}"',
        'set scr_motd "Welcome to Brantholm server."',
        f'sets .Admin "{ADMIN}"',
        "//",
        "//Server Options",
    ]
    check_lines("the editor's text", lines, expected_start)
    last_line = 'set scr_allow_panzerfaust "0"'
    if lines[-1] != last_line:
        raise Failure(f"the editor's last line is {lines[-1]!r}, expected {last_line!r}")
    log(f"the editor holds {len(lines)} lines, from {lines[0]!r} to {lines[-1]!r}")
    for gone in ("Finish!",):
        if any(n.name == gone and is_showing(n) for n in walk(window)
               if n.getRole() == pyatspi.ROLE_PUSH_BUTTON):
            raise Failure(f"{gone!r} still shows after finishing")

    # The first text of a new document holds nothing the server reads otherwise: no problem is
    # listed, and saving asks nothing first.
    for problems in (n for n in walk(window)
                     if n.getRole() == pyatspi.ROLE_LIST and n.name == "Problems"):
        items = [n.name for n in walk(problems) if n.getRole() == pyatspi.ROLE_LIST_ITEM]
        if items or is_showing(problems):
            raise Failure(f"the editor lists the problems {items!r}, expected none")
    log("the editor lists no problem")

    target = os.path.join(folder, "server é.cfg")
    save_dialog = save_dialog_after_question(app, window)
    log(f"the save dialog opened: {describe(save_dialog)}")
    file_name = wait_find(save_dialog, pyatspi.ROLE_TEXT, "File name:")
    proposed = text_of(file_name)
    if proposed != "servercfg":
        raise Failure(f"the save dialog proposes {proposed!r}, expected 'servercfg'")
    type_into(file_name, target)
    press(find(save_dialog, pyatspi.ROLE_PUSH_BUTTON, "Save"))
    wait_for("the save dialog to close", lambda: program_dialog(app) is None)
    saved = wait_for(f"the file {target}", lambda: os.path.exists(target) and open(target, "rb").read())
    log(f"saved {len(saved)} bytes to {target}")

    # The file: the editor's lines with CR LF after each, one byte per character (Windows-1252).
    expected_bytes = "".join(line + "\r\n" for line in lines).encode("cp1252")
    first = [(line + "\r\n").encode("cp1252") for line in expected_start]
    if not saved.startswith(b"".join(first)):
        raise Failure("the saved file begins\n  " + repr(saved[:200])
                      + "\nexpected\n  " + repr(b"".join(first)))
    name_line = saved.split(b"\r\n")[1]
    if name_line != f'set sv_hostname "{SERVER_NAME}"'.encode("cp1252") or b"\xe9" not in name_line:
        raise Failure(f"the server-name line is saved as {name_line!r}")
    if b"\xc3" in saved:
        raise Failure("the saved file holds UTF-8 sequences")
    if saved.replace(b"\r\n", b"").count(b"\n") or saved.replace(b"\r\n", b"").count(b"\r"):
        raise Failure("the saved file has a line end other than CR LF")
    if not saved.endswith(last_line.encode() + b"\r\n"):
        raise Failure(f"the saved file ends {saved[-60:]!r}, expected {last_line!r} and CR LF")
    if saved != expected_bytes:
        raise Failure(f"the saved file ({len(saved)} bytes) differs from the editor's text "
                      f"({len(expected_bytes)} bytes as Windows-1252 with CR LF)")
    log("the saved bytes match: CR LF line ends, 'é' as 0xE9, last line " + repr(last_line))

    press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Clear Cfg"))
    wait_find(window, pyatspi.ROLE_PUSH_BUTTON, "Finish!")
    if text_of(memo):
        raise Failure(f"the editor still holds {text_of(memo)[:60]!r} after Clear Cfg")
    if is_showing(find(window, pyatspi.ROLE_PUSH_BUTTON, "Clear Cfg", showing=False)):
        raise Failure("'Clear Cfg' still shows after clearing")
    log("Clear Cfg emptied the editor and brought 'Finish!' back")

    open_in_second_instance(desktop, start, target, saved)

    exit_through_menu(window, program, "the program")


def open_in_second_instance(desktop, start, target, saved):
    """`ledgerwick FILE` opens the file saved before, with an exec line put first by hand, into a
    second instance, whose pages hold what was typed; a changed server name saves over the file,
    changing only its line."""
    import pyatspi

    # Kept by hand from here on: a base file executed first, on a line of its own with LF.
    saved = b"exec base_defaults.cfg\n" + saved
    with open(target, "wb") as handle:
        handle.write(saved)
    second = start([target])
    log(f"started a second instance with {target!r} (pid {second.pid})")
    app, window = application_window(desktop, second.pid,
                                     f"{os.path.basename(target)} - {TITLE}")
    server_name = find(window, pyatspi.ROLE_TEXT, "Server name:")
    wait_for(f"the second instance's server name to be {SERVER_NAME!r}",
             lambda: text_of(server_name) == SERVER_NAME)
    include_admin = find(window, pyatspi.ROLE_CHECK_BOX, "Administrator:")
    if not include_admin.getState().contains(pyatspi.STATE_CHECKED):
        raise Failure("the second instance does not include the first administrator")
    admin = text_of(find(window, pyatspi.ROLE_TEXT, "Administrator:"))
    if admin != ADMIN:
        raise Failure(f"the second instance's first administrator is {admin!r}, expected {ADMIN!r}")
    log(f"the second instance opened the file: server name {SERVER_NAME!r}, "
        f"administrator {ADMIN!r} included")

    type_into(server_name, NEW_SERVER_NAME)
    press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Finish!"))
    memo = wait_find(window, pyatspi.ROLE_TEXT, "Your CFG")
    lines = wait_for("text in the second instance's editor", lambda: text_of(memo)).split("\n")
    name_line = f'set sv_hostname "{NEW_SERVER_NAME}"'
    if lines[0] != "exec base_defaults.cfg" or lines[2] != name_line:
        raise Failure(f"the second instance's editor begins {lines[:3]!r}; expected the exec "
                      f"line first and the third line {name_line!r}")
    log(f"changed the server name and finished: {lines[2]!r}, after {lines[0]!r}")

    # The dialog proposes the opened file: its folder in "Look in", its name in "File name".
    save_dialog = save_dialog_after_question(app, window)
    file_name = wait_find(save_dialog, pyatspi.ROLE_TEXT, "File name:")
    look_in = [n.name for n in walk(save_dialog)
               if n.getRole() == pyatspi.ROLE_COMBO_BOX and n.name.startswith("/")]
    proposed = os.path.join(look_in[0], text_of(file_name)) if len(look_in) == 1 else None
    if proposed != target:
        raise Failure(f"the save dialog proposes {text_of(file_name)!r} in {look_in!r}, "
                      f"expected {target!r}")
    log(f"the save dialog proposes the opened file {proposed!r}")
    press(find(save_dialog, pyatspi.ROLE_PUSH_BUTTON, "Save"))
    wait_for("the save dialog to close", lambda: program_dialog(app) is None)
    resaved = wait_for(f"{target} to change", lambda: open(target, "rb").read() != saved
                       and open(target, "rb").read())

    before = saved.split(b"\r\n")
    after = resaved.split(b"\r\n")
    expected = before[:1] + [name_line.encode("cp1252")] + before[2:]
    if after != expected:
        changed = [i + 1 for i in range(max(len(before), len(after)))
                   if i >= len(before) or i >= len(after) or before[i] != after[i]]
        raise Failure(f"saving again changed the lines {changed[:10]} of {len(before) - 1}; "
                      f"line 2 is now {after[1] if len(after) > 1 else None!r}, "
                      f"expected {name_line!r}")
    log(f"saved again: only line 2 changed, now {after[1]!r}")

    exit_through_menu(window, second, "the second instance")


def start_sshd(folder, known=True):
    """OpenSSH's sshd on a free port of 127.0.0.1, with a host key and a user's key made here; as
    root the user is `nobody`. Returns the process, the port, the user and the client's home; the
    host's key is in the client's known_hosts when `known`."""
    user = "nobody" if os.geteuid() == 0 else pwd.getpwuid(os.geteuid()).pw_name
    home = os.path.join(folder, "home")
    os.makedirs(os.path.join(home, ".ssh"))
    for key in (os.path.join(folder, "host_key"), os.path.join(home, ".ssh", "id_ed25519")):
        subprocess.run(["ssh-keygen", "-q", "-t", "ed25519", "-N", "", "-f", key], check=True)
    shutil.copy(os.path.join(home, ".ssh", "id_ed25519.pub"),
                os.path.join(folder, "authorized_keys"))
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    config = os.path.join(folder, "sshd_config")
    with open(config, "w") as handle:
        handle.write(f"Port {port}\nListenAddress 127.0.0.1\nHostKey {folder}/host_key\n"
                     f"PidFile none\nAuthorizedKeysFile {folder}/authorized_keys\n"
                     "StrictModes no\nUsePAM no\nPasswordAuthentication no\n"
                     "KbdInteractiveAuthentication no\nLogLevel FATAL\n"
                     "Subsystem sftp internal-sftp\n")
    if os.geteuid() == 0:
        os.makedirs("/run/sshd", exist_ok=True)
    sshd = subprocess.Popen(["/usr/sbin/sshd", "-D", "-e", "-f", config], start_new_session=True)

    def listening():
        with socket.socket() as client:
            return client.connect_ex(("127.0.0.1", port)) == 0

    wait_for(f"sshd on 127.0.0.1:{port}", listening)
    if not known:
        return sshd, port, user, home
    # The host is known, as after "Trust and connect" once: its key in the user's known_hosts.
    with open(os.path.join(folder, "host_key.pub")) as key:
        kind, blob = key.read().split()[:2]
    with open(os.path.join(home, ".ssh", "known_hosts"), "w") as known:
        known.write(f"[127.0.0.1]:{port} {kind} {blob}\n")
    return sshd, port, user, home


def open_from_server(desktop, start, folder):
    """`ledgerwick sftp://…/server.cfg` opens the file on the server, shows host:/path in its
    title, and a changed server name saves back to the server, changing only its line."""
    import pyatspi

    served = os.path.join(folder, "server-host")
    os.makedirs(served)
    # The served user reads its authorized key and its files through these folders.
    for path in (folder, served):
        os.chmod(path, 0o755)
    sshd, port, user, home = start_sshd(served)
    try:
        files = os.path.join(served, "files")
        os.makedirs(files)
        target = os.path.join(files, "server.cfg")
        kept = (b"exec base_defaults.cfg\r\n// kept on the server\r\n"
                b"seta sv_hostname \"On the host\"\t// listed\r\nset g_log \"games.log\"\r\n")
        with open(target, "wb") as handle:
            handle.write(kept)
        if os.geteuid() == 0:
            entry = pwd.getpwnam(user)
            for path in (files, target):
                os.chown(path, entry.pw_uid, entry.pw_gid)
        address = f"sftp://{user}@127.0.0.1:{port}{target}"
        third = start([address], HOME=home, XDG_DATA_HOME=os.path.join(folder, "data"))
        log(f"started a third instance with {address!r} (pid {third.pid})")
        app, window = application_window(desktop, third.pid, f"127.0.0.1:{target} - {TITLE}")
        server_name = find(window, pyatspi.ROLE_TEXT, "Server name:")
        wait_for("the server name read from the server",
                 lambda: text_of(server_name) == "On the host")
        type_into(server_name, NEW_SERVER_NAME)
        press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Finish!"))
        wait_for("text in the third instance's editor",
                 lambda: text_of(wait_find(window, pyatspi.ROLE_TEXT, "Your CFG")))
        press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Save CFG"))
        expected = kept.replace(b"On the host", NEW_SERVER_NAME.encode("cp1252"))

        def changed_or_asked():
            # A text with problems is asked about first, and saved all the same.
            for node in app:
                if node is not None and node.name == "Ledgerwick 1.1":
                    answer = [n for n in walk(node) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                              and n.name == "Save anyway"]
                    if answer:
                        press(answer[0])
            return open(target, "rb").read() != kept

        wait_for(f"{target} on the server to change", changed_or_asked)
        saved = open(target, "rb").read()
        if saved != expected:
            raise Failure(f"the file on the server is {saved!r}; expected {expected!r}")
        log(f"saved back over SFTP: only the server name's line changed, now {NEW_SERVER_NAME!r}")
        exit_through_menu(window, third, "the third instance")
    finally:
        stop(sshd)


# --- the journey: a file on a server, its game server, at a person's pace ------------------------

# A person reads a question before answering it; slower than the 300 ms after which a transfer
# shows its progress.
PERSONS_PACE = 1.5
CAPTURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "console-captures",
                       "cvarlist-nine-columns.packets")


def window_of(app, name):
    """The program's window (a dialog, a question) titled `name`, if one shows."""
    for node in app:
        if node is not None and node.name == name and is_showing(node):
            return node
    return None


def keys(pid, *sequence):
    """Presses keys in the program's main window, as a person at the keyboard does: the window is
    activated first (the window manager gives it the focus)."""
    def main_window():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name",
                                f" - {TITLE}$"], capture_output=True, text=True).stdout.split()
        return found[0] if found else None

    window = wait_for(f"the main window of process {pid} on the X server", main_window)
    subprocess.run(["xdotool", "windowactivate", "--sync", window], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for key in sequence:
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
        time.sleep(0.2)


def shot(name):
    """A picture of the screen into LEDGERWICK_E2E_SHOTS, when set: to look at what a person saw."""
    folder = os.environ.get("LEDGERWICK_E2E_SHOTS")
    if folder:
        os.makedirs(folder, exist_ok=True)
        subprocess.run(["import", "-window", "root", os.path.join(folder, f"{name}.png")],
                       check=False)


def active_window_name():
    return subprocess.run(["xdotool", "getactivewindow", "getwindowname"], capture_output=True,
                          text=True).stdout.strip()


def texts_under(node):
    import pyatspi
    return [n.name for n in walk(node) if n.getRole() == pyatspi.ROLE_LABEL and n.name]


def table_rows(table):
    """The rows of a table as "variable:state", its first and last columns."""
    cells = table.queryTable()
    return [f"{cells.getAccessibleAt(r, 0).name}:{cells.getAccessibleAt(r, cells.nColumns - 1).name}"
            for r in range(cells.nRows)]


def journey(desktop, start, folder, build, installed):
    """The admin's way, as the README tells it, against OpenSSH's sshd (an unknown host key) and a
    game server's console that answers with a list captured from a real server: File > Open from
    Server, trust the key after reading it, change the server name and the maximum of players,
    save, Server > Connect, Compare, Apply; the rows end Same or After restart. Then
    `ledgerwick --compare ADDRESS --server HOST:PORT` compares the file at its address."""
    import pyatspi

    served = os.path.join(folder, "journey-host")
    os.makedirs(served)
    for path in (folder, served):
        os.chmod(path, 0o755)
    sshd, port, user, home = start_sshd(served, known=False)
    requests = os.path.join(folder, "console-requests.log")
    console = subprocess.Popen([os.path.join(build, "tests", "support", "console_server"),
                                CAPTURE, requests], stdout=subprocess.PIPE, text=True,
                               start_new_session=True)
    try:
        line = console.stdout.readline().strip()
        if not line.isdigit():
            raise Failure(f"the console server did not start: it said {line!r}")
        game = f"127.0.0.1:{line}"
        files = os.path.join(served, "files")
        os.makedirs(files)
        target = os.path.join(files, "server.cfg")
        kept = ("// Night League, kept by hand\r\n"
                'seta sv_hostname "^1Night ^7League"\r\n'
                'set sv_maxclients "16"\r\n'
                'set scr_motd "Be nice; play fair"\r\n'
                'set g_gametype "tdm"\r\n'
                f'set net_port "{line}"\r\n'
                'set rconpassword "capsecret"\r\n').encode("cp1252")
        with open(target, "wb") as handle:
            handle.write(kept)
        if os.geteuid() == 0:
            entry = pwd.getpwnam(user)
            for path in (files, target):
                os.chown(path, entry.pw_uid, entry.pw_gid)
        address = f"sftp://{user}@127.0.0.1:{port}{target}"
        fingerprint = subprocess.run(["ssh-keygen", "-l", "-f", os.path.join(served, "host_key.pub")],
                                     capture_output=True, text=True, check=True).stdout.split()[1]
        data = os.path.join(folder, "journey-data")

        began = time.monotonic()
        program = start([], HOME=home, XDG_DATA_HOME=data)
        app, window = application_window(desktop, program.pid)
        log(f"the journey: started the program (pid {program.pid}), the server's file at {address}")

        keys(program.pid, "ctrl+shift+o")
        dialog = wait_for("the dialog 'Open from Server'", lambda: window_of(app, "Open from Server"))
        # The address box: an editable list of the last addresses, its text field unnamed inside.
        box = wait_for("the address box", lambda: [
            n for n in walk(dialog) if n.getRole() == pyatspi.ROLE_COMBO_BOX
            and n.name.startswith("Address") and is_showing(n)])[0]
        field = wait_for("the address box's text field", lambda: [
            n for n in walk(box) if n.getRole() == pyatspi.ROLE_TEXT])[0]
        type_into(field, address)
        press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Open"))

        question = wait_for("the question 'Unknown server'", lambda: window_of(app, "Unknown server"))
        said = " ".join(texts_under(question))
        if fingerprint not in said:
            raise Failure(f"the question does not show the key's fingerprint {fingerprint}: {said!r}")
        time.sleep(PERSONS_PACE)
        # Read for longer than a transfer takes to show its progress: nothing came over it.
        over = [describe(n) for n in app if n is not None and n.name == "Ledgerwick" and is_showing(n)]
        shot("journey-trust")
        if over:
            raise Failure(f"while the question was open, a progress box showed: {over}")
        if not active_window_name().startswith("Unknown server"):
            raise Failure(f"after {PERSONS_PACE} s the window in front is {active_window_name()!r}, "
                          "not the question 'Unknown server'")
        press(find(question, pyatspi.ROLE_PUSH_BUTTON, "Trust and connect"))
        app, window = application_window(desktop, program.pid, f"127.0.0.1:{target} - {TITLE}")
        known = os.path.join(data, "ledgerwick", "known_hosts")
        if f"[127.0.0.1]:{port} " not in (open(known).read() if os.path.exists(known) else ""):
            raise Failure(f"after 'Trust and connect' the key is not recorded in {known}")
        log(f"trusted the key {fingerprint} after {PERSONS_PACE} s, nothing over the question; "
            "the file opened")

        server_name = find(window, pyatspi.ROLE_TEXT, "Server name:")
        wait_for("the server name read from the file",
                 lambda: text_of(server_name) == "^1Night ^7League")
        type_into(server_name, "^1Night ^7League EU")
        press(find(window, pyatspi.ROLE_PAGE_TAB, "Server Options"))
        type_into(wait_find(window, pyatspi.ROLE_TEXT, "Max Players:"), "20")
        press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Finish!"))
        wait_for("text in the editor", lambda: text_of(wait_find(window, pyatspi.ROLE_TEXT, "Your CFG")))
        press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Save CFG"))
        wait_for(f"{target} on the server to change", lambda: open(target, "rb").read() != kept)
        expected = kept.replace(b"^7League", b"^7League EU").replace(b'"16"', b'"20"')
        if open(target, "rb").read() != expected:
            raise Failure(f"the file on the server is {open(target, 'rb').read()!r}; "
                          f"expected {expected!r}")
        log("changed the server name and the maximum of players, saved back over SFTP")

        keys(program.pid, "alt+s", "c")
        connect = wait_for("the dialog 'Connect to a server'",
                           lambda: window_of(app, "Connect to a server"))
        offered = text_of(wait_find(connect, pyatspi.ROLE_TEXT, "Address:"))
        if offered != game:
            raise Failure(f"Server > Connect offers {offered!r}, not the document's host and "
                          f"net_port {game!r}")
        time.sleep(PERSONS_PACE)
        press(find(connect, pyatspi.ROLE_PUSH_BUTTON, "Connect"))
        connected = f"Night League ({game}), map mp_harbor"
        wait_for(f"the status bar to show {connected!r}",
                 lambda: any(n.name == connected for n in walk(window)))
        log(f"Server > Connect offered {offered!r}; connected: {connected!r}")

        keys(program.pid, "alt+s", "m")
        compared = wait_for("the comparison", lambda: window_of(app, "The document and the running server"))
        table = wait_find(compared, pyatspi.ROLE_TABLE, "")
        first = ["sv_hostname:Differs", "sv_maxclients:Differs", "scr_motd:Same", "g_gametype:Same",
                 "net_port:Differs", "rconpassword:Same"]
        try:
            wait_for(f"the rows {first}", lambda: table_rows(table) == first)
        except Failure as failure:
            raise Failure(f"{failure}; the table shows {table_rows(table)}") from None
        log(f"compared: {', '.join(first)}")

        press(find(compared, pyatspi.ROLE_PUSH_BUTTON, "Apply differences"))

        def apply_question():
            for node in app:
                if node is not None and node.name == "Ledgerwick 1.1" and is_showing(node) and any(
                        n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Apply"
                        for n in walk(node)):
                    return node
            return None

        confirm = wait_for("the question before applying", apply_question)
        said = " ".join(texts_under(confirm))
        if not said.startswith("Send 3 settings to Night League?"):
            raise Failure(f"the question before applying says {said!r}")
        time.sleep(PERSONS_PACE)
        press(find(confirm, pyatspi.ROLE_PUSH_BUTTON, "Apply"))
        last = ["sv_hostname:Same", "sv_maxclients:After restart", "scr_motd:Same",
                "g_gametype:Same", "net_port:After restart", "rconpassword:Same"]
        try:
            wait_for(f"the rows {last}", lambda: table_rows(table) == last)
        except Failure as failure:
            raise Failure(f"{failure}; the table shows {table_rows(table)}") from None
        took = time.monotonic() - began
        shot("journey-applied")
        log(f"applied and compared again: {', '.join(last)}; the journey took {took:.1f} s")
        if took > 180:
            raise Failure(f"the journey took {took:.0f} s, more than 3 minutes")

        press(find(compared, pyatspi.ROLE_PUSH_BUTTON, "Close"))
        exit_through_menu(window, program, "the journey's instance")

        # A script does the same comparison, of the file at its address, without a display.
        environment = dict(os.environ, HOME=home, XDG_DATA_HOME=data,
                           LEDGERWICK_RCON_PASSWORD="capsecret")
        environment.pop("DISPLAY", None)
        script = subprocess.run([installed, "--compare", address, "--server", game],
                                env=environment, capture_output=True, text=True, timeout=60)
        printed = [f'sv_maxclients: document "20", server "16" (after restart)',
                   f'net_port: document "{line}", server "28950" (after restart)']
        if script.returncode != 1 or script.stdout.splitlines() != printed or script.stderr:
            raise Failure(f"ledgerwick --compare {address} --server {game} ended with "
                          f"{script.returncode}, printed {script.stdout!r} and said "
                          f"{script.stderr!r}; expected status 1 and {printed}")
        log(f"ledgerwick --compare ADDRESS --server {game}: status 1, {printed}")
        with open(requests) as handle:
            sent = handle.read().splitlines()
        if "capsecret" in script.stdout + script.stderr:
            raise Failure("--compare printed the password")
        log(f"the console server took {len(sent)} requests")
    finally:
        stop(console)
        stop(sshd)


def main():
    if not os.environ.get("DISPLAY"):
        raise Failure("no DISPLAY: run this under Xvfb (tests/e2e/run does)")
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        raise Failure("no session D-Bus: run this under dbus-run-session (tests/e2e/run does)")
    installed = shutil.which("ledgerwick")
    if installed != "/usr/bin/ledgerwick":
        raise Failure(f"the installed program is not /usr/bin/ledgerwick but {installed!r}")

    launcher = None
    window_manager = None
    started = []
    folder = tempfile.mkdtemp(prefix="ledgerwick-e2e-")
    runtime = tempfile.mkdtemp(prefix="ledgerwick-e2e-runtime-")  # private, as Qt wants it
    settings = tempfile.mkdtemp(prefix="ledgerwick-e2e-config-")  # the recent files, not yours
    try:
        launcher = start_accessibility_bus()
        # A window manager, as on a desktop: it stacks new windows on top and moves the focus.
        window_manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL, start_new_session=True)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime,
                           XDG_CONFIG_HOME=settings)
        environment.pop("QT_QPA_PLATFORMTHEME", None)

        def start(arguments, **more):
            started.append(subprocess.Popen([installed] + arguments, cwd=folder,
                                            env=dict(environment, **more), start_new_session=True))
            return started[-1]

        program = start([])
        log(f"started {installed} (pid {program.pid})")
        drive(program, folder, start)
        import pyatspi
        open_from_server(pyatspi.Registry.getDesktop(0), start, folder)
        journey(pyatspi.Registry.getDesktop(0), start, folder,
                os.environ.get("LEDGERWICK_BUILD", "build"), installed)
    finally:
        for program in started:
            if program.poll() is None:
                log(f"ending the program (pid {program.pid})")
            stop(program)
        stop(window_manager)
        stop(launcher)
        for made in (folder, runtime, settings):
            shutil.rmtree(made, ignore_errors=True)


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"e2e: FAILED: {failure}", file=sys.stderr, flush=True)
        sys.exit(1)
    log("passed")
