#pragma once

#include <QStringList>
#include <QTextStream>

// The command-line tool tickets-print, for stations and tests:
//   tickets-print barcode --type N --data TEXT [--module W] [--height H] --png FILE
//   tickets-print page --width W --height H [--font NAME] --item "STR x y size style text" ...
//       (--png FILE | --escp24 FILE | --escp9fine FILE | --escp9fast FILE | --pdf FILE
//        | --printer NAME | --port LPT1 [--settings FILE])
// Runs it with the arguments after the program name; messages go to `errors`. Returns the exit
// status: 0 done, 1 the output failed, 2 bad arguments.
int RunTicketsPrint(const QStringList& arguments, QTextStream& errors);
