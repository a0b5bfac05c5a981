// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_loader.h"

#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "controls/window/lx_form_pos.h"
#include "controls/window/lx_on_top.h"
#include "etched_frame.h"
#include "platform/core/runtime_error.h"
#include "platform/form.h"
#include "platform/twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <algorithm>
#include <map>

namespace lx {

namespace {

enum class Align { None = 0, Top = 1 };

QVariant setting(const FormNode& node, const char* key, const QVariant& fallback = {}) {
    return node.properties.ReadProperty(QString::fromLatin1(key), fallback);
}

// What a user reads of a form is translated with the form's name as context, the way Qt
// translates its own form files; the texts are listed for the translation tools in
// forms/form_texts.h.
QString translated(const QString& form, const QString& text) {
    if (text.isEmpty()) {
        return text;
    }
    return QCoreApplication::translate(form.toUtf8().constData(), text.toUtf8().constData());
}

PropertyBag translatedBag(const QString& form, PropertyBag bag) {
    for (const QString& key : {QStringLiteral("Caption"), QStringLiteral("ToolTipText")}) {
        if (bag.contains(key)) {
            bag.insert(key, translated(form, bag.ReadProperty(key).toString()));
        }
    }
    return bag;
}

QRect pixelRect(const FormNode& node) {
    return twips::toPixels(
        QRectF(setting(node, "Left", 0).toDouble(), setting(node, "Top", 0).toDouble(),
               setting(node, "Width", 0).toDouble(), setting(node, "Height", 0).toDouble()));
}

Control* newCustomControl(const QString& type, QWidget* parent) {
    if (type == QLatin1String("LxButton")) {
        return new LxButton(parent);
    }
    if (type == QLatin1String("LxPanel")) {
        return new LxPanel(parent);
    }
    if (type == QLatin1String("LxFormPos")) {
        return new LxFormPos(parent);
    }
    if (type == QLatin1String("LxOnTop")) {
        return new LxOnTop(parent);
    }
    return nullptr;
}

QWidget* newStandardControl(const FormNode& node, const QString& form, QWidget* parent) {
    const QString caption = translated(form, setting(node, "Caption").toString());
    if (node.type == QLatin1String("TextBox")) {
        auto* box = new QLineEdit(parent);
        box->setText(setting(node, "Text").toString());
        box->setReadOnly(setting(node, "Locked", false).toBool());
        return box;
    }
    if (node.type == QLatin1String("Label")) {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    if (node.type == QLatin1String("Frame")) {
        return new EtchedFrame(caption, parent);
    }
    return nullptr;
}

// The widget that takes the focus for a control: itself, or for a custom
// control the first of its parts that accepts Tab. Containers and labels
// take none.
QWidget* focusTarget(QWidget* control) {
    if (control->focusPolicy() & Qt::TabFocus) {
        return control;
    }
    if (!qobject_cast<Control*>(control)) {
        return nullptr;
    }
    const auto parts = control->findChildren<QWidget*>();
    const auto it = std::find_if(parts.begin(), parts.end(), [](const QWidget* w) {
        return (w->focusPolicy() & Qt::TabFocus) != 0;
    });
    return it == parts.end() ? nullptr : *it;
}

class Loader {
public:
    explicit Loader(Form& form)
        : m_form(form) {}

    void loadChildren(const FormNode& container, QWidget* parent) {
        for (const FormNode& node : container.children) {
            QWidget* widget = create(node, parent);
            loadChildren(node, widget);
        }
    }

    void applyTabOrder() const {
        QWidget* previous = nullptr;
        for (const auto& [index, control] : m_tabOrder) {
            QWidget* target = focusTarget(control);
            if (!target) {
                continue;
            }
            if (previous) {
                QWidget::setTabOrder(previous, target);
            }
            previous = target;
        }
    }

private:
    QWidget* create(const FormNode& node, QWidget* parent) {
        QWidget* widget = nullptr;
        if (Control* control = newCustomControl(node.type, parent)) {
            place(*control, node);
            control->Move(setting(node, "Left", 0).toFloat(), setting(node, "Top", 0).toFloat(),
                          setting(node, "Width", 0).toFloat(),
                          setting(node, "Height", 0).toFloat());
            m_form.addControl(control);
            control->ReadProperties(translatedBag(m_form.objectName(), node.properties));
            alignToForm(*control, static_cast<Align>(setting(node, "Align", 0).toInt()));
            widget = control;
        } else if ((widget = newStandardControl(node, m_form.objectName(), parent))) {
            place(*widget, node);
            widget->setGeometry(pixelRect(node));
            m_form.addControl(widget);
        } else {
            throw RuntimeError(ErrorNumber::TypeMismatch,
                               QStringLiteral("unknown control type %1 of %2")
                                   .arg(node.type, node.objectName())
                                   .toStdString());
        }
        const QVariant tabIndex = setting(node, "TabIndex");
        if (tabIndex.isValid()) {
            m_tabOrder.emplace(tabIndex.toInt(), widget);
        }
        return widget;
    }

    static void place(QWidget& widget, const FormNode& node) {
        widget.setObjectName(node.objectName());
        if (node.index >= 0) {
            widget.setProperty("Index", node.index);
        }
    }

    // A control aligned to the top of the form spans the client width and
    // keeps its height, however the form is sized.
    void alignToForm(Control& control, Align align) {
        if (align != Align::Top) {
            return;
        }
        const auto stretch = [&form = m_form, &control] {
            control.Move(0, 0, form.ScaleWidth(), control.Height());
        };
        stretch();
        QObject::connect(&m_form, &Form::Resize, &control, stretch);
    }

    Form& m_form;
    std::multimap<int, QWidget*> m_tabOrder;
};

void applyFormSettings(Form& form, const FormNode& root) {
    form.setObjectName(root.name);
    form.setWindowTitle(translated(root.name, setting(root, "Caption").toString()));
    const QVariant font = setting(root, "Font");
    if (font.isValid()) {
        form.setFont(font.value<QFont>());
    }
    const QPixmap icon = setting(root, "Icon").value<QPixmap>();
    if (!icon.isNull()) {
        form.setWindowIcon(icon);
    }
    form.setKeyPreview(setting(root, "KeyPreview", false).toBool());

    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, setting(root, "MinButton", true).toBool());
    flags.setFlag(Qt::WindowMaximizeButtonHint, setting(root, "MaxButton", true).toBool());
    form.setWindowFlags(flags);

    const float width = setting(root, "ClientWidth", 0).toFloat();
    const float height = setting(root, "ClientHeight", 0).toFloat();
    form.setClientSize(width, height);
    if (setting(root, "BorderStyle", 2).toInt() == 1) { // fixed single: no dragging the frame
        form.setFixedSize(form.size());
    }
}

} // namespace

void loadForm(Form& form, const FormNode& root) {
    applyFormSettings(form, root);
    Loader loader(form);
    loader.loadChildren(root, &form);
    loader.applyTabOrder();
}

} // namespace lx
