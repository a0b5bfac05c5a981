#pragma once

#include <QWidget>

namespace lx {

// Stands in for the calculator window until the form is built.
class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderWindow(QWidget* parent = nullptr);
};

} // namespace lx
