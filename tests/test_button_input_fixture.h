// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program button beside a second button and an edit box that can hold the focus, each click of
// either counted.
#include "ButtonFixture.h"

#include <QLineEdit>

namespace fixture {

class ButtonInput : public ProgramButton
{
protected:
    void SetUp() override
    {
        ProgramButton::SetUp();
        edit = addFocusHolder();
        other = new TsButton(panel.get());
        other->setGeometry(140, 20, 60, 25);
        button->setOnClick([this] { ++clicks; });
        other->setOnClick([this] { ++otherClicks; });
        showActive();
    }

    // Waits until no key click is due: a button keeps its pressed look until its click has run.
    void settle()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !button->isDown() && !other->isDown(); }));
    }

    int clicks = 0;
    int otherClicks = 0;
    QLineEdit *edit = nullptr;
    TsButton *other = nullptr;
};

} // namespace fixture
