// SPDX-License-Identifier: GPL-3.0-or-later
// One full render of a focused program button (background, border, caption, focus frame) beside
// QPainter::drawText of the same caption into an image of the same size alone, both at the
// device pixel ratio of the screen: 1× as started, 2× with QT_SCALE_FACTOR=2. The whole render
// should cost no more than three times the text alone.
#include "ProgramButton.h"
#include "TsButton.h"
#include "TsButtonProbe.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include <benchmark/benchmark.h>

#include <string>

namespace {

QFont captionFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

void FullButtonRender(benchmark::State &state)
{
    QWidget window;
    auto *button = new TsButton(&window);
    button->setGeometry(10, 10, 111, 25);
    button->setCaption(QStringLiteral("Вариант 1"));
    applyProgramLook(button, ProgramButtonLook{captionFont(), QColor(0, 0, 0), clInfoBk, {}});
    window.show();
    window.activateWindow();
    button->setFocus();
    for (int i = 0; i < 100 && !button->hasFocus(); ++i) {
        QApplication::processEvents();
    }
    if (!button->hasFocus()) {
        state.SkipWithError("the button did not get the focus");
        return;
    }
    const TsButtonProbe look(button);
    for (auto _ : state) {
        look.Render();
        benchmark::DoNotOptimize(look.RenderCache().bits());
    }
    state.counters["device_width"] = look.RenderCache().width();
}

// The caption drawn as the button draws it: scaled by the ratio into the device-sized image.
void CaptionDrawTextAlone(benchmark::State &state, double ratio)
{
    BgrImage img(qRound(111 * ratio), qRound(25 * ratio));
    img.fill(Rgb{200, 200, 200});
    QImage view(img.bits(), img.width(), img.height(), img.stride(), QImage::Format_BGR888);
    const QFont font = captionFont();
    const QString caption = QStringLiteral("Вариант 1");
    for (auto _ : state) {
        QPainter p(&view);
        p.setTransform(QTransform::fromScale(ratio, ratio));
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(24, 6, 66, 13), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
        p.end();
        benchmark::DoNotOptimize(img.bits());
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    const std::string at = "/ratio:" + QString::number(ratio).toStdString();
    benchmark::RegisterBenchmark(("FullButtonRender" + at).c_str(), FullButtonRender);
    benchmark::RegisterBenchmark(("CaptionDrawTextAlone" + at).c_str(), CaptionDrawTextAlone,
                                 ratio);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
