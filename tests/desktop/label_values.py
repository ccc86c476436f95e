#!/usr/bin/env python3
"""Reads the value labels of the real program as a screen reader meets them, over AT-SPI.

Runs on a desktop of its own (on-desktop.sh) inside a D-Bus session of its own
(on-accessibility-bus.sh). Starts tessella with a home folder holding two BMP sources, walks
its accessible tree and reads every label that shows a value: the name a screen reader
announces must be "<accessible name> : <shown value>". The windows are opened through their
accessibility actions, as a screen reader user would: the main window, the element editor on
a new element, its colour window and the catalogue of base textures. Exits 1 listing each
label whose name lacks its value, 0 when every one reads it.

Usage: label_values.py <path to tessella>
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Atspi, GLib

# How long a window gets to come up and fill its labels.
WINDOW_SECONDS = 10.0

# The value labels of each window and the value each shows in the state this check puts the
# program in, worked out from the program's rules: the main window's source folder is the
# home folder, which holds two BMP files and nothing selected, at zoom 1 and with the mask at
# its origin; the page opened then is a 128 x 64 picture, two 64 x 64 elements (the import
# size the main window starts with); a new element is 32 x 32 pixels at zoom 1; the catalogue
# shows the twelve textures of Clips_Textures beside the program, six boxes to a page; the
# colour window opens with each channel at 100 %, no contrast, the threshold at 255 and a
# black background.
MAIN_WINDOW = [
    ("Zoom", "1"),
    ("Position du masque", "0 x 0"),
    ("Sélections", "0"),
    ("Numéro du fichier", "0"),
    ("Nombre de fichiers", "2"),
]
STATUS_BAR = [
    ("Nom du fichier texture", "mur.bmp"),
    ("Dimensions de la texture", "128x64"),
    ("Nombre d'éléments", "2"),
]
ELEMENT_EDITOR = [
    ("Dimensions de l'image", "32x32"),
    ("Zoom actuel", "1"),
]
COLOUR_WINDOW = [
    ("Valeur rouge", "100"),
    ("Valeur vert", "100"),
    ("Valeur bleu", "100"),
    ("Valeur rouge, vert et bleu", "100"),
    ("Valeur contraste", "0"),
    ("Valeur seuil", "255"),
    ("Couleur du fond en hexadécimal", "#000000"),
]
CATALOGUE = [
    ("Images affichées", "1 à 6"),
    ("Dossier du catalogue", "[ Clips_Textures ] 12 texture(s)"),
]


def log(text):
    print(text, flush=True)


def wait_for(find, seconds=WINDOW_SECONDS):
    """What find gives once it gives something, or None after seconds."""
    end = time.monotonic() + seconds
    while True:
        try:
            found = find()
        except Exception:  # a window going away while it is walked
            found = None
        if found or time.monotonic() > end:
            return found
        time.sleep(0.2)


# Item views hold rows and cells, never a label: not walking into them keeps each look short.
ITEM_VIEWS = {pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE}


def walk(node):
    """node and every accessible below it, item views' rows aside."""
    if node is None:
        return
    yield node
    try:
        if node.getRole() in ITEM_VIEWS:
            return
        children = list(node)
    except Exception:
        return
    for child in children:
        yield from walk(child)


def roles(node, role):
    return [n for n in walk(node) if n.getRole() == role]


def labels(window):
    return [n.name for n in roles(window, pyatspi.ROLE_LABEL)]


def find_application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def top_windows(app):
    return [w for w in app if w is not None]


def window_with_label(app, prefix):
    """The top window holding a label named prefix or "prefix : ..."."""
    for window in top_windows(app):
        for name in labels(window):
            if name == prefix or name.startswith(prefix + " : "):
                return window
    return None


def do_action(node, what):
    """Triggers the first action of node. A window that runs modal answers only once it closes,
    so the answer is not awaited."""
    action = node.queryAction()
    if action.nActions == 0:
        raise RuntimeError("\"%s\" cannot be pressed (disabled)" % what)
    Atspi.set_timeout(500, -1)
    try:
        action.doAction(0)
    except GLib.Error:
        pass  # no answer yet: a modal window is up
    finally:
        Atspi.set_timeout(-1, -1)


def usable(window, role, name):
    """Whether the control of role and name in window can be triggered."""
    return any(n.name == name and n.queryAction().nActions > 0 for n in roles(window, role))


def press(window, role, name):
    """Triggers the control of role and name in window through its accessibility action."""
    for node in roles(window, role):
        if node.name == name:
            do_action(node, name)
            return
    raise RuntimeError("no control \"%s\" in the window" % name)


def check(window_name, window, expected, failures, read):
    """Compares each expected value label of window with what a screen reader reads. The
    window's other labels are listed too, to show a value label missing from the table."""
    names = labels(window) if window is not None else []
    prefixes = tuple(prefix for prefix, _ in expected)
    others = [n for n in names if n and not n.startswith(prefixes)]
    log("%s, other labels: %s" % (window_name, " | ".join(others) or "(none)"))
    for prefix, value in expected:
        wanted = "%s : %s" % (prefix, value)
        got = [n for n in names if n == prefix or n.startswith(prefix + " : ")]
        read.append((window_name, wanted, got[0] if got else None))
        if wanted not in got:
            failures.append("%s: label \"%s\" is read as %s, not \"%s\"" % (
                window_name, prefix, " / ".join('"%s"' % g for g in got) or "(missing)",
                wanted))


