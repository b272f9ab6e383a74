#include "Unit2.h"

#include "DesktopLook.h"
#include "Unit1.h"
#include "FormFrame.h"
#include "WindowRules.h"

TForm2::TForm2(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setupFormFrame(this, QStringLiteral("Н и НН в прилагательных"), QSize(405, 521),
                   toQColor(cl3DLight), TitleBar::SystemMenuAndClose);
    // The window's own font; every control names its own.
    setFont(desktopFont(QStringLiteral("MS Sans Serif"), 11));
    setFirstPlacement(this, FirstPlacement::CentreOnScreen);
    FormCreate();
}

void TForm2::FormCreate()
{
    // The exercise's opening layout is set here once the exercise is built into the window.
}

void TForm2::setPeers(TForm1 *board, QWidget *help)
{
    m_board = board;
    m_help = help;
}
