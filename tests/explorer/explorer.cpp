#include "explorer.h"

#include "computer/frmcomputer.h"
#include "game/frmgioco.h"
#include "placement/frmimposta.h"
#include "platform/form.h"
#include "resources/colours.h"
#include "resources/texts.h"
#include "shell/frmcaratteristiche.h"
#include "shell/frminfo.h"
#include "shell/frminizio.h"
#include "shell/frmistruzioni.h"
#include "shell/frmperso.h"
#include "shell/frmpratiche.h"
#include "shell/frmrequisiti.h"
#include "shell/frmscelta.h"
#include "shell/frmvinto.h"
#include "support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

namespace explorer {

namespace {

// The keys a player may press in any window, with how often the explorer presses them:
// the keys that abandon or leave a game come seldom, so that games reach their end.
struct Key {
    int key;
    Qt::KeyboardModifiers modifiers;
    double weight;
};
const Key keys[] = {
    {Qt::Key_F1, Qt::NoModifier, 3},     {Qt::Key_F2, Qt::NoModifier, 3},
    {Qt::Key_F3, Qt::NoModifier, 0.1},   {Qt::Key_F4, Qt::NoModifier, 1},
    {Qt::Key_F5, Qt::NoModifier, 1},     {Qt::Key_Q, Qt::ControlModifier, 0.1},
    {Qt::Key_Escape, Qt::NoModifier, 1}, {Qt::Key_Return, Qt::NoModifier, 2},
    {Qt::Key_Space, Qt::NoModifier, 2},  {Qt::Key_Tab, Qt::NoModifier, 1},
    {Qt::Key_Left, Qt::NoModifier, 0.5}, {Qt::Key_Right, Qt::NoModifier, 0.5},
    {Qt::Key_Up, Qt::NoModifier, 0.5},   {Qt::Key_Down, Qt::NoModifier, 0.5},
};

QWidget *formNamed(const QString &name)
{
    for (QWidget *window : platform::FormRegistry::instance().loaded())
        if (window->objectName() == name)
            return window;
    return nullptr;
}

QList<QWidget *> descendants(QWidget *window)
{
    return window->findChildren<QWidget *>();
}

bool clickable(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) ||
           dynamic_cast<const platform::Label *>(widget) ||
           dynamic_cast<const platform::PictureBox *>(widget);
}

QWidget *target(const Action &action)
{
    QWidget *window = formNamed(action.window);
    if (!window || !window->isVisible())
        return nullptr;
    if (action.kind != Action::Kind::Click)
        return window;
    const auto children = descendants(window);
    if (action.child < 0 || action.child >= children.size())
        return nullptr;
    QWidget *widget = children[action.child];
    return widget->isVisible() ? widget : nullptr;
}

// Whether this action may end the program: "No", Esc or "Ciao", or closing the last window.
bool mayEnd(const Action &action, const QWidget *widget)
{
    if (frmvinto::isLoaded() && widget == frmvinto::get().cmdno)
        return true;
    if (frmperso::isLoaded() && widget == frmperso::get().cmdno)
        return true;
    if (frmscelta::isLoaded() && widget == frmscelta::get().cmdok)
        return true;
    const bool endWindow = action.window == QLatin1String("frmvinto") ||
                           action.window == QLatin1String("frmperso") ||
                           action.window == QLatin1String("frmscelta");
    return action.kind == Action::Kind::Key && endWindow &&
           (action.key == Qt::Key_Escape || action.key == Qt::Key_Return ||
            action.key == Qt::Key_Space);
}

// A widget as a person would name it: its object name, kind and caption.
QString nameOf(const QWidget *widget)
{
    if (!widget || widget->isWindow())
        return {};
    QString name = widget->objectName().isEmpty()
                       ? QString::fromLatin1(widget->metaObject()->className())
                       : widget->objectName();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        name += QStringLiteral(" \"%1\"").arg(button->text());
    else if (const auto *label = qobject_cast<const QLabel *>(widget);
             label && !label->text().isEmpty())
        name += QStringLiteral(" \"%1\"").arg(label->text().left(30));
    return name;
}

void startProgram(unsigned seed)
{
    support::freshStart(seed);
    frminizio::get().showForm();
}

// Why `action` cannot be done at this moment; empty if it can.
QString obstacle(const Action &action)
{
    switch (action.kind) {
    case Action::Kind::GameTick:
        return frmgioco::isLoaded() && frmgioco::get().tempo->isActive()
                   ? QString()
                   : QStringLiteral("the main window's timer is not running");
    case Action::Kind::SplashTick:
        return frminizio::isLoaded() && frminizio::get().tempo->isActive()
                   ? QString()
                   : QStringLiteral("the splash's timer is not running");
    default:
        break;
    }
    const QWidget *window = formNamed(action.window);
    if (!window || !window->isVisible())
        return QStringLiteral("no window %1 is on screen").arg(action.window);
    if (action.kind != Action::Kind::Click)
        return {};
    const auto children = descendants(formNamed(action.window));
    if (action.child < 0 || action.child >= children.size())
        return QStringLiteral("%1 has no widget #%2").arg(action.window).arg(action.child);
    if (!children[action.child]->isVisible())
        return QStringLiteral("widget #%1 of %2 is hidden").arg(action.child).arg(action.window);
    if (const QString now = nameOf(children[action.child]);
        !action.expected.isEmpty() && action.expected != now &&
        !action.expected.startsWith(now + QLatin1Char(' ')))
        return QStringLiteral("widget #%1 of %2 is %3, not the %4 of the case")
            .arg(action.child)
            .arg(action.window, now, action.expected);
    return {};
}

// Carries out one action that can be done at this moment.
void perform(const Action &action)
{
    switch (action.kind) {
    case Action::Kind::GameTick:
        frmgioco::get().tempoTimer();
        return;
    case Action::Kind::SplashTick:
        frminizio::get().tempoTimer();
        return;
    default:
        break;
    }
    QWidget *widget = target(action);
    switch (action.kind) {
    case Action::Kind::Click:
        QTest::mouseClick(widget, Qt::LeftButton);
        break;
    case Action::Kind::Key: {
        if (!support::activate(widget))
            qFatal("explorer: %s did not become the active window", qPrintable(action.window));
        QWidget *focus = widget->focusWidget() ? widget->focusWidget() : widget;
        QTest::keyClick(focus, Qt::Key(action.key), action.modifiers);
        break;
    }
    case Action::Kind::Close:
        widget->close();
        break;
    default:
        break;
    }
}

template <class Grid, class Value> int count(const Grid &grid, Value value)
{
    return int(support::cellsColoured(grid, value).size());
}

QString checkCells(const frmgioco &gioco)
{
    const platform::Picture hitPicture = gioco.pct->picture();
    const platform::Picture missPicture = gioco.pct2->picture();
    for (int i = 1; i <= 100; ++i) {
        const auto *attack = gioco.cmdat[i];
        const auto *defence = gioco.cmddi[i];
        const auto value = attack->backColour();
        if (value == colours::hit && (!attack->shipFlag || attack->picture() != hitPicture))
            return QStringLiteral("attack cell %1 marked hit without a ship or flames").arg(i);
        if (value == colours::miss && (attack->shipFlag || attack->picture() != missPicture))
            return QStringLiteral("attack cell %1 marked water over a ship").arg(i);
        if (value == colours::untouched && !attack->picture().isNull())
            return QStringLiteral("untouched attack cell %1 has a picture").arg(i);
        if (value != colours::hit && value != colours::miss && value != colours::untouched)
            return QStringLiteral("attack cell %1 has colour %2").arg(i).arg(value, 0, 16);
        const auto own = defence->backColour();
        if ((own == colours::hit && defence->picture() != hitPicture) ||
            (own == colours::miss && defence->picture() != missPicture) ||
            ((own == colours::untouched || own == colours::ownShip) &&
             !defence->picture().isNull()))
            return QStringLiteral("defence cell %1 shows the wrong marking").arg(i);
    }
    return {};
}

QString checkGame(const frmgioco &gioco)
{
    const QString help = gioco.lblaiuto->text();
    const QStringList phases = {texts::aiutoNoFleet, texts::aiutoFleetReady, texts::aiutoYourTurn,
                                texts::aiutoWait, QString()};
    if (!phases.contains(help))
        return QStringLiteral("help line reads \"%1\"").arg(help);
    if (QString problem = checkCells(gioco); !problem.isEmpty())
        return problem;
    const int attackHits = count(gioco.cmdat, colours::hit);
    const int defenceHits = count(gioco.cmddi, colours::hit);
    if (gioco.colpiutente != attackHits || gioco.colpiutente > 12)
        return QStringLiteral("colpiutente %1 for %2 hit cells")
            .arg(gioco.colpiutente)
            .arg(attackHits);
    if (gioco.colpicomputer != defenceHits || gioco.colpicomputer > 12)
        return QStringLiteral("colpicomputer %1 for %2 hit cells")
            .arg(gioco.colpicomputer)
            .arg(defenceHits);
    const bool running = help == texts::aiutoYourTurn || help == texts::aiutoWait;
    const bool over = help.isEmpty();
    if (gioco.tempo->isActive() != (help == texts::aiutoWait))
        return QStringLiteral("timer %1 with help line \"%2\"")
            .arg(gioco.tempo->isActive() ? "running" : "stopped", help);
    // The cross-hair over the attack grid whenever the player may fire, the arrow while the
    // computer is to play.
    if (running) {
        const auto cursor = help == texts::aiutoWait ? Qt::ArrowCursor : Qt::CrossCursor;
        for (int i = 1; i <= 100; ++i)
            if (gioco.cmdat[i]->cursor().shape() != cursor)
                return QStringLiteral("attack cell %1 has the wrong cursor for \"%2\"")
                    .arg(i)
                    .arg(help);
    }
    if (running || over) {
        if (!gioco.mnuricomincia->isEnabled() || gioco.mnucomincia->isEnabled() ||
            gioco.mnuimposta->isEnabled())
            return QStringLiteral("menus of a running game are wrong");
        if (gioco.lblnc->text() != QString::number(12 - gioco.colpiutente) ||
            gioco.lblnu->text() != QString::number(12 - gioco.colpicomputer))
            return QStringLiteral("ships afloat read %1 and %2 for %3 and %4 hits")
                .arg(gioco.lblnc->text(), gioco.lblnu->text())
                .arg(gioco.colpiutente)
                .arg(gioco.colpicomputer);
        // Every accepted shot of the player is answered by exactly one of the computer,
        // unless it won the game.
        const int playerShots = 100 - count(gioco.cmdat, colours::untouched);
        const int computerShots = attackHits == 12 ? playerShots - 1 : playerShots;
        const int expectedComputer = help == texts::aiutoWait ? playerShots - 1 : computerShots;
        const int firedAt = count(gioco.cmddi, colours::hit) + count(gioco.cmddi, colours::miss);
        if (firedAt != expectedComputer)
            return QStringLiteral("%1 shots of the player, %2 of the computer")
                .arg(playerShots)
                .arg(firedAt);
        if (over && gioco.colpiutente != 12 && gioco.colpicomputer != 12)
            return QStringLiteral("the game is over without a winner");
        if (count(gioco.cmddi, colours::ownShip) + defenceHits != 12)
            return QStringLiteral("the player's fleet has not 12 ships");
    } else {
        if (gioco.mnuricomincia->isEnabled())
            return QStringLiteral("Ricomincia enabled outside a game");
        if (attackHits + count(gioco.cmdat, colours::miss) + count(gioco.cmddi, colours::miss) +
                defenceHits + count(gioco.cmddi, colours::ownShip) !=
            0)
            return QStringLiteral("cells marked outside a game");
        if (!gioco.lblnc->text().isEmpty() || !gioco.lblnu->text().isEmpty())
            return QStringLiteral("ships afloat shown outside a game");
        if (gioco.mnucomincia->isEnabled() &&
            !(frmimposta::isLoaded() && frmimposta::get().navirestanti == 0))
            return QStringLiteral("Comincia enabled without a full fleet");
    }
    return {};
}

template <class Window> int instancesOf()
{
    int instances = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (dynamic_cast<Window *>(widget))
            ++instances;
    return instances;
}

template <class... Windows> QString checkSingleInstances()
{
    QString problem;
    (
        [&problem] {
            const int instances = instancesOf<Windows>();
            if (problem.isEmpty() && (instances > 1 || instances != int(Windows::isLoaded())))
                problem = QStringLiteral("%1 instances of a window kind").arg(instances);
        }(),
        ...);
    return problem;
}

} // namespace