def bmp(path, width, height):
    """Writes a small 24-bit BMP of one colour."""
    row = (b"\x40\x80\xc0" * width).ljust((width * 3 + 3) // 4 * 4, b"\0")
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def run(program):
    failures = []
    read = []
    home = tempfile.mkdtemp(prefix="tessella-atspi-")
    bmp(os.path.join(home, "brique.bmp"), 64, 48)
    bmp(os.path.join(home, "dalle.bmp"), 32, 32)
    os.mkdir(os.path.join(home, "pages"))
    page = os.path.join(home, "pages", "mur.bmp")
    bmp(page, 128, 64)
    env = dict(os.environ, HOME=home, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([program], env=env)
    try:
        app = wait_for(lambda: find_application(process.pid))
        if app is None:
            return ["the program never showed on the accessibility bus"], read

        # The main window, once the source folder is listed.
        main = wait_for(lambda: window_with_label(app, "Nombre de fichiers"))
        if main is None:
            return ["the main window never came up"], read
        wait_for(lambda: "Nombre de fichiers : 2" in labels(main), 5)
        check("fenêtre principale", main, MAIN_WINDOW, failures, read)

        # File > "Ouvrir une texture": the page's name, size and element count in the status bar.
        press(main, pyatspi.ROLE_MENU_ITEM, "Ouvrir une texture (TGA ou autre)")
        chooser = wait_for(lambda: next((w for w in top_windows(app) if any(
            n.getRole() == pyatspi.ROLE_TEXT and n.name == "Nom de fichier :"
            for n in walk(w))), None))
        if chooser is None:
            return failures + ["the file dialog never came up"], read
        name = next(n for n in roles(chooser, pyatspi.ROLE_TEXT) if n.name == "Nom de fichier :")
        name.queryEditableText().setTextContents(page)
        press(chooser, pyatspi.ROLE_PUSH_BUTTON, "Ouvrir")
        wait_for(lambda: any(n.startswith("Dimensions de la texture : ") for n in labels(main)))
        status_bar = next(iter(roles(main, pyatspi.ROLE_STATUS_BAR)), None)
        check("barre d'état", status_bar, STATUS_BAR, failures, read)

        # Edit > "Nouvel élément de texture", then OK: the element editor on a new element.
        press(main, pyatspi.ROLE_MENU_ITEM, "Nouvel élément de texture")
        dialog = wait_for(lambda: next((w for w in top_windows(app) if any(
            n.name == "Largeur" for n in walk(w))), None))
        if dialog is None:
            return failures + ["the new element dialog never came up"], read
        press(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK")
        editor = wait_for(lambda: window_with_label(app, "Dimensions de l'image"))
        if editor is None:
            return failures + ["the element editor never came up"], read
        wait_for(lambda: any(n.startswith("Dimensions de l'image : ")
                             for n in labels(editor)), 3)
        check("éditeur d'élément", editor, ELEMENT_EDITOR, failures, read)

        # The catalogue, from the drawing tools' "Catalogue" button.
        tools = wait_for(lambda: next((w for w in top_windows(app) if any(
            n.name == "Catalogue" and n.getRole() == pyatspi.ROLE_PUSH_BUTTON
            for n in walk(w))), None), 3)
        if tools is None:
            press(editor, pyatspi.ROLE_MENU_ITEM, "Outils de dessin")
            tools = wait_for(lambda: next((w for w in top_windows(app) if any(
                n.name == "Catalogue" and n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                for n in walk(w))), None))
        if tools is None:
            failures.append("the drawing tools never came up")
        else:
            press(tools, pyatspi.ROLE_PUSH_BUTTON, "Catalogue")
            catalogue = wait_for(lambda: window_with_label(app, "Images affichées"))
            if catalogue is not None:
                wait_for(lambda: "Images affichées : 1 à 6" in labels(catalogue), 5)
            check("catalogue", catalogue, CATALOGUE, failures, read)
            # Closed as a user would, by Escape: a dialog offers no close action.
            subprocess.run(["xdotool", "key", "Escape"])

        # "Ajuster RVB": the colour window of the new element, whose buttons wake once the
        # catalogue has closed.
        wait_for(lambda: usable(editor, pyatspi.ROLE_PUSH_BUTTON, "Ajuster RVB"), 5)
        press(editor, pyatspi.ROLE_PUSH_BUTTON, "Ajuster RVB")
        colours = wait_for(lambda: window_with_label(app, "Valeur rouge"))
        check("ajuster RVB", colours, COLOUR_WINDOW, failures, read)
        return failures, read
    except RuntimeError as error:  # a control not found or not usable
        return failures + [str(error)], read
    finally:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        shutil.rmtree(home, ignore_errors=True)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    start = time.monotonic()
    failures, read = run(sys.argv[1])
    log("%-20s %-45s %s" % ("window", "should read", "reads"))
    for window, wanted, got in read:
        mark = "" if got == wanted else "   <-- WRONG"
        log("%-20s %-45s %s%s" % (window, wanted, got if got is not None else "(missing)", mark))
    log("%.1f s" % (time.monotonic() - start))
    if failures:
        log("FAILED: %d value label(s) a screen reader cannot read:" % len(failures))
        for f in failures:
            log("  " + f)
        return 1
    log("every value label reads its value")
    return 0


if __name__ == "__main__":
    sys.exit(main())
