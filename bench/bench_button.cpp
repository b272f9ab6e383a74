// One full render of a focused program button (background, border, caption, focus frame) beside
// QPainter::drawText of the same caption into the same image alone. The whole render should
// cost no more than a few times the text alone.
#include "ButtonMasks.h"
#include "ProgramButton.h"
#include "TsButton.h"
#include "TsButtonInspector.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

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
    installButtonMasks();
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
    for (auto _ : state) {
        inspect(button).Render();
        benchmark::DoNotOptimize(inspect(button).RenderCache().bits());
    }
}

void CaptionDrawTextAlone(benchmark::State &state)
{
    BgrImage img(111, 25);
    img.fill(Rgb{200, 200, 200});
    QImage view(img.bits(), 111, 25, img.stride(), QImage::Format_BGR888);
    const QFont font = captionFont();
    const QString caption = QStringLiteral("Вариант 1");
    for (auto _ : state) {
        QPainter p(&view);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(24, 6, 66, 13), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
        p.end();
        benchmark::DoNotOptimize(img.bits());
    }
}

} // namespace

BENCHMARK(FullButtonRender);
BENCHMARK(CaptionDrawTextAlone);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
