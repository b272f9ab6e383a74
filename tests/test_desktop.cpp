// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop layer: fixed colours and fonts, bevelled panels, JPEG decoding, labels and the
// rules for showing windows.
#include "BevelPanel.h"
#include "DesktopLook.h"
#include "FormFrame.h"
#include "Pictures.h"
#include "WindowRules.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QProxyStyle>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <utility>

#include <gtest/gtest.h>

namespace {
QByteArray readResource(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}
} // namespace

TEST(DesktopLook, FixedSystemColoursAndFonts)
{
    EXPECT_EQ(toQColor(clInfoBk), QColor(255, 255, 225));
    EXPECT_EQ(toQColor(cl3DLight), QColor(227, 227, 227));
    EXPECT_EQ(toQColor(clBtnFace), QColor(240, 240, 240));
    EXPECT_EQ(toQColor(clWindowText), QColor(0, 0, 0));
    EXPECT_EQ(toQColor(16769520), QColor(240, 225, 255));
    const QPalette pal = desktopPalette();
    EXPECT_EQ(pal.color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(pal.color(QPalette::Window), QColor(240, 240, 240));

    // The names the windows use must land on installed faces of the right kind and size.
    const QFontInfo verdana(desktopFont(QStringLiteral("Verdana"), 13, true));
    EXPECT_EQ(verdana.pixelSize(), 13);
    EXPECT_TRUE(verdana.bold());
    EXPECT_TRUE(verdana.family().contains(QStringLiteral("DejaVu Sans")) ||
                verdana.family() == QStringLiteral("Verdana"))
        << verdana.family().toStdString();
    const QFontInfo times(desktopFont(QStringLiteral("Times New Roman"), 21, true));
    EXPECT_TRUE(times.family().contains(QStringLiteral("Liberation Serif")) ||
                times.family() == QStringLiteral("Times New Roman"))
        << times.family().toStdString();
    EXPECT_EQ(times.pixelSize(), 21);
    const QFontInfo sans(desktopFont(QStringLiteral("MS Sans Serif"), 11));
    EXPECT_FALSE(sans.family().isEmpty());
}

TEST(DesktopLook, MissingFacesAreAskedForByTheirStandIns)
{
    const QStringList installed = QFontDatabase::families();
    const auto asked = [](const char *family) {
        return desktopFont(QString::fromLatin1(family), 11).family();
    };
    // Installed faces are asked for by their own names, missing ones by their stand-ins (the
    // same faces the desktop's font matching would pick, without its search).
    for (auto [named, standIn] :
         {std::pair{"Verdana", "DejaVu Sans"}, std::pair{"MS Sans Serif", "DejaVu Sans"},
          std::pair{"Times New Roman", "Liberation Serif"}}) {
        const bool present = installed.contains(QString::fromLatin1(named), Qt::CaseInsensitive);
        EXPECT_EQ(asked(named), QString::fromLatin1(present ? named : standIn)) << named;
    }
    EXPECT_EQ(asked("DejaVu Sans"), "DejaVu Sans");
    // A face with no stand-in is left to the font matching, in its kind of face.
    const QFont unknown = desktopFont(QStringLiteral("No Such Face"), 15, true, true);
    EXPECT_EQ(unknown.family(), "No Such Face");
    EXPECT_EQ(unknown.styleHint(), QFont::SansSerif);
    EXPECT_EQ(unknown.pixelSize(), 15);
    EXPECT_TRUE(unknown.bold() && unknown.underline());
    EXPECT_EQ(desktopFont(QStringLiteral("Times New Roman"), 21).styleHint(), QFont::Serif);
}

TEST(DesktopLook, FusionWithItsOwnMenuBarOverflowArrows)
{
    applyDesktopLook(*qApp);
    auto *style = qobject_cast<QProxyStyle *>(QApplication::style());
    ASSERT_TRUE(style);
    EXPECT_EQ(style->baseStyle()->name().toLower(), "fusion");
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(240, 240, 240));
    // Both arrows are drawn: dark chevrons on a clear ground, the second one turned down.
    const QImage right =
        style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16, 16).toImage();
    const QImage down =
        style->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(16, 16).toImage();
    ASSERT_EQ(right.size(), QSize(16, 16));
    ASSERT_EQ(down.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(right.pixel(0, 0)), 0);
    EXPECT_GT(qAlpha(right.pixel(7, 8)), 128) << "the tip of the first chevron";
    EXPECT_LT(qGray(right.pixel(7, 8)), 64);
    // The first chevron's lower arm, pointing right, lies where the one pointing down has none,
    // and the other way round for its upper-right arm.
    EXPECT_GT(qAlpha(right.pixel(5, 11)), 64);
    EXPECT_LT(qAlpha(down.pixel(5, 11)), 16);
    EXPECT_GT(qAlpha(down.pixel(11, 5)), 64);
    EXPECT_LT(qAlpha(right.pixel(11, 5)), 16);
    // Every other icon is still Fusion's.
    EXPECT_FALSE(style->standardIcon(QStyle::SP_TitleBarCloseButton).isNull());
    // A menu bar takes the drawn arrow for its overflow button.
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Разработчики"));
    const auto *overflow = window.menuBar()->findChild<QToolButton *>();
    ASSERT_TRUE(overflow);
    EXPECT_EQ(overflow->icon().pixmap(16, 16).toImage(), right);
}

