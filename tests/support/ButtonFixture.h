// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A skinned button configured as the program's buttons are, on a pale panel, and the values
// its looks must have, computed from the gradient rows and the border mask formula.

#include "Grab.h"
#include "ProgramButton.h"
#include "TsBorderMasks.h"
#include "TsButton.h"
#include "TsButtonProbe.h"

#include <QApplication>
#include <QFont>
#include <QLineEdit>
#include <QPalette>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace fixture {

using programlook::kHotGradient;
using programlook::kNormalGradient;

// Grey level of each row of the two gradients on a 25-pixel-high button.
inline const int kNormalGrey[25] = {128, 133, 139, 144, 149, 154, 160, 165, 170, 176, 181, 186, 191,
                                    197, 202, 207, 213, 218, 223, 229, 234, 239, 244, 250, 255};
inline const int kHotGrey[25] = {128, 128, 128, 141, 153, 166, 179, 191, 204, 217, 230, 242, 255,
                                 242, 228, 215, 202, 189, 175, 162, 174, 186, 198, 210, 210};
// The pressed look's gradient starts one row lower: rows 1..24.
inline const int kPressedGrey[25] = {128, 128, 128, 128, 141, 153, 166, 179, 191,
                                     204, 217, 230, 242, 255, 240, 224, 208, 193,
                                     178, 162, 174, 186, 198, 210, 210};

inline const Rgb kPainting{166, 210, 255};    // 16765606
inline const Rgb kHotPainting{143, 183, 207}; // 13612943
inline const Rgb kPanel{255, 255, 225};

// 70 % gradient, 30 % painting colour, rounded to nearest with ties to even.
inline int compose(int grey, int colour)
{
    const double f = 70 / 100.0;
    return static_cast<int>(std::nearbyint(f * grey + (1.0 - f) * colour));
}

inline Rgb composed(int grey, Rgb colour)
{
    return Rgb{static_cast<std::uint8_t>(compose(grey, colour.r)),
               static_cast<std::uint8_t>(compose(grey, colour.g)),
               static_cast<std::uint8_t>(compose(grey, colour.b))};
}

// One border mask pixel with picture m and opacity s over `old`.
inline Rgb masked(Rgb old, int m, int s)
{
    auto ch = [&](int o) { return static_cast<std::uint8_t>((o * s + m * (256 - s)) / 256); };
    return Rgb{ch(old.r), ch(old.g), ch(old.b)};
}

inline Rgb disabled(Rgb old, Rgb parent)
{
    auto ch = [](int o, int p) { return static_cast<std::uint8_t>((128 * p + 127 * o) / 256); };
    return Rgb{ch(old.r, parent.r), ch(old.g, parent.g), ch(old.b, parent.b)};
}

inline Rgb toRgb(QRgb c)
{
    return Rgb{static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
               static_cast<std::uint8_t>(qBlue(c))};
}

inline void configureAsProgram(TsButton *b, const QString &caption, TColor painting)
{
    b->setCaption(caption);
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(11);
    font.setBold(true);
    applyProgramLook(b, ProgramButtonLook{font, QColor(0, 0, 0), painting, std::nullopt});
}

// A program button at rest shows the normal gradient composed with its painting colour under
// the border mask's centre tile (a disabled one that look blended with its parent's colour).
// Checked down the column the button look tests use, in the rows between the border and any
// caption's ink. The button must be at rest: neither focused nor under the mouse.
inline void expectNormalLook(QWidget *button, Rgb painting, const Rgb *disabledOn = nullptr)
{
    ASSERT_FALSE(button->hasFocus()) << "a focused button shows its focused look";
    const QImage image = grabbed(button);
    ASSERT_EQ(image.height(), 25);
    for (int y : {3, 4, 5, 6, 18, 19, 20, 21}) {
        const Rgb look = masked(composed(kNormalGrey[y], painting), 128, 255);
        EXPECT_EQ(toRgb(image.pixel(15, y)), disabledOn ? disabled(look, *disabledOn) : look)
            << "row " << y;
    }
}

// A 111 × 25 program button on a pale yellow panel, with a line edit to hold the focus.
class ProgramButton : public ::testing::Test
{
protected:
    void SetUp() override
    {
        panel = std::make_unique<QWidget>();
        panel->resize(220, 90);
        QPalette pal = panel->palette();
        pal.setColor(QPalette::Window, QColor(kPanel.r, kPanel.g, kPanel.b));
        panel->setPalette(pal);
        panel->setAutoFillBackground(true);
        button = new TsButton(panel.get());
        button->setGeometry(20, 20, 111, 25);
        configureAsProgram(button, QStringLiteral("Вариант 1"), 16765606);
    }

    // An edit box under the button, to hold the focus away from it (a focused button shows its
    // focused look).
    QLineEdit *addFocusHolder()
    {
        auto *edit = new QLineEdit(panel.get());
        edit->setGeometry(20, 55, 100, 20);
        return edit;
    }

    void showActive()
    {
        panel->show();
        panel->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }

    Rgb cache(int x, int y) const { return probe(button).RenderCache().pixel(x, y); }

    std::unique_ptr<QWidget> panel;
    TsButton *button = nullptr;
};

} // namespace fixture