QString checkInvariants()
{
    QString problem = checkSingleInstances<frmgioco, frmimposta, frmcomputer, frminizio, frmvinto,
                                           frmperso, frmscelta, frminfo, frmistruzioni,
                                           frmcaratteristiche, frmpratiche, frmrequisiti>();
    if (!problem.isEmpty())
        return problem;
    if (frmcomputer::isLoaded()) {
        if (count(frmcomputer::get().lblcomp, colours::ship) != 12)
            return QStringLiteral("the computer's grid has not 12 ships");
        if (frmcomputer::get().isVisible())
            return QStringLiteral("the computer's window is on screen");
    }
    if (frmimposta::isLoaded()) {
        const frmimposta &imposta = frmimposta::get();
        if (count(imposta.lblimp, colours::ship) != 12 - imposta.navirestanti)
            return QStringLiteral("placement grid holds %1 ships with navirestanti %2")
                .arg(count(imposta.lblimp, colours::ship))
                .arg(imposta.navirestanti);
    }
    if (const QWidget *focus = QApplication::focusWidget();
        focus && (!focus->isEnabled() || !focus->isVisible()))
        return QStringLiteral("the focus is on %1, which is %2")
            .arg(nameOf(focus), focus->isEnabled() ? "hidden" : "disabled");
    if (frmgioco::isLoaded()) {
        // The arrows on the focus sink go on from a cell that can take the focus.
        if (const QWidget *last = frmgioco::get().navigation->lastCell();
            last && !last->isEnabled())
            return QStringLiteral("the arrows would go on from the disabled %1").arg(nameOf(last));
        return checkGame(frmgioco::get());
    }
    return {};
}

