#include "shell/frminfo.h"

#include "game/frmgioco.h"
#include "platform/fonts.h"
#include "platform/shapes.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "resources/pictures.h"
#include "resources/texts.h"

#include <QPushButton>

using platform::twipsRect;

frminfo::frminfo()
    : Form({QStringLiteral("frminfo"), QStringLiteral("Informazioni"), platform::Frame::FixedDialog,
            platform::twipsSize(6030, 3030)})
{
    cmdok = new QPushButton(QStringLiteral("&OK"), client());
    cmdok->setGeometry(twipsRect(5040, 2520, 855, 375));
    connect(cmdok, &QPushButton::clicked, this, &frminfo::cmdokClick);
    setCancelButton(cmdok);

    const QFont font = platform::font(QStringLiteral("MS Sans Serif"), 9.75);
    auto label = [this, &font](const QRect &geometry, const QString &text,
                               Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
        return platform::createLabel(client(), twipsRect(geometry), text, font,
                                     platform::system::buttonText, alignment);
    };
    const auto right = Qt::AlignRight | Qt::AlignTop;
    Label9 = label(QRect(1680, 1680, 1695, 255), texts::date);
    Label8 = label(QRect(960, 1680, 615, 255), QStringLiteral("data: "), right);
    Label7 = label(QRect(1680, 2400, 1815, 255), texts::email);
    Label6 = label(QRect(1680, 2040, 1095, 255), texts::author);
    Label5 = label(QRect(1680, 1320, 375, 255), texts::version);
    Label4 = label(QRect(600, 1320, 975, 255), QStringLiteral("versione: "), right);
    Label3 = label(QRect(600, 2400, 975, 255), QStringLiteral("e-mail: "), right);
    Label2 = label(QRect(840, 2040, 735, 255), QStringLiteral("autore: "), right);
    Label1 = label(QRect(720, 360, 735, 735), QString());
    Label1->setBorder(true);
    Image2 = new platform::PictureBox(client(), twipsRect(1680, 480, 3360, 555),
                                      pictures::picture(pictures::Id::infoTitle));
    Line1 = new platform::Line(client(), platform::twipsPoint(1680, 1080),
                               platform::twipsPoint(5040, 1080), colours::blue, 3);
    Image1 = new platform::PictureBox(client(), twipsRect(840, 480, 480, 480),
                                      pictures::picture(pictures::Id::anchorIcon));
    setFocusHome(cmdok);
}

void frminfo::load()
{
    place(platform::centred);
}

void frminfo::cmdokClick()
{
    frmgioco::get().showForm();
    unloadForm();
}
