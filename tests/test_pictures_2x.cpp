// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures for screens of twice the density: the program loads the finer drawing from 150 % on.
#include "FormFrame.h"
#include "Pictures.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

TEST(PicturesAtDeviceRatio, FromOneAndAHalfTheDoubleDensityDrawingIsLoaded)
{
    for (const char *name : {"PictureN.bmp", "PictureNN.bmp", "GradientStrip.bmp",
                             "SmilingFace.bmp", "TeasingFace.bmp", "CompletionMark.jpg"}) {
        SCOPED_TRACE(name);
        const QString path = QStringLiteral(":/assets/") + QLatin1String(name);
        const QImage one = loadPicture(path);
        const QImage fine = loadPicture(doubleDensityName(path));
        ASSERT_EQ(fine.size(), one.size() * 2);

        const QImage at2 = loadPicture(path, 2.0);
        EXPECT_EQ(at2.devicePixelRatio(), 2.0);
        EXPECT_EQ(at2.size(), fine.size());
        EXPECT_TRUE(at2.convertToFormat(QImage::Format_RGB32) ==
                    fine.convertToFormat(QImage::Format_RGB32))
            << "the 2× asset itself, pixel for pixel";
        EXPECT_EQ(at2.deviceIndependentSize(), QSizeF(one.size())) << "the same room in layouts";

        // At 150 % the finer drawing brought to the screen's pixels, in the 1× room.
        const QImage at15 = loadPicture(path, 1.5);
        EXPECT_EQ(at15.devicePixelRatio(), 1.5);
        EXPECT_EQ(at15.size(), QSize(qRound(one.width() * 1.5), qRound(one.height() * 1.5)));
        EXPECT_NEAR(at15.deviceIndependentSize().width(), one.width(), 0.34);

        const QImage at125 = loadPicture(path, 1.25);
        EXPECT_EQ(at125.devicePixelRatio(), 1.0);
        EXPECT_TRUE(at125 == one) << "below 1.5 the 1× picture";
        EXPECT_TRUE(loadPicture(path, 1.0) == one);
    }
}

TEST(PicturesAtDeviceRatio, APictureWithoutAFinerDrawingStaysAtOneTimes)
{
    const QImage icon = loadPicture(QStringLiteral(":/assets/WindowIcon16.png"), 2.0);
    EXPECT_EQ(icon.size(), QSize(16, 16));
    EXPECT_EQ(icon.devicePixelRatio(), 1.0);
    EXPECT_THROW(loadPicture(QStringLiteral(":/assets/missing.bmp"), 2.0), PictureError);
}

TEST(PicturesAtDeviceRatio, DoubleDensityNamesFollowQtsConvention)
{
    EXPECT_EQ(doubleDensityName(QStringLiteral(":/assets/PictureN.bmp")),
              QStringLiteral(":/assets/PictureN@2x.bmp"));
    EXPECT_EQ(doubleDensityName(QStringLiteral("/a.b/mark.jpg")), QStringLiteral("/a.b/mark@2x.jpg"));
    EXPECT_EQ(doubleDensityName(QStringLiteral("/a.b/mark")), QStringLiteral("/a.b/mark@2x"));
}

TEST(PicturesAtDeviceRatio, AWindowsPictureBoxShowsThePictureForItsScreen)
{
    // The offscreen screen has the ratio of QT_SCALE_FACTOR (1 unless the run sets it): the
    // box gets the picture for that ratio, in the same logical size either way.
    QWidget window;
    QLabel *box = makePicture(&window, QStringLiteral("Image1"), QStringLiteral("Н"),
                              QStringLiteral(":/assets/PictureN.bmp"), QRect(0, 0, 102, 88),
                              PictureFit::Natural);
    window.show();
    const QPixmap shown = box->pixmap();
    ASSERT_FALSE(shown.isNull());
    const qreal ratio = box->devicePixelRatioF();
    EXPECT_EQ(shown.devicePixelRatio(), ratio >= 1.5 ? ratio : 1.0);
    EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(102, 88));
}