QString Action::encode() const
{
    return QStringLiteral("%1%2 %3 %4 %5 %6")
        .arg(impossible ? QStringLiteral("!") : QString())
        .arg(int(kind))
        .arg(window.isEmpty() ? QStringLiteral("-") : window)
        .arg(child)
        .arg(key)
        .arg(int(modifiers));
}

std::optional<Action> Action::decode(QString line)
{
    Action action;
    action.impossible = line.startsWith(QLatin1Char('!'));
    if (action.impossible)
        line.remove(0, 1);
    const QStringList parts = line.split(QLatin1Char(' '));
    bool known = false;
    const int kind = parts.value(0).toInt(&known);
    if (parts.size() != 5 || !known || kind < 0 || kind > int(Kind::SplashTick))
        return std::nullopt;
    action.kind = Kind(kind);
    action.window = parts[1] == QLatin1String("-") ? QString() : parts[1];
    action.child = parts[2].toInt();
    action.key = parts[3].toInt();
    action.modifiers = Qt::KeyboardModifiers(parts[4].toInt());
    return action;
}

void Action::expectComment(const QString &comment)
{
    const QString prefix = QStringLiteral("click %1 #%2 ").arg(window).arg(child);
    if (kind == Kind::Click && comment.startsWith(prefix))
        expected = comment.mid(prefix.size());
}

