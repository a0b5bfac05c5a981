// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QString>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// The plain editors the pages are built from, each created on its page with
// its control name and placed in twips.
namespace lx::page_editors {

QCheckBox* checkBox(QWidget* page, const char* name, const QString& caption, const QRectF& twips);
QLineEdit* textBox(QWidget* page, const char* name, const QRectF& twips);
// A list without free text.
QComboBox* dropDownList(QWidget* page, const char* name, const QRectF& twips);
QLabel* label(QWidget* page, const char* name, const QString& caption, const QRectF& twips);

// Tab moves through the editors in this order.
void setTabOrder(std::initializer_list<QWidget*> editors);

} // namespace lx::page_editors
