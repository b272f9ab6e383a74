// SPDX-License-Identifier: GPL-3.0-or-later
// button-gallery: shows the program's skinned button in every look, at 1:1 and enlarged four
// times, to look at by eye. Not part of the program.
//
//   button-gallery                 opens the window
//   button-gallery --save out.png  also saves a picture of the window and quits
#include "ProgramButton.h"
#include "TsButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

namespace {

enum class Look { Normal, Hot, Focused, Pressed, Disabled };

// A pale panel holding one program button, which the gallery puts into each look in turn.
class Sample : public QWidget
{
    Q_OBJECT
public:
    explicit Sample(QWidget *parent) : QWidget(parent)
    {
        setFixedSize(131, 35);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(255, 255, 225));
        setPalette(pal);
        setAutoFillBackground(true);
        m_button = new TsButton(this);
        m_button->setGeometry(10, 5, 111, 25);
        m_button->setCaption(QStringLiteral("Вариант 1"));
        QFont font(QStringLiteral("Verdana"));
        font.setPixelSize(11);
        font.setBold(true);
        applyProgramLook(m_button, ProgramButtonLook{font, QColor(0, 0, 0), clInfoBk, {}});
        m_button->sStyle()->BtnEffects()->Fading()->setEnabled(false);
        m_away = new QWidget(this); // holds the focus while the button must not
        m_away->setGeometry(0, 0, 1, 1);
        m_away->setFocusPolicy(Qt::StrongFocus);
    }

    // Puts the button into one look and returns what is on screen.
    QPixmap capture(Look look)
    {
        m_away->setFocus();
        m_button->setEnabled(true);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_button, &leave);
        switch (look) {
        case Look::Normal:
            break;
        case Look::Hot: {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(m_button, &enter);
            break;
        }
        case Look::Focused:
            m_button->setFocus();
            break;
        case Look::Pressed: {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(m_button, &press);
            break;
        }
        case Look::Disabled:
            m_button->setEnabled(false);
            break;
        }
        const QPixmap shot = grab();
        if (look == Look::Pressed) {
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(500, 5), QPointF(500, 5),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(m_button, &release);
        }
        return shot;
    }

private:
    TsButton *m_button;
    QWidget *m_away;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QString savePath;
    const QStringList args = app.arguments();
    if (const auto i = args.indexOf(QStringLiteral("--save")); i >= 0 && i + 1 < args.size()) {
        savePath = args.at(i + 1);
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("TsButton gallery"));
    auto *grid = new QGridLayout(&window);
    auto *sample = new Sample(&window);
    grid->addWidget(new QLabel(QStringLiteral("live"), &window), 0, 0);
    grid->addWidget(sample, 0, 1);
    const std::pair<Look, const char *> looks[] = {{Look::Normal, "normal"},
                                                   {Look::Hot, "hot (pointer over)"},
                                                   {Look::Focused, "focused"},
                                                   {Look::Pressed, "pressed"},
                                                   {Look::Disabled, "disabled"}};
    std::vector<std::pair<QLabel *, QLabel *>> shots;
    int row = 1;
    for (const auto &[look, name] : looks) {
        grid->addWidget(new QLabel(QString::fromLatin1(name), &window), row, 0);
        auto *plain = new QLabel(&window);
        auto *zoom = new QLabel(&window);
        zoom->setFixedSize(131 * 4, 35 * 4);
        grid->addWidget(plain, row, 1);
        grid->addWidget(zoom, row, 2);
        shots.emplace_back(plain, zoom);
        ++row;
    }
    window.show();

    // Once on screen and active (the focused and pressed looks need the keyboard focus): each
    // look in turn, at 1:1 and enlarged with square pixels.
    window.activateWindow();
    QTimer poll;
    int waited = 0;
    poll.start(50);
    QObject::connect(&poll, &QTimer::timeout, &window, [&] {
        if (!window.isActiveWindow() && (waited += 50) < 3000) {
            window.activateWindow();
            return;
        }
        poll.stop();
        for (std::size_t i = 0; i < shots.size(); ++i) {
            const QPixmap shot = sample->capture(looks[i].first);
            shots[i].first->setPixmap(shot);
            shots[i].second->setPixmap(
                shot.scaled(shot.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        }
        sample->capture(Look::Normal);
        if (!savePath.isEmpty()) {
            QTimer::singleShot(100, &window, [&] {
                window.grab().save(savePath);
                app.quit();
            });
        }
    });
    return app.exec();
}

#include "main.moc"
