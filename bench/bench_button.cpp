// One full render of a focused program button (background, border, caption, focus frame) beside
// QPainter::drawText of the same caption into the same image alone. The whole render should
// cost no more than a few times the text alone.
#include "TsButton.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

const char *const kNormal = "8421504;16777215;99;0;0;16777215;16777215;0;0;0";
const char *const kHot = "8421504;8421504;10;0;0;8421504;16777215;43;0;0;16777215;10658466;28;0;"
                         "0;10658466;13816530;18;0;0;13816530;13816530;0;0;0";

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
    button->setFont(captionFont());
    button->sStyle()->Painting()->setColor(clInfoBk);
    button->sStyle()->Background()->Gradient()->setData(kNormal);
    button->sStyle()->HotStyle()->HotBackground()->Gradient()->setData(kHot);
    window.show();
    window.activateWindow();
    button->setFocus();
    for (int i = 0; i < 100 && !button->HasFocus(); ++i) {
        QApplication::processEvents();
    }
    if (!button->HasFocus()) {
        state.SkipWithError("the button did not get the focus");
        return;
    }
    for (auto _ : state) {
        button->Render();
        benchmark::DoNotOptimize(button->RenderCache().bits());
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
