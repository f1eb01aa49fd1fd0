#include "shell/frmcaratteristiche.h"

#include "resources/texts.h"

frmcaratteristiche::frmcaratteristiche()
    : HelpPage(QStringLiteral("frmcaratteristiche"),
               QStringLiteral("Caratteristiche e regole del gioco"))
{
    Label1 = text(QRect(360, 480, 5775, 1455), texts::T1);
    Label2 = text(QRect(360, 1920, 5775, 855), texts::T2);
    Label3 = text(QRect(360, 2880, 5775, 975), texts::T3);
}
