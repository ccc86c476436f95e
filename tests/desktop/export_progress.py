#!/usr/bin/env python3
"""Screenshots of the engine export's progress bar while the window stays alive.

Opens a 4096 x 4096 page of 16 elements in tessella, starts "Exporter pour moteur de jeu…"
to a .dds file and takes a screenshot of the desktop once the bar has moved; with a second
screenshot path, it also asks for the normal map and takes one more at step 3 of 5. Runs as
label_values.py does:

  bash tests/desktop/on-desktop.sh dbus-run-session -- /usr/bin/python3 \
      tests/desktop/export_progress.py build/ui/app/tessella tests/desktop SHOT.png [LATER.png]
"""
import json, os, subprocess, sys, tempfile, time
sys.path.insert(0, sys.argv[2])
import pyatspi
from label_values import (wait_for, find_application, top_windows, window_with_label, walk,
                          roles, press, labels, do_action)

program, out = sys.argv[1], sys.argv[3]
home = tempfile.mkdtemp(prefix="tessella-shot-")
page = os.path.join(home, "mur.png")
subprocess.run(["convert", "-size", "4096x4096", "-seed", "4", "plasma:fractal", "-depth", "8", "PNG24:" + page], check=True)
frames = {}
for i in range(16):
    x, y = (i % 4) * 1024, (i // 4) * 1024
    r = {"x": x, "y": y, "w": 1000, "h": 1000}
    frames["e%02d.bmp" % i] = {"frame": r, "rotated": False, "trimmed": False,
                                "spriteSourceSize": {"x": 0, "y": 0, "w": 1000, "h": 1000},
                                "sourceSize": {"w": 1000, "h": 1000}}
with open(os.path.join(home, "mur.json"), "w") as f:
    json.dump({"frames": frames, "meta": {"app": "Tessella", "version": "4.0", "image": "mur.png",
               "format": "RGB888", "size": {"w": 4096, "h": 4096}, "scale": "1"}}, f)
env = dict(os.environ, HOME=home, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
process = subprocess.Popen([program], env=env)
try:
    app = wait_for(lambda: find_application(process.pid))
    main = wait_for(lambda: window_with_label(app, "Nombre de fichiers"))
    press(main, pyatspi.ROLE_MENU_ITEM, "Ouvrir une texture (TGA ou autre)")
    chooser = wait_for(lambda: next((w for w in top_windows(app) if any(
        n.getRole() == pyatspi.ROLE_TEXT and n.name == "Nom de fichier :" for n in walk(w))), None))
    name = next(n for n in roles(chooser, pyatspi.ROLE_TEXT) if n.name == "Nom de fichier :")
    name.queryEditableText().setTextContents(page)
    press(chooser, pyatspi.ROLE_PUSH_BUTTON, "Ouvrir")
    wait_for(lambda: any(n.startswith("Dimensions de la texture : 4096") for n in labels(main)), 30)
    print("page open", flush=True)
    press(main, pyatspi.ROLE_MENU_ITEM, "Exporter pour moteur de jeu…")
    dialog = wait_for(lambda: next((w for w in top_windows(app) if any(
        n.name == "Format des fichiers DDS et KTX2" for n in walk(w))), None))
    if len(sys.argv) > 4:
        box = next(n for n in walk(dialog) if n.getRole() == pyatspi.ROLE_CHECK_BOX and "carte de normales" in n.name)
        do_action(box, "normal map")
        time.sleep(0.5)
    press(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK")
    chooser = wait_for(lambda: next((w for w in top_windows(app) if any(
        n.getRole() == pyatspi.ROLE_TEXT and n.name == "Nom de fichier :" for n in walk(w))), None))
    name = next(n for n in roles(chooser, pyatspi.ROLE_TEXT) if n.name == "Nom de fichier :")
    name.queryEditableText().setTextContents(os.path.join(home, "atlas.dds"))
    press(chooser, pyatspi.ROLE_PUSH_BUTTON, "Enregistrer")
    start = time.monotonic()
    # The bar moves past its first step while the blocks are encoded.
    bar = None
    for _ in range(200):
        bars = [n for n in walk(main) if n.getRole() == pyatspi.ROLE_PROGRESS_BAR]
        if bars and bars[0].queryValue().currentValue > 0:
            bar = bars[0]
            break
        time.sleep(0.1)
    print("bar at", bar.queryValue().currentValue if bar else None, "of",
          bar.queryValue().maximumValue if bar else None, "after", time.monotonic() - start, flush=True)
    subprocess.run(["import", "-window", "root", out], check=True)
    print("shot taken at", time.monotonic() - start, flush=True)
    if len(sys.argv) > 4:
        for _ in range(600):
            v = bar.queryValue().currentValue
            if v >= 3:
                break
            time.sleep(0.1)
        print("bar at", v, "of", bar.queryValue().maximumValue, "after", time.monotonic() - start, flush=True)
        subprocess.run(["import", "-window", "root", sys.argv[4]], check=True)
    for _ in range(600):
        if os.path.exists(os.path.join(home, "atlas.dds")):
            break
        time.sleep(0.2)
    print("export done after", time.monotonic() - start, os.path.exists(os.path.join(home, "atlas.dds")), flush=True)
finally:
    process.terminate()
    process.wait()
