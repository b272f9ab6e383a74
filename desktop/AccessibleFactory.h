// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QObject;

// The program's one accessibility factory: it tells Qt which interface each of our controls has
// for assistive technology, from a small registry filled by the windows. It is installed once,
// the first time anything is registered.
//
// Qt makes a control's interface the first time the control announces a change (often while
// it is still being built: its name is set, its text is written) and keeps it for the control's
// life. So a control is registered by its own class, which it has from its first moment; each
// of our control classes registers itself in its constructor, before it names itself or sets
// its text, so that no control keeps Qt's plain interface.
namespace accessible_factory {

using Maker = QAccessibleInterface *(*)(QObject *object);

// `make` answers for every object whose own class is `className` (a class of ours).
void addClass(const char *className, Maker make);

} // namespace accessible_factory