QString Action::describe() const
{
    switch (kind) {
    case Kind::GameTick:
        return QStringLiteral("tick of the main window's timer");
    case Kind::SplashTick:
        return QStringLiteral("tick of the splash's timer");
    case Kind::Close:
        return QStringLiteral("close %1").arg(window);
    case Kind::Key:
        return QStringLiteral("key %1 in %2")
            .arg(QKeySequence(key | int(modifiers)).toString(), window);
    case Kind::Click:
        break;
    }
    return QStringLiteral("click %1 #%2 %3").arg(window).arg(child).arg(label).trimmed();
}

Explorer::Explorer(unsigned seed)
    : seed_(seed)
    , choices_(seed)
{}

// The actions are weighed so that games get played to their end between the many ways of
// leaving them. In each window, clicks share one weight, more of it on enabled buttons than on
// other widgets, and keys share a smaller one; windows are seldom closed, and the goodbye window,
// which mostly ends the program, is seldom answered.
QList<Action> Explorer::available() const
{
    constexpr double clicks = 100;
    constexpr double presses = 15;
    double keyTotal = 0;
    for (const auto &key : keys)
        keyTotal += key.weight;
    QList<Action> actions;
    for (QWidget *window : platform::FormRegistry::instance().loaded()) {
        if (!window->isVisible())
            continue;
        const QString name = window->objectName();
        const double rarely = name == QLatin1String("frmscelta") ? 0.005 : 1.0;
        const auto children = descendants(window);
        QList<Action> windowClicks;
        double clickTotal = 0;
        for (int i = 0; i < children.size(); ++i) {
            const QWidget *child = children[i];
            if (!child->isVisible() || !clickable(child))
                continue;
            const bool button = qobject_cast<const QAbstractButton *>(child) && child->isEnabled();
            windowClicks.append({Action::Kind::Click, name, i, 0, {}, button ? 50.0 : 1.0, {}});
            clickTotal += windowClicks.last().weight;
        }
        for (auto &click : windowClicks) {
            click.weight *= clicks * rarely / clickTotal;
            actions.append(click);
        }
        for (const auto &[key, modifiers, weight] : keys)
            actions.append({Action::Kind::Key,
                            name,
                            -1,
                            key,
                            modifiers,
                            weight * presses * rarely / keyTotal,
                            {}});
        actions.append({Action::Kind::Close, name, -1, 0, {}, 0.03, {}});
    }
    // A running timer ticks in about one step of three: a player may well act before it does.
    double others = 0;
    for (const auto &action : actions)
        others += action.weight;
    if (frmgioco::isLoaded() && frmgioco::get().tempo->isActive())
        actions.append({Action::Kind::GameTick, {}, -1, 0, {}, others / 2, {}});
    if (frminizio::isLoaded() && frminizio::get().tempo->isActive())
        actions.append({Action::Kind::SplashTick, {}, -1, 0, {}, others / 2, {}});
    return actions;
}

