#include "shell/frmrequisiti.h"

#include "platform/shapes.h"
#include "resources/pictures.h"
#include "resources/texts.h"

using platform::twipsRect;

frmrequisiti::frmrequisiti()
    : HelpPage(QStringLiteral("frmrequisiti"), QStringLiteral("Requisiti del sistema"))
{
    for (int index = 0; index < 4; ++index)
        Shape1[index + 1] =
            new platform::Shape(client(), twipsRect(240, 600 + 480 * index, 135, 135),
                                platform::Shape::Kind::Circle, colours::red, std::nullopt);
    Label1 = text(QRect(480, 480, 5775, 375), texts::requirements[0]);
    Label4 = text(QRect(480, 960, 5775, 375), texts::requirements[1]);
    Label5 = text(QRect(480, 1440, 5775, 375), texts::requirements[2]);
    Label6 = text(QRect(480, 1920, 5775, 375), texts::requirements[3]);
    Picture1 = new platform::PictureBox(client(), twipsRect(2040, 2400, 2415, 2535),
                                        pictures::picture(pictures::Id::requirementsComputer),
                                        colours::lightOrange);
}