TEST(BevelPanel, OuterAndInnerBevelsAroundThePlainColour)
{
    QWidget parent;
    parent.resize(100, 100);
    auto *panel = new BevelPanel(&parent);
    panel->setGeometry(0, 0, 40, 30);
    panel->setColor(clInfoBk);
    panel->setBevelOuter(BevelPanel::Bevel::Raised);
    panel->setBevelInner(BevelPanel::Bevel::Lowered);
    panel->setBevelWidth(2);
    const QImage img = panel->grab().toImage();
    const qreal dpr = img.devicePixelRatio();
    auto at = [&](int x, int y) { return QColor(img.pixel(int(x * dpr), int(y * dpr))); };
    const QColor light(255, 255, 255);
    const QColor shadow(160, 160, 160);
    // Outer raised: light top and left, shadow right and bottom, two rings.
    EXPECT_EQ(at(5, 0), light);
    EXPECT_EQ(at(0, 5), light);
    EXPECT_EQ(at(5, 1), light);
    EXPECT_EQ(at(39, 5), shadow);
    EXPECT_EQ(at(5, 29), shadow);
    EXPECT_EQ(at(39, 0), shadow) << "the top-right corner belongs to the right edge";
    EXPECT_EQ(at(0, 29), shadow) << "the bottom-left corner belongs to the bottom edge";
    // Inner lowered: shadow top and left, light right and bottom.
    EXPECT_EQ(at(5, 2), shadow);
    EXPECT_EQ(at(2, 5), shadow);
    EXPECT_EQ(at(36, 5), light);
    EXPECT_EQ(at(5, 26), light);
    // Inside, the colour.
    EXPECT_EQ(at(20, 15), QColor(255, 255, 225));
    EXPECT_EQ(panel->palette().color(panel->backgroundRole()), QColor(255, 255, 225));
}

TEST(BevelPanel, DockedBottomFollowsTheParent)
{
    QWidget parent;
    parent.resize(439, 351);
    auto *panel = new BevelPanel(&parent);
    panel->resize(10, 53);
    panel->setDockedBottom(true);
    parent.show(); // a hidden parent hears of its new size only when it is shown
    EXPECT_EQ(panel->geometry(), QRect(0, 298, 439, 53));
    parent.resize(600, 500);
    EXPECT_EQ(panel->geometry(), QRect(0, 447, 600, 53));
}

