# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a screen reader and a reader with weak sight meet it.

    desktop_check.py PROGRAM tree      the accessibility tree through AT-SPI
    desktop_check.py PROGRAM contrast  the contrast of every showing text
    desktop_check.py PROGRAM wayland   start, solve and exit on headless weston

Each starts its own server (Xvfb with openbox, or weston) and must run
under dbus-run-session.  It exits 77, which the test command counts as
skipped, when a package it needs is missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
TYPED = ["4", "Tab", "minus", "4", "Tab", "minus", "3", "F5"]


def skip(why):
    print(f"SKIPPED: {why}")
    sys.exit(SKIP)


def need(*programs):
    missing = [p for p in programs if shutil.which(p) is None]
    if missing:
        skip("missing " + ", ".join(missing) + " (scripts/install-deps.sh test)")
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        skip("no session bus: run under dbus-run-session")


def wait_for(done, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        deliver_events()
        value = done()
        if value:
            return value
        time.sleep(0.1)
    return None


def deliver_events():
    """Hands the accessibility events that arrived to their listeners."""
    if "gi.repository.GLib" in sys.modules:
        context = sys.modules["gi.repository.GLib"].MainContext.default()
        while context.pending():
            context.iteration(False)


class Desktop:
    """Xvfb and openbox on a free display, and the program on it."""

    def __init__(self, program, environment):
        self.children = []
        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                   pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as pipe:
            self.display = ":" + pipe.readline().strip()
        self.env = dict(os.environ, DISPLAY=self.display, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=tempfile.mkdtemp(), **environment)
        self.env.pop("QT_QPA_PLATFORMTHEME", None) if "QT_QPA_PLATFORMTHEME" not in environment else None
        self.start(["openbox"])
        self.program = self.start([program])

    def start(self, command, **options):
        child = subprocess.Popen(command, env=getattr(self, "env", None), stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL, **options)
        self.children.append(child)
        return child

    def keys(self, *keysyms):
        subprocess.run(["xdotool", "key", "--delay", "80", *keysyms], env=self.env, check=True)

    def active_pid(self):
        found = subprocess.run(["xdotool", "getactivewindow", "getwindowpid"], env=self.env, capture_output=True,
                               text=True)
        return int(found.stdout) if found.returncode == 0 and found.stdout.strip().isdigit() else None

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True)

    def close(self):
        for child in reversed(self.children):
            child.terminate()
            try:
                child.wait(5)
            except subprocess.TimeoutExpired:
                child.kill()


