#pragma once

#include "platform/colour.h"

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

// The end-of-game and goodbye windows.
inline const QString wonMessage = QStringLiteral("Complimenti, hai vinto!");
inline const QString lostMessage = QStringLiteral("Peccato, hai perso!");
inline const QString anotherGame = QStringLiteral("Vuoi fare un'altra partita?");
inline const QString goodbye = QStringLiteral("Alla prossima !");

// The information window. The author is the project's own team, named so that it fits.
inline const QString version = QStringLiteral("1.0");
inline const QString date = QStringLiteral("luglio 2002");
inline const QString author = QStringLiteral("Marolda");
inline const QString email = QStringLiteral("info@marolda.test");

// The help pages.
inline const QString T1 = QStringLiteral(
    "Questa è la versione per computer del celebre gioco della marolda e l'avversario contro "
    "cui si gioca è il computer stesso. Lo scopo del gioco è cercare di indovinare la posizione "
    "delle navi dell'avversario (il computer) per distruggerle, prima che questo affondi quelle "
    "del giocatore.");
inline const QString T2 = QStringLiteral(
    "Il giocatore dispone di due tabelle: \"Attacco\" e \"Difesa\". Nella prima sono visibili i "
    "tentativi del giocatore, mentre nella seconda si vedono le proprie navi e le mosse del "
    "computer.");
inline const QString T3 = QStringLiteral(
    "Prima di cominciare bisogna decidere la posizione delle proprie navi, tutte della "
    "dimensione di una cella. Le navi possono essere anche posizionate adiacenti tra di loro.");
inline const QString P1 = QStringLiteral(
    "La posizione delle navi può essere impostata manualmente, cliccando sulle celle in cui si "
    "vogliono disporre le navi: un clic posiziona la nave, un secondo clic la cancella; oppure "
    "casualmente. In questo caso le navi vengono posizionate automaticamente seguendo un "
    "procedimento casuale.");
inline const QString P2 =
    QStringLiteral("Per attaccare, bisogna cliccare sulla cella che si vuole colpire:");
inline const QString P3 = QStringLiteral("In caso di fallimento appare il simbolo");
inline const QString P4 = QStringLiteral("In caso di successo, invece appare il simbolo");
inline const QString P5 = QStringLiteral(
    "Quando gioca l'avversario, il cursore del mouse è una freccia, mentre quando è il turno del "
    "giocatore, la freccia si trasforma in croce.");
inline const QString P6 = QStringLiteral(
    "In basso compare ogni volta un'indicazione di aiuto. In alto invece, è possibile tenere "
    "sotto controllo il numero delle navi che devono essere ancora colpite, sia dell'avversario "
    "che del giocatore.");
inline const QString requirements[4] = {
    QStringLiteral("Sistema operativo Windows 95 o superiore"),
    QStringLiteral("Scheda video SVGA 16 bit o superiore"),
    QStringLiteral("Monitor ottimizzato per una risoluzione 800 x 600 o superiore"),
    QStringLiteral("16 Mb RAM o superiore"),
};

// Column headings: there is no J and no K.
inline const QString columns[10] = {
    QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
    QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("G"), QStringLiteral("H"),
    QStringLiteral("I"), QStringLiteral("L"),
};

// The name of cell 1..100, "A1" to "L10".
QString cellName(int index);

// What a screen reader is told, in the program's own words: the grids by their titles, a shot
// with its result and what comes next ("Attacco E5: Colpito! Aspetta. Ora tocca a me."), a cell
// of the placement grid with the counter ("B2: nave. Ti restano 11 navi da posizionare").
inline const QString attackTitle = QStringLiteral("Attacco");
inline const QString defenceTitle = QStringLiteral("Difesa");
inline const QString placementGrid = QStringLiteral("Le tue navi");
// What the main window's counters count.
inline const QString computerShipsAfloat = QStringLiteral("Navi del computer a galla");
inline const QString playerShipsAfloat = QStringLiteral("Le tue navi a galla");
QString shotReport(const QString &grid, int cell, const QString &result, const QString &next);
QString placementReport(int cell, const QString &state, const QString &counter);

// What a cell shows, in words, by its back colour. An attack cell tells only what the player
// has found out: never whether a ship hides there.
QString attackCellState(platform::ColourValue value);
QString defenceCellState(platform::ColourValue value);
QString fleetCellState(platform::ColourValue value);

} // namespace texts
