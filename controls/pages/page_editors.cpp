// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "page_editors.h"

#include "platform/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace lx::page_editors {

namespace {

template <typename Editor> Editor* placed(Editor* editor, const char* name, const QRectF& twips) {
    editor->setObjectName(QString::fromLatin1(name));
    editor->setGeometry(twips::toPixels(twips));
    return editor;
}

} // namespace

QCheckBox* checkBox(QWidget* page, const char* name, const QString& caption, const QRectF& twips) {
    return placed(new QCheckBox(caption, page), name, twips);
}

QLineEdit* textBox(QWidget* page, const char* name, const QRectF& twips) {
    return placed(new QLineEdit(page), name, twips);
}

QComboBox* dropDownList(QWidget* page, const char* name, const QRectF& twips) {
    auto* list = placed(new QComboBox(page), name, twips);
    list->setEditable(false);
    list->setMaxVisibleItems(20);
    return list;
}

QLabel* label(QWidget* page, const char* name, const QString& caption, const QRectF& twips) {
    return placed(new QLabel(caption, page), name, twips);
}

void setTabOrder(std::initializer_list<QWidget*> editors) {
    QWidget* previous = nullptr;
    for (QWidget* editor : editors) {
        if (previous) {
            QWidget::setTabOrder(previous, editor);
        }
        previous = editor;
    }
}

} // namespace lx::page_editors
