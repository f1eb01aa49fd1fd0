#pragma once

#include "platform/dialog.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/graphicbutton.h"
#include "platform/label.h"
#include "platform/twips.h"
#include "resources/colours.h"
#include "shell/frmistruzioni.h"

namespace shell {

// A page of help reached from the instructions hub; its OK goes back there.
template <class Derived> class HelpPage : public platform::Form<Derived, platform::Dialog> {
    using Base = platform::Form<Derived, platform::Dialog>;

public:
    platform::GraphicButton *cmdok;

    void cmdokClick()
    {
        frmistruzioni::get().showForm();
        Derived::unloadForm();
    }

protected:
    HelpPage(const QString &name, const QString &caption)
        : Base({name, caption, platform::Frame::FixedDialog, platform::twipsSize(6510, 5310),
                colours::lightOrange})
    {
        // First in the tab order, so it has the focus when the page opens.
        cmdok = platform::createButton(this->client(), platform::twipsRect(5400, 4800, 975, 375),
                                       QStringLiteral("&OK"), colours::yellow, QFont());
        QObject::connect(cmdok, &QPushButton::clicked, this, &HelpPage::cmdokClick);
        this->setFocusHome(cmdok);
    }
    void load() override { this->place(platform::centred); }

    // A label of the page's text, designed at `geometry` in twips.
    platform::Label *text(const QRect &geometry, const QString &words)
    {
        return platform::createLabel(this->client(), platform::twipsRect(geometry), words,
                                     platform::font(QStringLiteral("Comic Sans MS"), 9.75),
                                     platform::system::buttonText);
    }
};

} // namespace shell
