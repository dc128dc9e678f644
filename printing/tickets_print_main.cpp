#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "printing/tickets_print_command.h"

int main(int argc, char** argv) {
    // The tool never shows a window; it renders off screen even without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream errors(stderr);
    return RunTicketsPrint(app.arguments().mid(1), errors);
}
