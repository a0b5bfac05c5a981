#pragma once

#include "controls/button/lx_button.h"

#include <QEvent>
#include <QImage>
#include <QMap>
#include <QStringList>
#include <QWidget>

namespace lx::test {

// Counts the paints of the faces of a form's buttons, from before the form is first shown.
class FacePaints : public QObject {
public:
    explicit FacePaints(const QWidget& form) {
        for (QWidget* face : form.findChildren<QWidget*>(QStringLiteral("picButton"))) {
            face->installEventFilter(this);
            paints.insert(face->parentWidget()->objectName(), 0);
        }
    }
    QMap<QString, int> paints; // by button

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints[static_cast<QWidget*>(watched)->parentWidget()->objectName()];
        }
        return false;
    }
};

// The shown buttons of a form whose frame is not what the button draws when it draws its flat
// look now, on screen: what a first frame must be for a button that has not been touched.
inline QStringList buttonsNotShowingTheirLook(const QWidget& form) {
    QStringList wrong;
    for (LxButton* button : form.findChildren<LxButton*>()) {
        if (!button->isVisible()) {
            continue;
        }
        const QImage shown = button->grab().toImage();
        button->DrawUnSelected();
        if (button->grab().toImage() != shown) {
            wrong.append(button->objectName());
        }
    }
    return wrong;
}

} // namespace lx::test