def application(pyatspi, process):
    """The program's accessible application: the one of its process with windows."""
    def found():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == process.pid and app.childCount > 0:
                return app
        return None
    return wait_for(found)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(pyatspi, node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return node.name


def type_equation(pyatspi, app, desk):
    """Real keys, once the first field has the keyboard."""
    first = wait_for(lambda: next((n for n in walk(app) if n.getRoleName() == "text"), None))
    wait_for(lambda: first.getState().contains(pyatspi.STATE_FOCUSED) and desk.active_pid() == desk.program.pid)
    # The first key may come before the window takes keys: typed again until it lands.
    for _ in range(5):
        desk.keys(TYPED[0])
        if wait_for(lambda: text_of(first) == TYPED[0], 3):
            break
    desk.keys(*TYPED[1:])


def frame(pyatspi, app, title):
    return wait_for(lambda: next((w for w in app if w is not None and w.name.startswith(title)), None))


def solved(pyatspi, app, summary):
    """The status bar's first panel, a notification, once it says the result."""
    def panel():
        for node in walk(app):
            if node.getRoleName() == "notification" and summary in node.name:
                return node
        return None
    return wait_for(panel)


LANGUAGES = {
    "es": {"LANG": "es_ES.UTF-8", "LANGUAGE": "es", "summary": "Dos soluciones reales: x uno igual a 3 medios, "
           "x dos igual a menos un medio", "working": "Desarrollo", "spoken": "más o menos"},
    "en": {"LANG": "en_US.UTF-8", "LANGUAGE": "en", "summary": "Two real solutions: x one equals 3 halves, "
           "x two equals minus one half", "working": "Worked solution", "spoken": "plus or minus"},
}


def check_tree(program):
    import pyatspi
    failures = []
    # What a screen reader is told unasked: notifications that show.
    announced = []
    pyatspi.Registry.registerEventListener(
        lambda event: announced.append(event.source.name)
        if event.detail1 and event.source.getRoleName() == "notification" else None,
        "object:state-changed:showing")
    for language, expected in LANGUAGES.items():
        pyatspi.Registry.getDesktop(0)  # the bus up before the program registers
        desk = Desktop(program, {"LANG": expected["LANG"], "LANGUAGE": expected["LANGUAGE"]})
        try:
            app = application(pyatspi, desk.program)
            if app is None:
                return ["the program never appeared on the accessibility bus"]
            type_equation(pyatspi, app, desk)
            if solved(pyatspi, app, expected["summary"]) is None:
                fields = [text_of(n) for n in walk(app) if n.getRoleName() == "text"][:4]
                failures.append(f"{language}: no summary '{expected['summary']}' after solving {fields}")
            if not wait_for(lambda: expected["summary"] in announced, 5):
                failures.append(f"{language}: the summary was not announced; heard {announced}")
            failures += unnamed(pyatspi, app, language)
            desk.keys("F2")
            working = frame(pyatspi, app, expected["working"])
            if working is None:
                failures.append(f"{language}: the working window did not open")
                continue
            steps = [n for n in walk(working) if n.getState().contains(pyatspi.STATE_FOCUSABLE)
                     and n.getRoleName() in ("label", "static")]
            if len(steps) < 5:
                failures.append(f"{language}: only {len(steps)} steps read as text")
            if not any(expected["spoken"] in s.description for s in steps):
                failures.append(f"{language}: no step speaks '{expected['spoken']}'")
        finally:
            desk.close()
    return failures


def unnamed(pyatspi, app, language):
    """Every focusable control, every showing text and every menu item named."""
    failures = []
    for node in walk(app):
        role = node.getRoleName()
        states = node.getState()
        wanted = (states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING)) \
            or role in ("menu item", "check menu item", "menu") \
            or (role == "label" and showing(pyatspi, node) and text_of(node).strip())
        if wanted and not node.name.strip():
            failures.append(f"{language}: a {role} without a name (text '{text_of(node)}')")
        if role == "label" and node.name.strip() in ("-", "="):
            failures.append(f"{language}: a sign read as '{node.name}'")
    return failures


