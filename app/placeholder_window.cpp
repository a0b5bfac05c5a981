#include "placeholder_window.h"

namespace lx {

PlaceholderWindow::PlaceholderWindow(QWidget* parent)
    : QWidget(parent) {
    setWindowTitle(QStringLiteral("Student's t-test"));
}

} // namespace lx