Action Explorer::pick(const QList<Action> &actions)
{
    QList<double> weights;
    for (const auto &action : actions)
        weights.append(action.weight);
    std::discrete_distribution<qsizetype> choose(weights.begin(), weights.end());
    return actions[choose(choices_)];
}

namespace {

// Watches the moves of the keyboard focus during one action. A screen reader tells each of them
// and a magnifier follows it, so the focus may arrive once in each window, and only in a window
// that is still on screen when the action is done. The click's own move to the control clicked
// is the player's; a control that gets the focus again as its window becomes active has not
// moved it.
class FocusMoves : public QObject {
public:
    explicit FocusMoves(const QWidget *clicked)
        : clicked_(clicked)
    {
        qApp->installEventFilter(this);
    }
    ~FocusMoves() override { qApp->removeEventFilter(this); }
    // What was wrong with the moves, once the action is done; empty if nothing.
    QString problem() const
    {
        QStringList windows;
        for (const auto &[window, name] : moves_) {
            const QString title =
                window ? window->objectName() : QStringLiteral("a deleted window");
            if (windows.contains(title))
                return QStringLiteral("moved the focus more than once in %1: %2")
                    .arg(title, describe());
            if (!window || !window->isVisible())
                return QStringLiteral("moved the focus into %1, gone by its end: %2")
                    .arg(title, describe());
            windows.append(title);
        }
        return {};
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
            const auto *widget = static_cast<const QWidget *>(watched);
            const auto reason = static_cast<const QFocusEvent *>(event)->reason();
            if (!(widget == clicked_ && reason == Qt::MouseFocusReason) && widget != last_)
                moves_.append({widget->window(), nameOf(widget)});
            last_ = widget;
        }
        return false;
    }

private:
    QString describe() const
    {
        QStringList names;
        for (const auto &[window, name] : moves_)
            names.append(
                QStringLiteral("%1 %2").arg(window ? window->objectName() : QString(), name));
        return names.join(QStringLiteral(", "));
    }

    const QWidget *clicked_;
    const QWidget *last_ = nullptr;
    QList<std::pair<QPointer<QWidget>, QString>> moves_;
};