def check_contrast(program, shots):
    import pyatspi
    from PIL import Image
    themes = {
        "light": {},
        "dark": {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"},
        "high-contrast": {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "HighContrast"},
        "high-contrast-inverse": {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "HighContrastInverse"},
    }
    failures = []
    for theme, environment in themes.items():
        pyatspi.Registry.getDesktop(0)
        desk = Desktop(program, dict(environment, LANG="es_ES.UTF-8", LANGUAGE="es"))
        try:
            app = application(pyatspi, desk.program)
            if app is None:
                return [f"{theme}: the program never appeared on the accessibility bus"]
            type_equation(pyatspi, app, desk)
            solved(pyatspi, app, "Dos soluciones")
            desk.keys("F2")
            frame(pyatspi, app, "Desarrollo")
            time.sleep(1)  # the last paint: nothing to poll for
            desk.keys("alt+Tab")
            time.sleep(1)
            path = os.path.join(shots, f"{theme}.png")
            desk.screenshot(path)
            image = Image.open(path).convert("RGB")
            for node in walk(app):
                failures += low_contrast(pyatspi, node, image, theme)
        finally:
            desk.close()
    return failures


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def low_contrast(pyatspi, node, image, theme):
    """The background is the commonest colour inside the control's frame, the
    text the colour that differs most from it."""
    role = node.getRoleName()
    if role not in ("label", "text", "static", "push button", "page tab", "menu") or not showing(pyatspi, node):
        return []
    if not text_of(node).strip() or not node.getState().contains(pyatspi.STATE_ENABLED):
        return []  # disabled text need not contrast
    if node.parent is not None and node.parent.getRoleName() == "tool bar":
        return []  # pictures, not text
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    inset = 3
    box = (extents.x + inset, extents.y + inset, extents.x + extents.width - inset,
           extents.y + extents.height - inset)
    if box[2] - box[0] < 4 or box[3] - box[1] < 4 or not visible(pyatspi, node, box, image):
        return []
    colours = image.crop(box).getcolors(1 << 20)
    background = max(colours)[1]
    text = max((c for _, c in colours), key=lambda c: ratio(c, background))
    found = ratio(text, background)
    if found < 4.5:
        return [f"{theme}: {role} '{node.name or text_of(node)}' at {box}: {text} on {background}, {found:.2f}:1"]
    return []


def visible(pyatspi, node, box, image):
    """Wholly on the screen and inside every ancestor (a scrolled-off step is not)."""
    if box[0] < 0 or box[1] < 0 or box[2] > image.width or box[3] > image.height:
        return False
    ancestor = node.parent
    while ancestor is not None and ancestor.getRoleName() != "application":
        e = ancestor.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if box[0] < e.x or box[1] < e.y or box[2] > e.x + e.width or box[3] > e.y + e.height:
            return False
        ancestor = ancestor.parent
    return True


def press(node):
    node.queryAction().doAction(0)


def named(pyatspi, app, role, name):
    return wait_for(lambda: next((n for n in walk(app) if n.getRoleName() == role and n.name == name), None))


def check_wayland(program):
    """Headless weston takes no input from outside: the fields are filled and
    the buttons pressed through AT-SPI, as a screen reader would."""
    need("weston")
    import pyatspi
    runtime = tempfile.mkdtemp()
    os.chmod(runtime, 0o700)
    socket = "trx-wayland-0"
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime)
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=" + socket, "--idle-time=0"],
                              env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    program_run = None
    try:
        if not wait_for(lambda: os.path.exists(os.path.join(runtime, socket)), 15):
            return ["weston did not start"]
        env.update(WAYLAND_DISPLAY=socket, QT_QPA_PLATFORM="wayland", LANG="es_ES.UTF-8", LANGUAGE="es",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=tempfile.mkdtemp())
        env.pop("DISPLAY", None)
        pyatspi.Registry.getDesktop(0)
        program_run = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        app = application(pyatspi, program_run)
        if app is None:
            program_run.kill()
            stderr = program_run.communicate()[1]
            if "wayland" in stderr and "Could not" in stderr:
                skip("Qt's Wayland plugin is missing (qt6-wayland)")
            return ["the program did not start on Wayland: " + stderr.strip()[-300:]]
        for name, value in (("Coeficiente de x²", "4"), ("Coeficiente de x", "-4"), ("Término independiente", "-3")):
            named(pyatspi, app, "text", name).queryEditableText().setTextContents(value)
        press(named(pyatspi, app, "push button", "Calcular"))
        failures = []
        if solved(pyatspi, app, "Dos soluciones reales: x uno igual a 3 medios") is None:
            failures.append("no solution after Calcular")
        press(named(pyatspi, app, "push button", "Salir"))
        press(named(pyatspi, app, "push button", "Sí"))
        if program_run.wait(20) != 0:
            failures.append(f"exit code {program_run.returncode}: {program_run.stderr.read().strip()[-300:]}")
        return failures
    finally:
        if program_run is not None and program_run.poll() is None:
            program_run.kill()
        weston.terminate()
        weston.wait(10)


def main():
    program, mode = sys.argv[1], sys.argv[2]
    try:
        import pyatspi  # noqa: F401
        from PIL import Image  # noqa: F401
    except ImportError as missing:
        skip(f"{missing.name} is missing (python3-pyatspi, python3-pil)")
    if mode == "wayland":
        failures = check_wayland(program)
    else:
        need("Xvfb", "openbox", "xdotool", "import")
        if mode == "tree":
            failures = check_tree(program)
        else:
            shots = sys.argv[3] if len(sys.argv) > 3 else tempfile.mkdtemp()
            failures = check_contrast(program, shots)
    for failure in failures:
        print("FAILED:", failure)
    print(f"{mode}: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
