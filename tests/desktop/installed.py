# An installed copy as the desktop, a user and a screen reader meet it.
# Run under an X server and a private D-Bus session: installed.py BUILD_DIR
import os, shlex, subprocess, sys, tempfile, time
import pyatspi

root = tempfile.mkdtemp(prefix="kwindel-install-")
share, app_id = root + "/share", "example.vexlo.Kwindel"
subprocess.run(["cmake", "--install", sys.argv[1], "--prefix", root], check=True, stdout=subprocess.DEVNULL)
for f in (sys.argv[1] + "/kwindel", root + "/bin/kwindel", sys.argv[1] + "/libkwindel_print.so"):  # no run path
    assert "PATH" not in subprocess.run(["readelf", "-d", f], capture_output=True, text=True, check=True).stdout, f
assert all(os.path.isfile(f"{share}/icons/hicolor/{n}x{n}/apps/kwindel.png") for n in (16, 32, 48, 64, 128))
stand_in = os.path.dirname(__file__) + "/../support/bin"  # the tests' xdg-open, so nothing real opens
env = dict(os.environ, PATH=stand_in + ":" + os.environ["PATH"], KWINDEL_OPENED=root + "/opened",
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
entry = dict(line.split("=", 1) for line in open(f"{share}/applications/{app_id}.desktop").read().splitlines()[1:])
program = subprocess.Popen(shlex.split(entry["Exec"]), env=env)  # its bin folder is not on PATH


def until(what, probe):
    for _ in range(300):
        try:
            if found := probe():
                return found
        except Exception:  # not on the accessibility bus yet
            pass
        time.sleep(0.1)
    raise AssertionError("never came: " + what)


def nodes(node):
    yield node
    if node.getRole() != pyatspi.ROLE_COMBO_BOX:  # its drop-down list is part of it
        for child in node:
            yield from nodes(child)


def app():
    found = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Kwindel")
    found.clearCache()
    return found


def window(title):
    return next(w for w in app() if w.name.startswith(title))


def named(win, name):
    return next(n for n in nodes(win) if n.name == name)


# What a screen reader announces for each control that takes the focus or
# is a link: its role, the labels it is labelled by, its name.
def spoken(win):
    said = ""
    for n in nodes(win):
        if n.getState().contains(pyatspi.STATE_FOCUSABLE) or n.getRole() == pyatspi.ROLE_LINK:
            by = [r.getTarget(0).name for r in n.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
            said += f"{n.getRoleName()}: {' / '.join(by + [n.name])}\n"
    return said


try:
    main = until("the main window", lambda: window("Kwindel"))
    wm_class = subprocess.run(["xprop", "-name", "Kwindel", "WM_CLASS"], capture_output=True, text=True).stdout
    assert wm_class.endswith(f', "{entry["StartupWMClass"]}"\n'), wm_class  # how a dock finds the window's entry
    forward = until("its buttons", lambda: named(main, "Verder")).queryAction()
    assert forward.getDescription(0) == "Zet de actie in werking"  # Qt's own text, in Dutch
    said = spoken(main)
    main[9][1].queryEditableText().setTextContents("Sanne")
    main[10][1].queryEditableText().setTextContents("Kim")
    named(main, "Opslaan in een bestand").queryAction().doAction(0)
    until("the page handed to the desktop", lambda: os.path.exists(root + "/opened"))
    assert root + "/bin/Kwindel.htm" in open(root + "/opened").read()
    assert "Sanne zal verliefd op je worden" in open(root + "/bin/Kwindel.htm", encoding="latin-1").read()

    os.remove(root + "/lib/kwindel/libkwindel_print.so")  # printing without its module says why
    named(main, "Printen op papier").queryAction().doAction(0)
    said_missing = ("Het afdrukonderdeel van Kwindel (libkwindel_print) ontbreekt. "
                    "Het resultaat is niet afgedrukt.")
    until("the message on the missing module", lambda: any(n.name == said_missing for w in app() for n in nodes(w)))

    named(main, "About...").queryAction().doAction(0)
    info = until("the info window", lambda: window("Info"))
    said += spoken(info)
    golden = os.path.dirname(__file__) + "/../golden/spoken.txt"
    if os.environ.get("KWINDEL_REGENERATE") == "1":
        open(golden, "w").write(said)
    assert said == open(golden).read(), said
finally:
    program.terminate()
    program.wait()
print("installed copy: valid, saves beside its executable, every control announced as it should be")
