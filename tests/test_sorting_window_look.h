// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sorting window's look after real input: the panels' colours, what each state shows right
// of the word list, and the fixture that checks a state and places every word.
#include "test_sorting_window_fixture.h"

#include <QColor>
#include <QLabel>
#include <QRect>

namespace sorting_test {

const QColor kWordListYellow(255, 255, 202);
const QColor kCheckViolet(64, 0, 128);
const QColor kTargetPink(255, 221, 255);
const QColor kHelpBlue(166, 210, 255);

// What is shown on the right of the word list in one state; the target panel's top is checked
// where the panel is shown.
struct StateRow
{
    const char *name;
    bool instruction, helpOffer, target;
    int top;
    bool check, retry, next, errors, praise;
};
// clang-format off
const StateRow kPlacing{"Placing", true, false, true, 127, true, false, false, false, false};
const StateRow kHelpOffered{"Help offered", false, true, true, 87, true, false, false, false, false};
const StateRow kFailed{"Failed", false, false, false, 0, false, true, false, true, false};
const StateRow kPassedLow{"Passed", true, false, true, 127, false, false, true, false, true};
const StateRow kPassedRaised{"Passed", true, false, true, 87, false, false, true, false, true};
// clang-format on

class SortingWindowLook : public SortingWindowTest
{
protected:
    void expectState(const StateRow &s, int words) const
    {
        SCOPED_TRACE(s.name);
        EXPECT_TRUE(named("Panel3")->isVisible());
        EXPECT_TRUE(named("Panel2")->isVisible());
        EXPECT_EQ(named("Panel4")->isVisible(), s.instruction);
        EXPECT_EQ(named("Panel5")->isVisible(), s.helpOffer);
        EXPECT_EQ(named("Panel6")->isVisible(), s.helpOffer);
        EXPECT_EQ(named("Panel1")->isVisible(), s.target);
        if (s.target) {
            EXPECT_EQ(named("Panel1")->geometry(), QRect(208, s.top, 162, 232));
        }
        EXPECT_EQ(button("sButton5")->isVisible(), s.check);
        EXPECT_EQ(button("sButton1")->isVisible(), s.retry);
        EXPECT_EQ(button("sButton2")->isVisible(), s.next);
        EXPECT_EQ(named("Label1")->isVisible(), s.errors);
        EXPECT_EQ(named("Label2")->isVisible(), s.errors);
        EXPECT_EQ(named("Label36")->isVisible(), s.praise);
        EXPECT_EQ(wordsShown(), words);
        EXPECT_EQ(named("sButton3")->isVisibleTo(named("Panel5")), true)
            << "Помогите! comes and goes with its panel";
    }
    QString errorCount() const { return named<QLabel>("Label2")->text(); }
    void placeAll()
    {
        for (int k = 1; k <= 20; ++k) {
            if (word(k)->isVisible()) {
                dragRight(k);
            }
        }
    }
};

} // namespace sorting_test
