#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// The program's one accessibility factory: it tells Qt which interface each of our controls has
// for assistive technology, from a small registry filled by the windows. It is installed once,
// the first time anything is registered.
//
// Qt makes a control's interface the first time the control announces a change (often while
// it is still being built: its name is set, its text is written) and keeps it for the control's
// life. So a control is registered by what is known of it from its first moment: its own class,
// or the window class and object name that the builders give a control before anything else.
// A control registered after its first announcement would keep Qt's plain interface; the
// windows therefore register before they build their controls.
namespace accessible_factory {

using Maker = QAccessibleInterface *(*)(QObject *object);

// `make` answers for every object whose own class is `className` (a class of ours).
void addClass(const char *className, Maker make);

// `make` answers for the control named `objectName` inside a window of class `windowClass` (a
// plain Qt control that the window describes in its own way).
void addControl(const char *windowClass, const QString &objectName, Maker make);

} // namespace accessible_factory
