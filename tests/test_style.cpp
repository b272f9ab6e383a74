// SPDX-License-Identifier: GPL-3.0-or-later
// The button's style tree: defaults, what a setter reports, and the painting colour rule.
#include "TsStyle.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct Recorded
{
    std::vector<TsStyleChange> changes;
    TsActiveBGStyle style{[this](TsStyleChange c) { changes.push_back(c); }};
};
} // namespace

TEST(TsStyle, DefaultsOfANewButton)
{
    Recorded r;
    TsActiveBGStyle &s = r.style;
    EXPECT_EQ(s.Painting()->Color(), 13288119);
    EXPECT_TRUE(s.Painting()->ParentColor());
    EXPECT_EQ(s.Painting()->Bevel(), TsControlBevel::cbRaisedSoft);
    EXPECT_EQ(s.HotStyle()->HotPainting()->Color(), 13612943);
    EXPECT_EQ(s.HotStyle()->HotPainting()->BevelWidth(), 5);
    EXPECT_EQ(s.Background()->Gradient()->Percent(), 70);
    EXPECT_EQ(s.HotStyle()->HotBackground()->Gradient()->Percent(), 70);
    EXPECT_TRUE(s.BtnEffects()->Fading()->Enabled());
    EXPECT_EQ(s.BtnEffects()->Fading()->Iterations(), 5);
    EXPECT_EQ(s.BtnEffects()->Fading()->IntervalIn(), 5);
    EXPECT_EQ(s.BtnEffects()->Fading()->IntervalOut(), 5);
    EXPECT_TRUE(s.BtnEffects()->MaskedBorders()->Enabled());
    EXPECT_EQ(s.BtnEffects()->MaskedBorders()->Predefined(), TsPredefinedBorders::pdBorder1);
    EXPECT_EQ(s.BtnEffects()->MaskedBorders()->TransparentColor(), 16711935);
    EXPECT_TRUE(s.SoftControl());
    EXPECT_FALSE(s.Effects()->Shadow()->Enabled());
    EXPECT_TRUE(r.changes.empty());
}

TEST(TsStyle, PaintingColourStopsFollowingTheParent)
{
    Recorded r;
    TsPainting *p = r.style.Painting();
    // The same value as the default still changes the look: the parent is no longer followed.
    p->setColor(13288119);
    EXPECT_FALSE(p->ParentColor());
    EXPECT_EQ(r.changes.size(), 1u);
    p->setColor(13288119);
    EXPECT_EQ(r.changes.size(), 1u) << "nothing changed";
    p->setColor(clInfoBk);
    EXPECT_EQ(p->Color(), clInfoBk);
    EXPECT_EQ(r.changes.size(), 2u);
    p->setParentColor(true);
    EXPECT_EQ(r.changes.size(), 3u);
}

TEST(TsStyle, SettersReportLookOrShape)
{
    Recorded r;
    TsActiveBGStyle &s = r.style;
    s.HotStyle()->HotBackground()->Gradient()->setData("0;0;0;0;0");
    s.Background()->Gradient()->setData("0;0;0;0;0");
    s.HotStyle()->HotPainting()->setColor(16769520);
    s.BtnEffects()->MaskedBorders()->setPredefined(TsPredefinedBorders::pdCustom);
    s.BtnEffects()->MaskedBorders()->setEnabled(false);
    s.BtnEffects()->Fading()->setIterations(250);
    EXPECT_EQ(s.BtnEffects()->Fading()->Iterations(), 100) << "a percent-like setting";
    s.setSoftControl(false);
    const std::vector<TsStyleChange> expected{TsStyleChange::Look,  TsStyleChange::Look,
                                              TsStyleChange::Look,  TsStyleChange::Shape,
                                              TsStyleChange::Shape, TsStyleChange::Look,
                                              TsStyleChange::Shape};
    EXPECT_EQ(r.changes, expected);
}

TEST(TsColor, SystemColoursResolveThroughTheFixedTable)
{
    EXPECT_EQ(ResolveColor(clInfoBk), (Rgb{255, 255, 225}));
    EXPECT_EQ(ResolveColor(clBtnFace), (Rgb{240, 240, 240}));
    EXPECT_EQ(ResolveColor(cl3DLight), (Rgb{227, 227, 227}));
    EXPECT_EQ(ResolveColor(clWindowText), (Rgb{0, 0, 0}));
    EXPECT_EQ(ResolveColor(16765606), (Rgb{166, 210, 255}));
    EXPECT_EQ(ResolveColor(ColorFromRgb(1, 2, 3)), (Rgb{1, 2, 3}));
    EXPECT_TRUE(IsSystemColor(clInfoBk));
    EXPECT_FALSE(IsSystemColor(16777215));
}

// The bevel colours are in the same table: a button painted in one of them shows the grey a
// panel's bevel shows, not the low bytes of the system colour's number.
TEST(TsColor, BevelColoursResolveAsThePanelsPaintThem)
{
    EXPECT_EQ(ResolveColor(clBtnShadow), (Rgb{160, 160, 160}));
    EXPECT_EQ(ResolveColor(clBtnHighlight), (Rgb{255, 255, 255}));
    EXPECT_TRUE(IsSystemColor(clBtnShadow));
}
