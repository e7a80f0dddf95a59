"""An installed copy as the desktop, a user and a screen reader meet it.

Run under an X server and a private D-Bus session: installed.py BUILD_DIR
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

ID = "example.vexlo.Kwindel"
root = tempfile.mkdtemp(prefix="kwindel-install-")
subprocess.run(["cmake", "--install", sys.argv[1], "--prefix", root], check=True, stdout=subprocess.DEVNULL)
share = os.path.join(root, "share")
for size in (16, 32, 48, 64, 128):
    assert os.path.isfile(f"{share}/icons/hicolor/{size}x{size}/apps/kwindel.png"), size
subprocess.run(["desktop-file-validate", f"{share}/applications/{ID}.desktop"], check=True)
subprocess.run(["appstreamcli", "validate", "--no-net", f"{share}/metainfo/{ID}.metainfo.xml"], check=True)

# A stand-in opener first on PATH, so the saved page opens nothing real.
opened = os.path.join(root, "opened.txt")
stand_in = os.path.join(root, "stand-in")
os.mkdir(stand_in)
with open(os.path.join(stand_in, "xdg-open"), "w") as f:
    f.write(f'#!/bin/sh\necho "$@" >> "{opened}"\n')
os.chmod(os.path.join(stand_in, "xdg-open"), 0o755)
env = dict(os.environ, PATH=stand_in + ":" + os.environ["PATH"], QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = subprocess.Popen([os.path.join(root, "bin", "kwindel")], env=env)


def until(probe, what):
    for _ in range(300):
        try:
            found = probe()
            if found:
                return found
        except Exception:  # the program is still joining the bus
            pass
        time.sleep(0.1)
    raise AssertionError("never came: " + what)


def nodes(node):
    yield node
    if node.getRole() != pyatspi.ROLE_COMBO_BOX:  # its drop-down list is part of it
        for child in node:
            yield from nodes(child)


def labelled_by(node):
    return [r.getTarget(i).name for r in node.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(r.getNTargets())]


def window(title):
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Kwindel")
    app.clearCache()
    return next(w for w in app if w.name.startswith(title))


def named(win, name):
    return next(n for n in nodes(win) if n.name == name)


def unnamed_controls(win):
    """Focusable controls a screen reader could not announce fittingly."""
    wrong = []
    for node in nodes(win):
        if not node.getState().contains(pyatspi.STATE_FOCUSABLE):
            continue
        if node.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT):
            question = next(c.name for c in node.parent if c.getRole() == pyatspi.ROLE_LABEL)
            fits = question in labelled_by(node)
        else:
            fits = node.name.strip() != "" and "&" not in node.name
        if not fits:
            wrong.append((node.getRoleName(), node.name))
    return wrong


try:
    main = until(lambda: window("Kwindel"), "the main window on the accessibility bus")
    forward = until(lambda: named(main, "Verder"), "the forward button")
    assert unnamed_controls(main) == [], unnamed_controls(main)
    # Qt's own texts are Dutch, here those it gives screen readers.
    assert forward.queryAction().getDescription(0) == "Zet de actie in werking"

    for box, name in ((main[9][1], "Sanne"), (main[10][1], "Kim")):
        box.queryEditableText().setTextContents(name)
    named(main, "Opslaan in een bestand").queryAction().doAction(0)
    page = os.path.join(root, "bin", "Kwindel.htm")
    until(lambda: os.path.exists(opened), "the page handed to the desktop")
    with open(page, encoding="cp1252") as f:
        assert "Sanne zal verliefd op je worden" in f.read()
    assert page in open(opened).read()

    named(main, "About...").queryAction().doAction(0)
    info = until(lambda: window("Info"), "the info window")
    assert unnamed_controls(info) == [], unnamed_controls(info)
    assert {n.name for n in nodes(info) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON} >= {"Back", "System"}
    links = [n.name for n in nodes(info) if n.getRole() == pyatspi.ROLE_LINK]
    assert links == ["http://www.vexlo.example/", "http://www.kwindel-auteur.example/",
                     "kwindel@vexlo.example"], links
finally:
    program.terminate()
    program.wait()
print("installed copy: validated, saved beside its executable, every control named")
