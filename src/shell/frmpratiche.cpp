#include "shell/frmpratiche.h"

#include "resources/pictures.h"
#include "resources/texts.h"

using platform::twipsRect;

frmpratiche::frmpratiche()
    : HelpPage(QStringLiteral("frmpratiche"), QStringLiteral("Istruzioni pratiche"))
{
    using pictures::Id;
    Label1 = text(QRect(360, 240, 5775, 1335), texts::P1);
    Label2 = text(QRect(360, 1680, 5775, 375), texts::P2);
    Label6 = text(QRect(360, 2040, 3495, 375), texts::P3);
    pct2 = new platform::PictureBox(client(), twipsRect(3960, 2040, 495, 375),
                                    pictures::picture(Id::missSymbol), colours::cyan);
    Label4 = text(QRect(360, 2520, 4095, 375), texts::P4);
    pct = new platform::PictureBox(client(), twipsRect(4560, 2400, 495, 495),
                                   pictures::picture(Id::hitSymbol), colours::lightOrange);
    Label5 = text(QRect(360, 3000, 5775, 855), texts::P5);
    Label3 = text(QRect(360, 3840, 5775, 1095), texts::P6);
}
