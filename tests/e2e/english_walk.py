"""Reads every text of the main menu, the about box and each page of the options dialog
through the accessibility bus, as a screen reader would, from the running program.

english_walk.py en | ja GOLDEN [--write]; the environment gives WIN (the strip), GRIP and
OPTIONS ("x y" in the strip: a point on no button, the option button), HOME_DIR and USER_NAME.
en: fails listing each text with a Japanese character; ja: the sorted texts must equal GOLDEN.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

JAPANESE = re.compile("[\u3000-\u30ff\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]")
# Names this machine gives: its network interfaces and the mount points shown after a drive
# letter. They are the user's data, in whatever language; the words around them are ours.
INTERFACES = os.listdir("/sys/class/net")
with open("/proc/self/mounts", encoding="utf-8") as mounts:
    MOUNTS = [re.sub(r"\\([0-7]{3})", lambda m: chr(int(m[1], 8)), line.split()[1])
              for line in mounts]
WORD_EDGE = "A-Za-z0-9_-"


def without_machine_names(text):
    for name in sorted(INTERFACES, key=len, reverse=True):
        text = re.sub(rf"(?<![{WORD_EDGE}]){re.escape(name)}(?![{WORD_EDGE}])", "<interface>", text)
    for mount in sorted(MOUNTS, key=len, reverse=True):
        text = re.sub(rf"\b([A-Z]): {re.escape(mount)}(?=\()", r"\1: <mount>", text)
    text = text.replace(os.environ["HOME_DIR"], "<home>")
    user = re.escape(os.environ["USER_NAME"])
    return re.sub(rf"(?<![{WORD_EDGE}]){user}(?![{WORD_EDGE}])", "<user>", text)


ctx = GLib.MainContext.default()
events = []


def pump(seconds):
    end = time.time() + seconds
    while time.time() < end:
        while ctx.iteration(False):
            pass
        time.sleep(0.02)


def wait(what, predicate, seconds=15, fatal=True):
    end = time.time() + seconds
    while time.time() < end:
        pump(0.1)
        found = predicate()
        if found:
            return found
    if fatal:
        sys.exit(f"FAIL: {what} did not appear")
    return None


def xdo(*args):
    subprocess.run(["xdotool", *args], check=True)


def states(acc):
    try:
        return acc.getState()
    except Exception:
        return None


def showing(acc):
    s = states(acc)
    return s is not None and s.contains(pyatspi.STATE_SHOWING)


def children(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child


def texts_of(acc, only_showing):
    """(role, field, text) of acc and everything under it."""
    if only_showing and not showing(acc):
        return
    role = acc.getRoleName()
    fields = [("name", acc.name), ("description", acc.description)]
    try:
        fields.append(("text", acc.queryText().getText(0, -1)))
    except NotImplementedError:
        pass
    for field, text in fields:
        if text and (field == "name" or text != acc.name):
            yield role, field, text
    for child in children(acc):
        yield from texts_of(child, only_showing)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for candidate in children(desktop):
        if candidate.description.endswith("trumbel") or candidate.name == "trumbel":
            return candidate
    return None


def top_windows():
    a = app()
    return [w for w in children(a) if showing(w)] if a else []


def new_window(before):
    names = {(w.getRoleName(), w.name) for w in before}
    fresh = [w for w in top_windows() if (w.getRoleName(), w.name) not in names]
    return fresh[0] if fresh else None


def on_event(event):
    events.append(event)


def walk():
    rows = []
    wait("the program on the accessibility bus", app)
    strip = top_windows()
    grip = os.environ["GRIP"].split()
    win = os.environ["WIN"]

    # The main menu with every submenu: the popup is no top-level window, so it is found by
    # the event of its showing.
    def menu():
        for e in events:
            if e.detail1 and e.source.getRoleName() == "popup menu":
                return e.source
        return None

    # The program can miss the news that someone listens when it comes while it starts; a
    # listener registered again is news again.
    for _ in range(3):
        pyatspi.Registry.registerEventListener(on_event, "object:state-changed:showing")
        pump(0.5)
        events.clear()
        xdo("mousemove", "--window", win, *grip, "sleep", "0.2", "click", "3")
        if wait("the main menu", menu, seconds=5, fatal=False):
            break
        print("no main menu seen; once more", file=sys.stderr)
        xdo("key", "Escape")
        pyatspi.Registry.deregisterEventListener(on_event, "object:state-changed:showing")
    rows += [("menu", *r) for r in texts_of(wait("the main menu", menu), only_showing=False)]

    # Its first item is the about box.
    pump(0.3)
    xdo("key", "Down", "Return")
    box = wait("the about box", lambda: new_window(strip))
    pump(0.5)
    rows += [("about", *r) for r in texts_of(box, only_showing=True)]
    xdo("key", "Escape")
    wait("the about box's close", lambda: not new_window(strip))

    xdo("mousemove", "--window", win, *os.environ["OPTIONS"].split(), "sleep", "0.2", "click", "1")
    dialog = wait("the options dialog", lambda: new_window(strip))
    pump(0.5)
    page_list = wait("the page list", lambda: next(
        (a for a in pyatspi.findAllDescendants(dialog, lambda x: x.getRoleName() == "list")
         if a.childCount >= 11), None))
    captions = [item.name for item in children(page_list)]
    xdo("key", "Home")
    for page, caption in enumerate(captions):
        if page:
            xdo("key", "Down")
        item = page_list.getChildAtIndex(page)
        wait(f"page {page}", lambda: states(item).contains(pyatspi.STATE_SELECTED))
        pump(0.5)
        where = f"options {page} {caption.splitlines()[0]}"
        rows += [(where, *r) for r in texts_of(dialog, only_showing=True)]
    xdo("key", "Escape")
    return rows


def normalised(text):
    """The text as on any machine: which drive comes first and its kind, and the version, vary."""
    text = re.sub(r"\b[A-Z]: <mount>\([^)]*\)", "<drive>", text)
    return re.sub(r"\d+\.\d+ +\(Revision : \d+\)", "<version>", text)


def main():
    mode, golden = sys.argv[1], sys.argv[2]
    rows = [(*r[:3], without_machine_names(r[3])) for r in walk()]
    if mode == "en":
        # Each text once, where it is first seen: the page list and the dialog's buttons
        # show on every page.
        first = {}
        for where, role, field, text in rows:
            if JAPANESE.search(text):
                first.setdefault((role, field, text), where)
        bad = [(where, *r) for r, where in first.items()]
        for where, role, field, text in bad:
            print(f"{where} | {role} | {field} | {text!r}")
        if bad:
            sys.exit(f"FAIL: {len(bad)} texts in Japanese under English")
        print(f"PASS: {len(rows)} texts, none Japanese")
        return
    texts = sorted({f"{role}\t{normalised(text)}".replace("\n", "\\n")
                    for _, role, _, text in rows})
    if "--write" in sys.argv:
        with open(golden, "w", encoding="utf-8") as f:
            f.write("".join(t + "\n" for t in texts))
    with open(golden, encoding="utf-8") as f:
        want = f.read().splitlines()
    missing = sorted(set(want) - set(texts))
    extra = sorted(set(texts) - set(want))
    for t in missing:
        print(f"missing: {t!r}")
    for t in extra:
        print(f"new:     {t!r}")
    if missing or extra:
        sys.exit("FAIL: the Japanese texts differ from " + golden)
    print(f"PASS: {len(texts)} Japanese texts as before")


main()
