// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient and picture settings of a background: the stored description, its parsed stops,
// the share rule and the change notification.
#include "TsBackground.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct Counted
{
    int changes = 0;
    TsBackground bg{[this] { ++changes; }};
};
} // namespace

TEST(TsBGGradient, DefaultsAndAssignment)
{
    Counted c;
    TsBGGradient *g = c.bg.Gradient();
    EXPECT_EQ(g->Data(), "");
    EXPECT_TRUE(g->Stops().empty());
    EXPECT_EQ(g->Percent(), 70);
    EXPECT_EQ(c.bg.Image()->Percent(), 0);
    EXPECT_FALSE(c.bg.ListenMSG());

    g->setData("0;16777215;99;0;0");
    EXPECT_EQ(g->Stops().size(), 1u);
    EXPECT_EQ(c.changes, 1);

    g->setData("0;16777215;99;0;0");
    EXPECT_EQ(c.changes, 1) << "the same text again changes nothing";

    g->setData("0;16777215;99;0;0;");
    EXPECT_EQ(c.changes, 2) << "any different text, even one with the same stops, is stored";
    EXPECT_EQ(g->Data(), "0;16777215;99;0;0;");

    g->setData("");
    EXPECT_TRUE(g->Stops().empty());
    EXPECT_EQ(c.changes, 3);
}

TEST(TsBGGradient, LongTextIsCutAfter255Characters)
{
    Counted c;
    std::string text = "0;16777215;50;0;0";
    text += std::string(300 - text.size(), ';');
    // Single characters set in place: std::string::replace here draws a false -Wrestrict from
    // GCC 12 at -O3.
    text[254] = 'X'; // the 255th character
    text[255] = 'Y';
    c.bg.Gradient()->setData(text);
    ASSERT_EQ(c.bg.Gradient()->Data().size(), 255u);
    EXPECT_EQ(c.bg.Gradient()->Data().back(), 'X');

    // Assigning the long text again compares the cut text: no change.
    c.bg.Gradient()->setData(text);
    EXPECT_EQ(c.changes, 1);

    // Characters, not bytes: a two-byte letter counts once and is never split.
    const std::string cyr = "я";
    std::string wide;
    for (int i = 0; i < 300; ++i) {
        wide += cyr;
    }
    EXPECT_EQ(CutToCharacters(wide, 255).size(), 510u);
    EXPECT_EQ(CutToCharacters("abc", 255), "abc");
}

TEST(TsBGGradient, BadWordLeavesEverythingAsItWas)
{
    Counted c;
    TsBGGradient *g = c.bg.Gradient();
    g->setData("8421504;16777215;99;0;0;16777215;16777215;0;0;0");
    const TsGradArray before = g->Stops();
    ASSERT_EQ(c.changes, 1);

    EXPECT_THROW(g->setData("0;0;50;0;0;1;oops;0;0;0"), TsConvertError);
    EXPECT_EQ(g->Data(), "8421504;16777215;99;0;0;16777215;16777215;0;0;0");
    EXPECT_EQ(g->Stops(), before);
    EXPECT_EQ(c.changes, 1) << "a failed assignment does not repaint";

    EXPECT_THROW(g->setData("0;4294967295;0;0;0"), TsConvertError) << "beyond 32 bits";
    EXPECT_EQ(g->Stops(), before);
}

TEST(TsHotBackground, SharesNeverPassOneHundred)
{
    Counted c;
    TsBGGradient *g = c.bg.Gradient();
    TsBGImage *img = c.bg.Image();

    img->setPercent(50);
    EXPECT_EQ(img->Percent(), 50);
    EXPECT_EQ(g->Percent(), 50) << "70 + 50 would pass 100";

    g->setPercent(80);
    EXPECT_EQ(img->Percent(), 20);

    g->setPercent(10);
    EXPECT_EQ(img->Percent(), 20) << "a lower share leaves the other alone";

    g->setPercent(250);
    EXPECT_EQ(g->Percent(), 100);
    EXPECT_EQ(img->Percent(), 0);
    g->setPercent(-4);
    EXPECT_EQ(g->Percent(), 0);
    EXPECT_EQ(c.changes, 5) << "every share assignment notifies";

    // The hot background follows the same rule.
    int hotChanges = 0;
    TsHotBackground hot([&] { ++hotChanges; });
    hot.Image()->setPercent(100);
    EXPECT_EQ(hot.Gradient()->Percent(), 0);
    EXPECT_EQ(hotChanges, 1);
}
