// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"
#include "TsBorderMask.h"
#include "TsFadeSequence.h"
#include "TsStyle.h"

#include <QAbstractButton>
#include <QColor>
#include <QCursor>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class TsButtonControl;

// The timer of the hover fade. It knows its button; the button owns it and frees it first.
class TFadeTimer : public QTimer
{
    Q_OBJECT
public:
    explicit TFadeTimer(TsButtonControl *button);
    TsButtonControl *button() const { return m_button; }

private:
    TsButtonControl *m_button;
};

// How a disabled button is drawn: mixed half way with its parent's colour, turned grey, or both.
enum TsDisabledKind : unsigned { dkBlended = 1, dkGrayed = 2 };

// A push button that draws itself completely into an off-screen 24-bit image: a gradient
// background mixed with a plain colour, a translucent border from a border mask whose holes
// cut its corners out of its shape, the caption and (in TsButton) a dotted focus frame. It has a
// hot look while the pointer is over it, while it has the focus and while it is pressed, and
// cross-fades between its normal and hot looks on a timer when the pointer enters or leaves.
class TsButtonControl : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TsButtonControl(QWidget *parent = nullptr);
    ~TsButtonControl() override;

    // Published settings.
    QString Caption() const { return text(); }
    void setCaption(const QString &caption);
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor &color);
    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool on);
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool on);
    int FocusMargin() const { return m_focusMargin; }
    void setFocusMargin(int pixels);
    int Margin() const { return m_margin; }
    void setMargin(int pixels);
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int pixels);
    unsigned DisabledKind() const { return m_disabledKind; }
    void setDisabledKind(unsigned kinds);
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }
    bool TabStop() const { return m_tabStop; }
    void setTabStop(bool on);
    // The pointer shape over the button while it is enabled; a disabled button shows its
    // parent's pointer, as it takes no part in pointer tracking.
    Qt::CursorShape Cursor() const { return m_cursor; }
    void setCursorShape(Qt::CursorShape shape);

    void setOnClick(std::function<void()> handler) { m_onClick = std::move(handler); }
    void setOnMouseEnter(std::function<void()> handler) { m_onMouseEnter = std::move(handler); }
    void setOnMouseLeave(std::function<void()> handler) { m_onMouseLeave = std::move(handler); }

    TsActiveBGStyle *sStyle() { return &m_style; }
    const TsActiveBGStyle *sStyle() const { return &m_style; }

    // Hot while pressed, focused or under the pointer, never while disabled; the look is drawn
    // from it each time. Pressed is QAbstractButton's isDown(), the focus QWidget's hasFocus().
    virtual bool IsHot() const;

    // Clicks: the window's modal result, then OnClick and the clicked signal; then a modal
    // dialog with a modal result ends. Every way of clicking ends here, QAbstractButton's own
    // (click(), animateClick(), mnemonics, the accessibility "Press" action) included.
    void Click();

    QSize sizeHint() const override { return QSize(75, 25); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

    void setDownState(bool down);
    // The focus, the pressed or the enabled state changed: show a freshly rendered look, also while
    // a fade runs.
    void lookChanged();
    bool fadingOn() const;
    bool isBeingDestroyed() const { return m_destroying; }
    // Draws the parts that TsButton adds after the caption (the focus frame). `caption` is the
    // caption rectangle in logical pixels as it lies when the button is up.
    virtual void drawAfterCaption(BgrImage &image, const TsRect &caption);
    // The device pixel ratio the render cache is drawn at (that of the button's screen).
    double renderRatio() const;
    // A frame given in logical pixels by its edge columns and rows (each lies on the frame) as
    // the device pixels it covers, moved right and down with the pressed look.
    TsRect deviceFrame(const TsRect &logical) const;

private:
    // Tests and measurements look inside through TsButtonProbe; the fade timer ticks.
    friend class TsButtonProbe;
    friend class TFadeTimer;

    // Draws the current look into the render cache (everything but the copy to the screen).
    void Render();
    // The hover fade.
    void StartFadeIn();
    void StartFadeOut();
    void FadeStep();
    void StopFade();

    // The painting colours as RGB (parent colour and system colours resolved).
    Rgb PaintingColor() const;
    Rgb HotPaintingColor() const;
    Rgb ParentColor() const;

    // The caption rectangle (left, top, right, bottom) in logical pixels, up or as pressed.
    TsRect captionRectUp() const;
    TsRect CaptionRect() const;
    // The device pixel ratio rounded to whole device pixels, at least 1: the pressed look's shift
    // right and down, and the width of a bevel ring.
    int wholeRatio() const;

    void styleChanged(TsStyleChange change);
    // The modal result and OnClick; false when OnClick destroyed the button.
    bool clickBody(bool closeDialog = true);
    void closeModalDialog();
    // Steps 2 to 5 of a render: background, border, caption and focus frame.
    void renderLook();
    bool cacheFitsDevice() const;
    void drawBackground(BgrImage &image, bool hot);
    void drawBorder(BgrImage &image, bool hot);
    void drawBevelBorder(BgrImage &image, bool hot);
    void setShapeFromHoles(const std::vector<HolePixel> &deviceHoles, const BgrImage &image);
    void drawCaption(BgrImage &image, const TsRect &caption);
    QSize captionSize() const;
    void stopFadeForInput();
    void showFrame();
    void applyCursor();

    TsActiveBGStyle m_style;
    QColor m_fontColor{0, 0, 0};
    bool m_showCaption = true;
    bool m_showFocus = true;
    int m_focusMargin = 1;
    int m_margin = 0;
    int m_bevelWidth = 2;
    unsigned m_disabledKind = dkBlended;
    int m_modalResult = 0;
    bool m_tabStop = true;
    Qt::CursorShape m_cursor = Qt::ArrowCursor;
    std::function<void()> m_onClick;
    std::function<void()> m_onMouseEnter;
    std::function<void()> m_onMouseLeave;

    // The measured caption and what it was measured for.
    struct CaptionLayout
    {
        bool valid = false;
        QString text;
        QFont font;
        int width = 0;
        int margin = 0;
        QSize size;
        int lineHeight = 0;
    };
    mutable CaptionLayout m_captionLayout;

    bool m_mouseOver = false;  // the pointer is over the button (enter to leave)
    bool m_shapeStale = true;  // the window shape is rebuilt at the next render
    QSize m_shapeSize;         // the size the window shape was built for
    double m_shapeRatio = 0;   // and the device pixel ratio
    bool m_destroying = false;
    bool m_ownClickSignal = false; // Click() emits clicked for a click it has run already

    BgrImage m_fadeFrom;
    BgrImage m_frame;
    bool m_frameReady = false;
    const BgrImage *m_lastShown = nullptr;
    TsFadeSequence m_fade;
    // Last member: destroyed first, though the destructor frees it explicitly before anything.
    std::unique_ptr<TFadeTimer> m_fadeTimer;
};
