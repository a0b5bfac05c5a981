#include "app/placeholder_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("LxTervan"));
    lx::PlaceholderWindow window;
    window.show();
    return QApplication::exec();
}
