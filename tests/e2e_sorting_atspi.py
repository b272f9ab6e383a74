# SPDX-License-Identifier: GPL-3.0-or-later
"""The sorting exercise done through the accessibility bus alone, as a screen reader user does
it with the reader's action command: open "Вариант 1" from the board, pick a word and drop it
on the wrong picture, check, start again, place all twenty words on their pictures, check, hear
"Ура-а-а !", and leave with "Дальше". Every action and every event heard is logged.

Usage: e2e_sorting_atspi.py <program's pid> <log file>
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))

import pyatspi  # noqa: E402
from atspi_helper import AtSpi  # noqa: E402

TITLE = "Н и НН в прилагательных"
WORDS = [
    ("ледя_ой", "n"), ("лу_ый", "nn"), ("орли_ый", "n"), ("ветре_ый", "n"),
    ("авиацио_ый", "nn"), ("пусты_ый", "nn"), ("глиня_ый", "n"), ("кожа_ый", "n"),
    ("журавли_ый", "n"), ("со_ый", "nn"), ("стари_ый", "nn"), ("травя_ой", "n"),
    ("соломе_ый", "nn"), ("тума_ый", "nn"), ("серебря_ый", "n"), ("экскурсио_ый", "nn"),
    ("безветре_ый", "nn"), ("дли_ый", "nn"), ("песча_ый", "n"), ("деревя_ый", "nn"),
]
PICTURES = {"n": "Буква Н", "nn": "Буквы НН"}


def spoken(word):
    """A gapped word as a reader is given it."""
    return word.replace("_", ", пропуск, ")


def main():
    pid = int(sys.argv[1])
    log_file = open(sys.argv[2], "w", encoding="utf-8")

    def log(line):
        print(line, file=log_file, flush=True)
        print(line, flush=True)

    bus = AtSpi(log=log)
    app = bus.wait_application(pid=pid)
    log(f"application: {app.name} (pid {pid})")
    # Its texts are Russian whatever the machine's locale (a C locale here): a reader chooses
    # its voice by it.
    locale = bus.application_locale(app)
    log(f"application locale: {locale} (LC_ALL={os.environ.get('LC_ALL')})")
    assert locale == "ru_RU", f"the application reports the locale {locale}"

    def said(text, since):
        """Waits for `text` spoken: the window's notification showing with it as its name."""
        return bus.wait_event(
            lambda e: e.type.startswith("object:state-changed:showing") and e.detail1 == 1
            and e.role == "notification" and e.name == text, since=since)

    # The board: "Вариант 1" through its press action.
    variant = bus.wait_find(app, "push button", "Вариант 1")
    bus.do_action(variant, "Press")
    word_list = bus.wait_find(app, "list", "Слова")
    log(f"word list: «{word_list.name}», description: {word_list.description}")
    # The window: the list's ancestor that the application lists among its windows.
    window = word_list
    while window.parent is not None and window.parent.getRoleName() != "application":
        window = window.parent
    log(f"window: {window.getRoleName()} «{window.name}»")
    # A word is named as it is said, its gap named where it is.
    words = {w.name.replace(", пропуск, ", "_"): w for w in bus.find_all(word_list, "label")}
    assert sorted(words) == sorted(w for w, _ in WORDS), f"words found: {sorted(words)}"
    pictures = {name: bus.find(window, "image", name) for name in PICTURES.values()}
    log(f"word «ледя_ой» actions: {bus.actions(words['ледя_ой'])}, description: "
        f"{words['ледя_ой'].description}")
    log(f"picture «Буквы НН» actions: {bus.actions(pictures['Буквы НН'])}")

    def focused(role, name, since):
        return bus.wait_event(
            lambda e: e.type.startswith("object:state-changed:focused") and e.detail1 == 1
            and e.role == role and e.name == name, since=since)

    # The keyboard, as a screen reader follows it: the list's stop and its words, a pick, a
    # chosen picture, Esc, and back to "Проверить". The keys go where the pointer rests, as on a
    # desktop without a window manager.
    box = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + 5), str(box.y + box.height - 5)],
                   check=True)
    for keys, check in [
        ("Tab", lambda m: focused("label", "ледя, пропуск, ой", m)),
        ("Down", lambda m: focused("label", "лу, пропуск, ый", m)),
        ("space", lambda m: said("Взято слово лу, пропуск, ый.", m)),
        ("Right", lambda m: focused("image", "Буквы НН", m)),
        ("Escape", lambda m: said("Слово отпущено.", m) and focused("label", "лу, пропуск, ый", m)),
        ("shift+Tab", lambda m: focused("push button", "Проверить", m)),
    ]:
        mark = len(bus.heard)
        log(f"key: {keys}")
        subprocess.run(["xdotool", "key", keys], check=True)
        check(mark)
    bus.pump(0.2)

    def place(word, code, expect):
        mark = len(bus.heard)
        bus.do_action(words[word], "Pick")
        said(f"Взято слово {spoken(word)}.", mark)
        mark = len(bus.heard)
        bus.do_action(pictures[PICTURES[code]], "Drop")
        said(f"{spoken(word)}. {expect}.", mark)

    # A wrong drop: ветре_ый is н; it stays, and the check counts it.
    place("ветре_ый", "nn", "Осталось в списке")
    mark = len(bus.heard)
    bus.do_action(bus.find(window, "push button", "Проверить"), "Press")
    said("Ошибок, 1.", mark)
    bus.find(window, "label", "1")
    mark = len(bus.heard)
    bus.do_action(bus.wait_find(window, "push button", "Заново"), "Press")
    said("Все слова снова в списке.", mark)
    bus.wait_find(window, "push button", "Помогите!")
    bus.pump(0.3)

    # All twenty onto their pictures.
    for word, code in WORDS:
        place(word, code, "Убрано из списка")
    assert not bus.find_all(word_list, "label"), "words left in the list"
    mark = len(bus.heard)
    bus.do_action(bus.find(window, "push button", "Проверить"), "Press")
    said("Ура!", mark)
    bus.wait_find(window, "label", "Ура!")
    mark = len(bus.heard)
    bus.do_action(bus.wait_find(window, "push button", "Дальше"), "Press")
    # The board tells of the pass with the help count, through its own notification.
    said("Вариант выполнен. Подсказок, 0.", mark)
    log("passed: the exercise was done through the accessibility bus alone")
    bus.close()


if __name__ == "__main__":
    main()
