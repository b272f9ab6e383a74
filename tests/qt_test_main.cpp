// SPDX-License-Identifier: GPL-3.0-or-later
// Runs GoogleTest inside a QApplication on the off-screen platform (unless another platform is
// asked for), so widget tests get real windows without a display.
// A run meant for a screen of another density names it in NN_EXPECTED_DEVICE_RATIO (set beside
// QT_SCALE_FACTOR); when the screen has another ratio (the scale factor lost on its way, as
// through Wine), the run fails instead of passing at the ratio of 1.
#include <QApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QByteArray expected = qgetenv("NN_EXPECTED_DEVICE_RATIO");
    if (!expected.isEmpty()) {
        const double ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        if (std::abs(ratio - expected.toDouble()) > 1e-6) {
            std::fprintf(stderr, "this run is meant for a device ratio of %s, the screen has %g\n",
                         expected.constData(), ratio);
            return 1;
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
