#include "shell/frmvinto.h"

frmvinto::frmvinto()
    : EndOfGame({
          .name = QStringLiteral("frmvinto"),
          .caption = QStringLiteral("Hai vinto!"),
          .client = QSize(6615, 3150),
          .picture = QRect(240, 480, 2295, 2415),
          .drawing = pictures::Id::winner,
          .yes = QRect(3000, 2160, 1215, 495),
          .no = QRect(4560, 2160, 1215, 495),
          .question = QRect(2520, 1320, 3735, 375),
          .message = QRect(2520, 360, 3735, 615),
          .messageText = texts::wonMessage,
      })
{}
