# The window as a screen reader reads it over the accessibility bus on a real X server, in both
# modes: every control named, once, without blanks, with its role. Skipped (77) only without a bus.
import os, shutil, subprocess, sys, time
if "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
    if not shutil.which("dbus-run-session"):
        print("skipped: dbus-run-session is missing, so no accessibility bus can start"); sys.exit(77)
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)
import pyatspi

x = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24"], stdout=subprocess.PIPE)
app = subprocess.Popen([sys.argv[1], "--no-splash"], env=dict(os.environ, QT_QPA_PLATFORM="xcb",
                       DISPLAY=":" + x.stdout.readline().decode().strip(), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
walk = lambda a: [a] + [d for c in a for d in walk(c)] if a.getState().contains(pyatspi.STATE_SHOWING) else []

def tree(showing):  # the window's accessibles once one named `showing` shows
    for _ in range(300):
        for t in [walk(a) for a in pyatspi.Registry.getDesktop(0) if a and a.name == "trochela"]:
            if any(c.name == showing for c in t): return t
        time.sleep(0.1)
    sys.exit(f"no control named {showing!r} showed on the accessibility bus")

faults = []
try:
    for mode, showing in (("single", "Exit"), ("multi", "Wheel count 3")):
        names = {}
        for c in tree(showing):
            role, name, focusable = c.getRoleName(), c.name, c.getState().contains(pyatspi.STATE_FOCUSABLE)
            if (not name and role not in ("frame", "filler")) or name != name.strip() or \
                    (name == "Trochela! Options" and role != "panel") or (focusable and name in names):
                faults.append(f"{mode}: {role} named {name!r} ({c.description!r})")
            if role != "label": names[name] = (role, c)
        faults += [f"{mode}: {n!r} is not a {r}" for n, r in {"Circle": "radio button", "Picture": "canvas",
                   "Square": "radio button", "X scale": "text"}.items() if names.get(n, "?")[0] != r]
        names["Multi"][1].queryAction().doAction(0)  # ticked as a screen reader ticks it
finally:
    app.kill(), x.kill()
print("\n".join(faults) or "every control named, with its role")
sys.exit(1 if faults else 0)
