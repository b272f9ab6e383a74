# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives a program through the accessibility bus (AT-SPI), as a screen reader does.

Meant for the end-to-end tests: run under an X server and a session bus of their own
(`dbus-run-session`), with the program started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 so that
Qt joins the accessibility bus without a desktop telling it to. Everything here is generic:
find the application, find objects by role and name, run their actions, and collect the events
a screen reader would hear, with a log line for each.

    bus = AtSpi(log=print)
    app = bus.wait_application(pid=1234)
    button = bus.wait_find(app, "push button", "Проверить")
    bus.do_action(button, "Press")
    bus.wait_event(lambda e: e.name == "Ура!")
"""

import os
import time

import pyatspi
from gi.repository import Gio, GLib

# Every wait gives up after the end-to-end tests' one budget (tests/support/e2e.sh).
E2E_TIMEOUT = float(os.environ.get("E2E_TIMEOUT", "30"))

# The events a screen reader listens to: focus moves, names that change, things that show or
# hide (a notification that shows is spoken), texts that change and states that turn.
DEFAULT_EVENTS = (
    "focus:",
    "object:state-changed:focused",
    "object:state-changed:showing",
    "object:state-changed:selected",
    "object:property-change:accessible-name",
    "object:text-changed",
    "window:activate",
)


class Event:
    """One event as heard: its type, the source's role and name, and the change's detail."""

    def __init__(self, raw):
        self.type = str(raw.type)
        self.detail1 = raw.detail1
        source = raw.source
        try:
            self.role = source.getRoleName()
            self.name = source.name or ""
        except Exception:  # the object went away before it could be asked
            self.role, self.name = "?", ""
        self.source = source

    def __str__(self):
        return f"{self.type}({self.detail1}) {self.role} «{self.name}»"


class AtSpi:
    def __init__(self, log=print, events=DEFAULT_EVENTS):
        self.log = log
        self.heard = []
        self._listener = self._on_event
        for event_type in events:
            pyatspi.Registry.registerEventListener(self._listener, event_type)

    def _on_event(self, raw):
        event = Event(raw)
        self.heard.append(event)
        self.log(f"  heard: {event}")

    def pump(self, seconds=0.0):
        """Lets the bus deliver what is queued, for at least `seconds`."""
        context = GLib.MainContext.default()
        end = time.monotonic() + seconds
        while True:
            while context.pending():
                context.iteration(False)
            if time.monotonic() >= end:
                return
            time.sleep(0.02)

    def wait_application(self, pid=None, name=None, timeout=E2E_TIMEOUT):
        """The application on the bus with this process id (or name)."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is None:
                    continue
                try:
                    if (pid is not None and app.get_process_id() == pid) or (
                        name is not None and app.name == name
                    ):
                        return app
                except Exception:
                    continue
            self.pump(0.2)
        raise AssertionError(f"no application with pid {pid} / name {name} on the bus")

    @staticmethod
    def walk(root, showing_only=True):
        """Every object below `root`, depth first; hidden subtrees left out unless asked."""
        stack = [root]
        while stack:
            obj = stack.pop()
            if obj is None:
                continue
            if obj is not root:
                if showing_only and not obj.getState().contains(pyatspi.STATE_SHOWING):
                    continue
                yield obj
            stack.extend(obj.getChildAtIndex(i) for i in reversed(range(obj.childCount)))

    def find_all(self, root, role, name=None, showing_only=True):
        """Objects with this role name ("push button", "label", "image", "list") and name."""
        return [
            obj
            for obj in self.walk(root, showing_only)
            if obj.getRoleName() == role and (name is None or obj.name == name)
        ]

    def find(self, root, role, name, showing_only=True):
        found = self.find_all(root, role, name, showing_only)
        if not found:
            raise AssertionError(f"no {role} «{name}»")
        return found[0]

    def wait_find(self, root, role, name, timeout=E2E_TIMEOUT):
        end = time.monotonic() + timeout
        while True:
            found = self.find_all(root, role, name)
            if found:
                return found[0]
            if time.monotonic() >= end:
                raise AssertionError(f"no {role} «{name}» appeared")
            self.pump(0.1)

    def wait_any(self, root, role, timeout=E2E_TIMEOUT):
        """Every showing object with this role, once there is at least one."""
        end = time.monotonic() + timeout
        while True:
            found = self.find_all(root, role)
            if found or time.monotonic() >= end:
                return found
            self.pump(0.1)

    @staticmethod
    def actions(obj):
        """The names of the object's actions."""
        action = obj.queryAction()
        return [action.getName(i) for i in range(action.nActions)]

    @staticmethod
    def _described(action, i):
        # Not every toolkit answers for localized names; the action's own description says the same.
        for ask in (action.getLocalizedName, action.getDescription):
            try:
                text = ask(i)
                if text:
                    return text
            except Exception:
                pass
        return ""

    def do_action(self, obj, name):
        """Runs the object's action called `name`, as a screen reader's action command does."""
        action = obj.queryAction()
        for i in range(action.nActions):
            if action.getName(i) == name:
                self.log(f"action: {name} ({self._described(action, i)}) on "
                         f"{obj.getRoleName()} «{obj.name}»")
                if not action.doAction(i):
                    raise AssertionError(f"{name} on «{obj.name}» was refused")
                return
        raise AssertionError(f"«{obj.name}» has no action {name}: {self.actions(obj)}")

    def wait_event(self, match, timeout=E2E_TIMEOUT, since=0):
        """The first event from index `since` on that `match` accepts, waiting for it."""
        end = time.monotonic() + timeout
        while True:
            for event in self.heard[since:]:
                if match(event):
                    return event
            if time.monotonic() >= end:
                raise AssertionError("the awaited event did not come")
            self.pump(0.05)

    @staticmethod
    def application_locale(app):
        """The locale the application reports for its messages (Application.GetLocale), asked
        on the accessibility bus directly: pyatspi has no call for it."""
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                    None, GLib.VariantType("(s)"), 0, -1, None).unpack()[0]
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                 | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        a11y = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
        reply = a11y.call_sync(app.app.bus_name, "/org/a11y/atspi/accessible/root",
                               "org.a11y.atspi.Application", "GetLocale",
                               GLib.Variant("(u)", (0,)), GLib.VariantType("(s)"), 0, -1, None)
        return reply.unpack()[0]

    def close(self):
        for event_type in DEFAULT_EVENTS:
            try:
                pyatspi.Registry.deregisterEventListener(self._listener, event_type)
            except Exception:
                pass
