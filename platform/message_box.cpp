// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace lx {

QString MessageBox::errorTitle() {
    return QCoreApplication::translate("MessageBox", "Error!");
}

namespace {

QMessageBox::Icon qtIcon(MessageBox::Icon icon) {
    switch (icon) {
    case MessageBox::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBox::Icon::Question:
        return QMessageBox::Question;
    case MessageBox::Icon::Exclamation:
        return QMessageBox::Warning;
    case MessageBox::Icon::Information:
        return QMessageBox::Information;
    case MessageBox::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QtMessageBox::QtMessageBox(QWidget* parent)
    : m_parent(parent) {}

void QtMessageBox::show(const QString& text, const QString& title, Icon icon) {
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

} // namespace lx
