#pragma once

#include <QList>
#include <QString>
#include <Qt>
#include <optional>
#include <random>

// A seeded random walk through the real windows: at every step it does one of the things a
// player could do at that moment, as real events, or lets a running timer tick; then it checks
// that the program is in a state that its rules allow.
namespace explorer {

struct Action {
    enum class Kind { Click, Key, Close, GameTick, SplashTick };
    Kind kind = Kind::GameTick;
    QString window; // the window's object name
    int child = -1; // for a click: the widget's index among the window's descendants
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    double weight = 1;       // how likely the explorer is to choose it
    QString label;           // the widget it reached, named when it was done
    bool impossible = false; // in a case file, "!": the action must not be possible there
    QString expected{};      // in a case file, the widget that a click's comment names

    QString encode() const;
    static std::optional<Action> decode(QString line);
    // Takes from a case file's comment on a click, as describe() wrote it, the widget that the
    // click reached then: a replay that finds another widget there is stale, and fails.
    void expectComment(const QString &comment);
    // For people: what the action did, with the widget it reached.
    QString describe() const;
};

struct Failure {
    unsigned seed = 0; // of the program start that the actions follow
    QString message;
    QList<Action> actions; // since the program last started
};

struct Statistics {
    long actions = 0;
    long programStarts = 0;
    long gamesWon = 0;
    long gamesLost = 0;
};

class Explorer {
public:
    explicit Explorer(unsigned seed);

    // Runs `count` actions, starting the program again whenever it ends. Returns the first
    // failure, if any, with its action list already shrunk.
    std::optional<Failure> run(long count);
    // Replays `actions` on a freshly started program; returns what failed, if anything. An action
    // that cannot be done fails the replay, unless `done` is given: then it is left out, and
    // `done` receives the actions that were done.
    static QString replay(unsigned seed, const QList<Action> &actions,
                          QList<Action> *done = nullptr);
    const Statistics &statistics() const { return statistics_; }

private:
    QList<Action> available() const;
    Action pick(const QList<Action> &actions);
    static QList<Action> shrink(unsigned seed, const QList<Action> &actions,
                                const QString &message);

    unsigned seed_;
    std::mt19937 choices_;
    Statistics statistics_;
};

// What the program must always satisfy; an empty text when it does.
QString checkInvariants();

} // namespace explorer