TEST(Pictures, JpegDecodesAndBrokenFilesFailClearly)
{
    const QByteArray good = readResource(QStringLiteral(":/assets/CompletionMark.jpg"));
    const QImage mark = decodeJpeg(good, QStringLiteral("mark"));
    EXPECT_EQ(mark.size(), QSize(35, 35));
    // The ground at a corner is the pale yellow of the board's panel, within JPEG's loss.
    const QColor corner = mark.pixelColor(0, 0);
    EXPECT_NEAR(corner.red(), 255, 6);
    EXPECT_NEAR(corner.green(), 255, 6);
    EXPECT_NEAR(corner.blue(), 225, 8);
    EXPECT_EQ(loadPicture(QStringLiteral(":/assets/CompletionMark.jpg")).size(), QSize(35, 35));

    EXPECT_THROW(decodeJpeg(good.left(good.size() / 2), QStringLiteral("half")), PictureError)
        << "a truncated file is an error, not a half picture";
    EXPECT_THROW(decodeJpeg(QByteArray("not a jpeg at all"), QStringLiteral("text")), PictureError);
    EXPECT_THROW(decodeJpeg(QByteArray(), QStringLiteral("empty")), PictureError);
    try {
        decodeJpeg(QByteArray("GIF89a"), QStringLiteral("odd.jpg"));
        FAIL();
    } catch (const PictureError &e) {
        EXPECT_NE(std::string(e.what()).find("odd.jpg"), std::string::npos) << e.what();
    }
    EXPECT_THROW(loadPicture(QStringLiteral(":/assets/missing.bmp")), PictureError);
    EXPECT_FALSE(programIcon().availableSizes().isEmpty());
}

TEST(Pictures, ReadByTheFormatTheirNameGives)
{
    const QImage n = loadPicture(QStringLiteral(":/assets/PictureN.bmp"));
    EXPECT_EQ(n.size(), QSize(102, 88));
    // A PNG's bytes under a BMP's name are not guessed into a picture.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString misnamed = dir.filePath(QStringLiteral("icon.bmp"));
    QFile out(misnamed);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(readResource(QStringLiteral(":/assets/WindowIcon16.png")));
    out.close();
    try {
        loadPicture(misnamed);
        FAIL() << "a PNG named .bmp was read";
    } catch (const PictureError &e) {
        EXPECT_NE(std::string(e.what()).find("icon.bmp"), std::string::npos) << e.what();
    }
    const QList<QSize> sizes = programIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
}

TEST(Pictures, AHiddenWindowsPicturesAreDecodedAtItsFirstShowing)
{
    QWidget window;
    window.resize(300, 200);
    auto *panel = new QWidget(&window);
    panel->setGeometry(10, 10, 280, 180);
    QLabel *letter = makePicture(panel, QStringLiteral("Image1"), QStringLiteral("Буква Н"),
                                 QStringLiteral(":/assets/PictureN.bmp"), QRect(5, 5, 102, 88),
                                 PictureFit::Natural);
    QLabel *strip = makePicture(panel, QStringLiteral("Image3"), QStringLiteral("Полоса"),
                                QStringLiteral(":/assets/GradientStrip.bmp"),
                                QRect(120, 5, 148, 49), PictureFit::Stretched);
    QLabel *broken = makePicture(panel, QStringLiteral("Image4"), QStringLiteral("Ничего"),
                                 QStringLiteral(":/assets/missing.bmp"), QRect(5, 100, 20, 20),
                                 PictureFit::Natural);
    EXPECT_EQ(letter->objectName(), "Image1");
    EXPECT_EQ(letter->accessibleName(), "Буква Н");
    EXPECT_EQ(letter->geometry(), QRect(5, 5, 102, 88));
    EXPECT_FALSE(letter->hasScaledContents());
    EXPECT_TRUE(strip->hasScaledContents());
    EXPECT_TRUE(letter->pixmap().isNull()) << "decoded before the window was shown";
    EXPECT_TRUE(strip->pixmap().isNull());

    // A picture that cannot be read stays empty and takes nothing else down with it.
    window.show();
    const auto asShown = [](const QImage &image) { return QPixmap::fromImage(image).toImage(); };
    EXPECT_EQ(letter->pixmap().toImage(),
              asShown(loadPicture(QStringLiteral(":/assets/PictureN.bmp"))));
    EXPECT_EQ(strip->pixmap().toImage(),
              asShown(loadPicture(QStringLiteral(":/assets/GradientStrip.bmp"))));
    EXPECT_TRUE(broken->pixmap().isNull());

    // Made in a window already on screen, a picture is decoded at once; shown again, the
    // window decodes nothing twice.
    const qint64 before = letter->pixmap().cacheKey();
    QLabel *late = makePicture(panel, QStringLiteral("Image2"), QStringLiteral("Буквы НН"),
                               QStringLiteral(":/assets/PictureNN.bmp"), QRect(5, 5, 102, 87),
                               PictureFit::Natural);
    EXPECT_EQ(late->pixmap().size(), QSize(103, 87));
    window.hide();
    window.show();
    EXPECT_EQ(letter->pixmap().cacheKey(), before);
}

