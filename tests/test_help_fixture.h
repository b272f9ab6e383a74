// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The help window made afresh for each test, its controls found by name, and shown and activated
// as the program shows it.
#include "HelpWindow.h"
#include "WindowRules.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace help_test {

class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // As in the program: closing a window that is not the board never ends the run.
        QApplication::setQuitOnLastWindowClosed(false);
        form = std::make_unique<HelpWindow>();
    }

    template <typename T = QWidget> T *child(const char *name) const
    {
        T *w = form->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void showAndActivate()
    {
        showWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    std::unique_ptr<HelpWindow> form;
};

} // namespace help_test
