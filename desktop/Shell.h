// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Hands a target ("mailto:..." or a web address) to the desktop to open with its default
// program. Returns at once: the program never waits for, or looks at, what the desktop does.
// Whether the desktop could hand it on at all is returned for the caller's information.
bool shellOpen(const QString &target);