TEST(FormFrame, ClientSizeLabelsAndWrapping)
{
    EXPECT_EQ(clientSizeFor(QSize(447, 405)), QSize(439, 371));
    QWidget form;
    setupFormFrame(&form, QStringLiteral("Помощь"), QSize(414, 343), QColor(166, 210, 255),
                   TitleBar::CaptionOnly);
    EXPECT_EQ(form.size(), QSize(406, 309));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Помощь"));

    const QFont font = desktopFont(QStringLiteral("Verdana"), 13, true);
    QLabel *plain = makeLabel(&form, QStringLiteral("Label1"), QStringLiteral("Если:"), 139, 13,
                              font, QColor(0, 0, 0), QColor(224, 235, 254));
    EXPECT_EQ(plain->objectName(), QStringLiteral("Label1"));
    EXPECT_EQ(plain->pos(), QPoint(139, 13));
    EXPECT_EQ(plain->width(), QFontMetrics(font).horizontalAdvance(QStringLiteral("Если:")));
    EXPECT_TRUE(plain->autoFillBackground());
    QLabel *wrapped = makeLabel(&form, QStringLiteral("Label4"),
                                QStringLiteral("стеклянный, деревянный, оловянный."), 205, 80, font,
                                QColor(0, 0, 255), QColor(), 101);
    EXPECT_EQ(wrapped->width(), 101);
    EXPECT_EQ(wrapped->height(), 3 * QFontMetrics(font).lineSpacing()) << "one word a line";
    EXPECT_FALSE(wrapped->autoFillBackground()) << "no background: transparent";
}

TEST(WindowRules, FirstShowingPlacesThenTheWindowKeepsItsPlace)
{
    QWidget centred;
    centred.resize(397, 487);
    setFirstPlacement(&centred, FirstPlacement::CentreOnScreen);
    showWindow(&centred);
    // Before its first showing the frame is not known yet; the classic frame (4-pixel borders,
    // a 30-pixel top) the sizes are given for is centred.
    const QRect screen = centred.screen()->geometry();
    EXPECT_EQ(centred.pos(), QPoint(screen.left() + (screen.width() - 405) / 2,
                                    screen.top() + (screen.height() - 521) / 2));
    centred.move(5, 7);
    hideWindow(&centred);
    EXPECT_FALSE(centred.isVisible());
    showWindow(&centred);
    EXPECT_EQ(centred.pos(), QPoint(5, 7)) << "centred at the first showing only";

    QWidget placed;
    setFirstPlacement(&placed, FirstPlacement::DesignedPlace, QPoint(549, 119));
    showWindow(&placed);
    EXPECT_EQ(placed.pos(), QPoint(549, 119));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&placed));

    // Showing a visible window changes nothing: the other one stays active and in front.
    showWindow(&centred);
    // The window system's events queued so far, an activation among them, are delivered first.
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &placed);
}
