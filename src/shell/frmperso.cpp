#include "shell/frmperso.h"

frmperso::frmperso()
    : EndOfGame({
          .name = QStringLiteral("frmperso"),
          .caption = QStringLiteral("Hai perso!"),
          .client = QSize(8220, 2925),
          .picture = QRect(120, 480, 4455, 2055),
          .drawing = pictures::Id::loser,
          .yes = QRect(4920, 1920, 1215, 495),
          .no = QRect(6480, 1920, 1215, 495),
          .question = QRect(4560, 1080, 3495, 375),
          .message = QRect(4560, 240, 3495, 615),
          .messageText = texts::lostMessage,
      })
{}
