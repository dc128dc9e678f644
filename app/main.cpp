#include <QApplication>
#include <QMainWindow>

#include "shell/product.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tickets"));
    QMainWindow window;
    window.setWindowTitle(kProductTitle);
    window.resize(1024, 700);
    window.show();
    return QApplication::exec();
}
