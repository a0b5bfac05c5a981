// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "control_descriptions.h"

#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "controls/window/lx_form_pos.h"
#include "controls/window/lx_on_top.h"

#include <QPainter>
#include <QPixmap>

namespace lx::designer {

namespace {

constexpr int IconSize = 22;

QString domXml(const char* className, const char* name, int width, int height,
               const char* properties = "") {
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          "%5"
                          " </widget>\n"
                          "</ui>\n")
        .arg(QLatin1String(className), QLatin1String(name))
        .arg(width)
        .arg(height)
        .arg(QLatin1String(properties));
}

// The window helpers' icons are their own design-time pictures.
QIcon pictureOf(Control& helper) {
    helper.setUserMode(false);
    QPixmap picture(helper.size());
    picture.fill(Qt::transparent);
    helper.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    return QIcon(picture.scaled(IconSize, IconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QIcon buttonIcon() {
    QPixmap icon(IconSize, IconSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    const QRect face(1, 5, IconSize - 3, IconSize - 11);
    painter.fillRect(face, QColor(0xd4, 0xd0, 0xc8));
    painter.setPen(Qt::white);
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(Qt::darkGray);
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());
    painter.fillRect(QRect(face.left() + 3, face.top() + 3, 5, 5), QColor(0x20, 0x60, 0xc0));
    painter.fillRect(QRect(face.left() + 10, face.top() + 5, 7, 2), Qt::black);
    return QIcon(icon);
}

QIcon panelIcon() {
    QPixmap icon(IconSize, IconSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    const QRect box(1, 3, IconSize - 3, IconSize - 7);
    painter.setPen(Qt::darkGray);
    painter.drawRect(box);
    painter.setPen(Qt::white);
    painter.drawRect(box.translated(1, 1));
    painter.fillRect(QRect(box.left() + 3, box.top() + 3, 9, 2), Qt::black);
    return QIcon(icon);
}

template <typename T> std::function<QWidget*(QWidget*)> maker() {
    return [](QWidget* parent) { return new T(parent); };
}

QList<ControlDescription> describeAll() {
    QList<ControlDescription> all;
    all.append({QStringLiteral("lx::LxButton"), QStringLiteral("controls/button/lx_button.h"),
                QObject::tr("Graphic button with picture and caption; can be a switch"),
                domXml("lx::LxButton", "lxButton", 81, 33), false,
                QObject::tr("Edit Button Properties…"), maker<LxButton>(), buttonIcon});
    all.append({QStringLiteral("lx::LxPanel"), QStringLiteral("controls/panel/lx_panel.h"),
                QObject::tr("Etched strip or 3D panel with a caption; docks to its form"),
                domXml("lx::LxPanel", "lxPanel", 320, 240), true,
                QObject::tr("Edit Panel Properties…"), maker<LxPanel>(), panelIcon});
    all.append({QStringLiteral("lx::LxFormPos"), QStringLiteral("controls/window/lx_form_pos.h"),
                QObject::tr("Remembers the form's place and size; keeps a minimum size"),
                domXml("lx::LxFormPos", "lxFormPos", 16, 15), false, QString(), maker<LxFormPos>(),
                [] {
                    LxFormPos helper;
                    return pictureOf(helper);
                }});
    all.append({QStringLiteral("lx::LxOnTop"), QStringLiteral("controls/window/lx_on_top.h"),
                QObject::tr("Keeps the form above other windows; can remove its Close command"),
                // A newly placed helper keeps its form on top with Close.
                domXml("lx::LxOnTop", "lxOnTop", 32, 32,
                       "  <property name=\"OnTop\"><bool>true</bool></property>\n"
                       "  <property name=\"FormCloseButton\"><bool>true</bool></property>\n"),
                false, QString(), maker<LxOnTop>(), [] {
                    LxOnTop helper;
                    return pictureOf(helper);
                }});
    return all;
}

} // namespace

const QList<ControlDescription>& controlDescriptions() {
    static const QList<ControlDescription> all = describeAll();
    return all;
}

const ControlDescription* descriptionOf(const QObject& control) {
    const QLatin1String className(control.metaObject()->className());
    for (const ControlDescription& description : controlDescriptions()) {
        if (description.className == className) {
            return &description;
        }
    }
    return nullptr;
}

QString groupName() {
    return QStringLiteral("LxTervan");
}

} // namespace lx::designer