// Carries out `action` and checks the program afterwards. Returns what went wrong, if
// anything; `ended` tells whether the program asked to end, `done` whether the action was done.
QString step(const Action &action, bool &ended, bool &done)
{
    ended = false;
    done = false;
    // A case file may say that an action must not be possible at its point.
    if (const QString why = obstacle(action); !why.isEmpty())
        return action.impossible ? QString()
                                 : QStringLiteral("cannot %1: %2").arg(action.describe(), why);
    done = !action.impossible;
    if (action.impossible)
        return QStringLiteral("%1 was possible, and should not be").arg(action.describe());
    const bool allowedToEnd = mayEnd(action, target(action));
    // A key goes to the window that the player has made active first, which moves the focus too.
    if (action.kind == Action::Kind::Key && !support::activate(target(action)))
        qFatal("explorer: %s did not become the active window", qPrintable(action.window));
    FocusMoves moves(target(action));
    perform(action);
    support::settle();
    const QString focusProblem = moves.problem();
    ended = support::record().endRequests > 0;
    if (ended)
        return allowedToEnd || !platform::FormRegistry::instance().anyVisible()
                   ? QString()
                   : QStringLiteral("the program asked to end after: %1").arg(action.describe());
    if (!focusProblem.isEmpty())
        return action.describe() + QLatin1Char(' ') + focusProblem;
    return checkInvariants();
}

// Failures are alike when they differ only in their numbers.
QString kindOf(QString message)
{
    return message.remove(QRegularExpression(QStringLiteral("[0-9]+")));
}

} // namespace

std::optional<Failure> Explorer::run(long count)
{
    unsigned programSeed = seed_;
    startProgram(programSeed);
    ++statistics_.programStarts;
    QList<Action> history;
    for (long done = 0; done < count; ++done) {
        const QList<Action> actions = available();
        if (actions.isEmpty())
            return Failure{programSeed, QStringLiteral("no action possible, yet the program runs"),
                           history};
        Action action = pick(actions);
        action.label = nameOf(target(action));
        const bool wasWon = frmvinto::isLoaded();
        const bool wasLost = frmperso::isLoaded();
        history.append(action);
        bool ended = false;
        bool performed = false;
        const QString problem = step(action, ended, performed);
        ++statistics_.actions;
        if (!problem.isEmpty()) {
            Failure failure{programSeed, problem, shrink(programSeed, history, problem)};
            support::releaseAll();
            return failure;
        }
        statistics_.gamesWon += !wasWon && frmvinto::isLoaded();
        statistics_.gamesLost += !wasLost && frmperso::isLoaded();
        if (ended) {
            programSeed = seed_ * 7919u + unsigned(done);
            startProgram(programSeed);
            ++statistics_.programStarts;
            history.clear();
        }
    }
    support::releaseAll();
    return std::nullopt;
}

QString Explorer::replay(unsigned seed, const QList<Action> &actions, QList<Action> *done)
{
    startProgram(seed);
    QString problem;
    for (qsizetype i = 0; i < actions.size() && problem.isEmpty(); ++i) {
        bool ended = false;
        bool performed = false;
        problem = step(actions[i], ended, performed);
        if (done) {
            // Shrinking: an action that cannot be done is left out, as if never listed.
            if (performed)
                done->append(actions[i]);
            else if (problem.startsWith(QLatin1String("cannot ")))
                problem.clear();
        }
        if (!problem.isEmpty())
            problem = QStringLiteral("step %1: %2").arg(i + 1).arg(problem);
        else if (ended && i + 1 < actions.size())
            problem = QStringLiteral("step %1 ended the program, %2 steps before the end")
                          .arg(i + 1)
                          .arg(actions.size() - i - 1);
    }
    support::releaseAll();
    return problem;
}

QList<Action> Explorer::shrink(unsigned seed, const QList<Action> &actions, const QString &message)
{
    const QString kind = kindOf(message);
    QList<Action> shortest = actions;
    long budget = 2'000'000; // replayed actions
    for (qsizetype chunk = shortest.size() / 2; chunk >= 1 && budget > 0;) {
        bool removed = false;
        for (qsizetype from = 0; from < shortest.size() && budget > 0;) {
            QList<Action> candidate = shortest;
            candidate.remove(from, std::min(chunk, shortest.size() - from));
            budget -= candidate.size();
            QList<Action> done;
            if (kindOf(replay(seed, candidate, &done)) == kind && !done.isEmpty()) {
                shortest = done;
                removed = true;
            } else {
                from += chunk;
            }
        }
        if (!removed)
            chunk /= 2;
    }
    return shortest;
}

} // namespace explorer
