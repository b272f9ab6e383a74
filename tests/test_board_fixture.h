// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The variant board on its own: each slot's designed place and look, and the checks of a slot
// that is open and of one that was passed.
#include "BoardWindow.h"
#include "ButtonFixture.h"
#include "DesktopLook.h"
#include "Pictures.h"
#include "QtPrinting.h"
#include "TsButton.h"
#include "TsButtonProbe.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

namespace board_test {

struct SlotRow
{
    const char *button, *caption, *image, *hint, *count;
    bool live;
    QPoint buttonAt, markAt, hintAt, countAt;
};

// clang-format off
const SlotRow kSlots[8] = {
    {"sButton1", "Вариант 1",   "Image1", "Label1",  "Label2",  true,  {54, 24},   {17, 21},   {60, 54},   {150, 48}},
    {"sButton2", "Вариант 2",   "Image2", "Label3",  "Label4",  false, {54, 86},   {17, 83},   {60, 117},  {150, 111}},
    {"sButton3", "Вариант 3",   "Image3", "Label5",  "Label6",  false, {54, 148},  {17, 145},  {60, 178},  {150, 172}},
    {"sButton4", "Вариант 4",   "Image4", "Label7",  "Label8",  false, {54, 210},  {17, 207},  {60, 240},  {150, 234}},
    {"sButton5", "Вариант 1-1", "Image5", "Label9",  "Label10", true,  {240, 24},  {200, 21},  {247, 54},  {337, 48}},
    {"sButton6", "Вариант 2-1", "Image6", "Label11", "Label12", false, {240, 86},  {200, 83},  {247, 117}, {337, 111}},
    {"sButton7", "Вариант 3-1", "Image7", "Label13", "Label14", false, {240, 148}, {200, 145}, {247, 178}, {337, 172}},
    {"sButton9", "Вариант 4-1", "Image8", "Label15", "Label16", false, {240, 210}, {200, 207}, {247, 240}, {337, 234}},
};
// clang-format on

const QColor kPanelYellow(255, 255, 225);
const Rgb kPanelRgb{255, 255, 225};

// Counts the events of one type that reach the objects it watches.
class EventCounter : public QObject
{
    Q_OBJECT
public:
    explicit EventCounter(QEvent::Type type) : m_type(type) {}
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == m_type;
        return false;
    }

private:
    QEvent::Type m_type;
};

class Board : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        applyDesktopLook(*qApp);
    }

    template <class T = QWidget> T *named(const char *name) const
    {
        if (T *found = board->findChild<T *>(QString::fromLatin1(name))) {
            return found;
        }
        throw std::runtime_error(std::string("the board has no ") + name);
    }
    TsButton *button(const char *name) const { return named<TsButton>(name); }
    QLabel *label(const char *name) const { return named<QLabel>(name); }

    void showActive()
    {
        board->show();
        board->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(board.get()));
    }

    // The designed state of a slot that was never passed.
    void expectOpen(const SlotRow &s) const
    {
        EXPECT_EQ(button(s.button)->isEnabled(), s.live) << s.button;
        EXPECT_TRUE(named(s.image)->isHidden()) << s.image;
        EXPECT_TRUE(label(s.hint)->isHidden()) << s.hint;
        EXPECT_TRUE(label(s.count)->isHidden()) << s.count;
    }
    void expectPassed(const SlotRow &s, const QString &count) const
    {
        EXPECT_FALSE(button(s.button)->isEnabled()) << s.button;
        EXPECT_TRUE(named(s.image)->isVisible()) << s.image;
        EXPECT_TRUE(label(s.hint)->isVisible()) << s.hint;
        EXPECT_TRUE(label(s.count)->isVisible()) << s.count;
        EXPECT_EQ(label(s.count)->text(), count);
        EXPECT_EQ(label(s.image)->pixmap().toImage(),
                  QPixmap::fromImage(loadPicture(":/assets/CompletionMark.jpg")).toImage())
            << s.image;
        const QFontMetrics fm(label(s.count)->font());
        EXPECT_EQ(label(s.count)->size(), QSize(fm.horizontalAdvance(count), fm.height()))
            << "the count label sizes itself to its text";
        EXPECT_EQ(button(s.button)->cursor().shape(), Qt::ArrowCursor);
    }

    std::unique_ptr<BoardWindow> board = std::make_unique<BoardWindow>();
};

} // namespace board_test
