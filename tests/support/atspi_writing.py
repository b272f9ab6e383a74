#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Listens on the accessibility bus (AT-SPI) to the trainer while a test drives it, and writes
down what a screen reader would say: each control that takes the keyboard focus (its name, role
and description), and each notification, dialog or label that appears or changes its name.

  atspi_writing.py listen <log>            runs until SIGTERM or SIGINT; one line per event:
                                              focus<TAB>role<TAB>name<TAB>description
                                              showing<TAB>role<TAB>name<TAB>description
                                              name<TAB>role<TAB>name<TAB>description
                                            "ready" alone on the first line once listening.
  atspi_writing.py expect <log> <kind> <role> <name> [<description>]
                                            exits 0 if such a line is in the log, 1 otherwise.
  atspi_writing.py speech <log>             prints the log as a screen reader would speak it.
  atspi_writing.py press <role> <name>      does the press action of the program's shown control
                                            with that role and name, as a screen reader's action
                                            command; exits 1 if there is none.
  atspi_writing.py text <role> <name>       prints the text of the program's shown control with
                                            that role and name (an edit box's typed word), as a
                                            screen reader reads it; exits 1 if there is none.

Only events of the program, the application named by its title, are kept.
"""

import signal
import sys

APPLICATION = "Н и НН в прилагательных"


def listen(log_path):
    import pyatspi
    from gi.repository import GLib

    log = open(log_path, "w", encoding="utf-8", buffering=1)

    def describe(source):
        try:
            app = source.getApplication()
            if app is None or app.name != APPLICATION:
                return None
            return (source.getRoleName(), source.name or "", source.description or "")
        except Exception:  # an object that went away while the event travelled
            return None

    def write(kind, fields):
        log.write("\t".join((kind,) + fields) + "\n")

    def on_focus(event):
        if event.type.startswith("object:state-changed:focused") and event.detail1 != 1:
            return
        fields = describe(event.source)
        if fields:
            write("focus", fields)

    def on_showing(event):
        if event.detail1 != 1:
            return
        fields = describe(event.source)
        if fields:
            write("showing", fields)

    def on_name(event):
        # A screen reader follows what is on screen: a label renamed while hidden says nothing.
        try:
            if not event.source.getState().contains(pyatspi.STATE_SHOWING):
                return
        except Exception:
            return
        fields = describe(event.source)
        if fields:
            write("name", fields)

    registry = pyatspi.Registry
    registry.registerEventListener(on_focus, "object:state-changed:focused")
    registry.registerEventListener(on_showing, "object:state-changed:showing")
    registry.registerEventListener(on_name, "object:property-change:accessible-name")

    def stop(*_):
        registry.stop()
        return False

    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, stop)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGINT, stop)
    log.write("ready\n")
    registry.start()
    log.close()


def entries(log_path):
    with open(log_path, encoding="utf-8") as log:
        for line in log:
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 4:
                yield fields


def expect(log_path, kind, role, name, description=None):
    for fields in entries(log_path):
        if fields[0] == kind and fields[1] == role and fields[2] == name:
            if description is None or fields[3] == description:
                return 0
    wanted = " / ".join(x for x in (kind, role, name, description) if x is not None)
    print(f"atspi: no event {wanted} on the bus", file=sys.stderr)
    return 1


def speech(log_path):
    """What a screen reader says: a focused control with its role and description; a
    notification as soon as it shows; a label that appears or changes, as it reads then."""
    previous = None
    for kind, role, name, description in entries(log_path):
        if kind == "focus":
            line = f"[focus] {name}, {role}" + (f". {description}" if description else "")
        elif role == "notification":
            line = f"[announced] {name}"
        else:
            # On the bus, but a screen reader says nothing of it unprompted.
            line = f"    (bus: {'shows' if kind == 'showing' else 'renamed'}) {name} ({role})"
        if line != previous:
            print(line)
        previous = line


def find_shown(role, name):
    import pyatspi

    def shown_match(obj):
        try:
            return (obj.getRoleName() == role and obj.name == name
                    and obj.getState().contains(pyatspi.STATE_SHOWING))
        except Exception:
            return False

    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != APPLICATION:
            continue
        found = pyatspi.findDescendant(app, shown_match)
        if found is not None:
            return found
    return None


def text(role, name):
    found = find_shown(role, name)
    if found is None:
        print(f"atspi: no shown {role} named {name}", file=sys.stderr)
        return 1
    content = found.queryText()
    print(content.getText(0, content.characterCount))
    return 0


def press(role, name):
    found = find_shown(role, name)
    if found is not None:
        action = found.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        for i, action_name in enumerate(names):
            if action_name.lower() == "press":
                print(f"atspi: {name} ({role}) offers {names}; doing '{action_name}'")
                return 0 if action.doAction(i) else 1
        print(f"atspi: {name} ({role}) offers no press action: {names}", file=sys.stderr)
        return 1
    print(f"atspi: no shown {role} named {name}", file=sys.stderr)
    return 1


def main(argv):
    if len(argv) >= 3 and argv[1] == "listen":
        listen(argv[2])
        return 0
    if len(argv) in (6, 7) and argv[1] == "expect":
        return expect(*argv[2:])
    if len(argv) == 4 and argv[1] == "press":
        return press(argv[2], argv[3])
    if len(argv) == 4 and argv[1] == "text":
        return text(argv[2], argv[3])
    if len(argv) == 3 and argv[1] == "speech":
        speech(argv[2])
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
