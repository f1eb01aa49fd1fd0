#pragma once

#include <QString>

// The program's own texts, word for word.
namespace texts {

// The help line of the main window, which is also the phase of the game.
inline const QString aiutoNoFleet =
    QStringLiteral("Prima di giocare devi impostare le tue navi: premi F1");
inline const QString aiutoFleetReady = QStringLiteral("Per cominciare il gioco premi F2");
inline const QString aiutoYourTurn = QStringLiteral("Adesso è il tuo turno.");
inline const QString aiutoWait = QStringLiteral("Aspetta. Ora tocca a me.");

inline const QString hit = QStringLiteral("Colpito!");
inline const QString playerMiss = QStringLiteral("Acqua ...");
inline const QString computerMiss = QStringLiteral("Acqua...");

// The placement window's counter: the same plural wording for every number, 1 included.
QString placementCounter(int shipsLeft);
inline const QString placementDone = QStringLiteral("Hai posizionato le tue navi");

// Column headings: there is no J and no K.
inline const QString columns[10] = {
    QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
    QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("G"), QStringLiteral("H"),
    QStringLiteral("I"), QStringLiteral("L"),
};

// The name of cell 1..100, "A1" to "L10".
QString cellName(int index);

} // namespace texts
