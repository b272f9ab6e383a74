#include "Unit3.h"

#include "DesktopLook.h"
#include "Unit1.h"
#include "FormFrame.h"
#include "WindowRules.h"

TForm3::TForm3(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setupFormFrame(this, QStringLiteral("Н и НН в прилагательных"), QSize(559, 579),
                   toQColor(cl3DLight), TitleBar::SystemMenuAndClose);
    setFont(desktopFont(QStringLiteral("MS Sans Serif"), 11));
    setFirstPlacement(this, FirstPlacement::CentreOnScreen);
    FormCreate();
}

void TForm3::FormCreate()
{
    // The window opens narrow: the word list only, until the pupil has revealed every word.
    resize(clientSizeFor(QSize(kNarrowWidth, 579)));
}

void TForm3::setPeers(TForm1 *board, QWidget *help)
{
    m_board = board;
    m_help = help;
}
