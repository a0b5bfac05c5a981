// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/frm_tervan.h"
#include "platform/settings_store.h"
#include "support/fake_window_system.h"
#include "support/recording_message_box.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace lx::test {

// The real calculator window over a settings file in a temporary folder,
// with messages recorded and the window system faked.
struct FormFixture {
    QTemporaryDir folder;
    FakeWindowSystem windowSystem;
    RecordingMessageBox messages;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<FrmTervan> form;

    QString settingsFile() const { return folder.filePath(QStringLiteral("settings.ini")); }

    void open() {
        settings = std::make_unique<SettingsStore>(settingsFile());
        form = std::make_unique<FrmTervan>(settings.get());
        form->setMessageBox(messages);
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    template <typename T = QWidget> T* control(const QString& name) const {
        return form->findChild<T*>(name);
    }
    QLineEdit* box(const QString& name) const { return control<QLineEdit>(name); }

    // Types N, mean and SD of both sets into their boxes and presses F5 in the first.
    void calculate(const QStringList& six) {
        const QStringList inputs = {"txtN1", "txtM1", "txtSD1", "txtN2", "txtM2", "txtSD2"};
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            box(inputs[i])->setText(six.value(i));
        }
        box("txtN1")->setFocus();
        QTRY_VERIFY(box("txtN1")->hasFocus());
        QTest::keyClick(box("txtN1"), Qt::Key_F5);
    }
};

// A key pressed where the keyboard is, as a user presses it.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// The texts of a table, cells and row names, that do not fit where they are shown: what the
// user would see cut off. A cell's text needs its width and the item's margins on both sides.
inline QStringList clippedCells(const QTableWidget& table) {
    const int margins = 2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const QFontMetrics metrics(table.font());
    QStringList clipped;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.isRowHidden(row)) {
            continue;
        }
        const QString name = table.verticalHeaderItem(row)->text();
        if (table.verticalHeader()->width() < metrics.horizontalAdvance(name) + margins) {
            clipped.append(name);
        }
        for (int column = 0; column < table.columnCount(); ++column) {
            const QTableWidgetItem* item = table.item(row, column);
            if (!item || item->text().isEmpty()) {
                continue;
            }
            const QRect shown = table.visualRect(table.model()->index(row, column))
                                    .intersected(table.viewport()->rect());
            if (shown.width() < metrics.horizontalAdvance(item->text()) + margins) {
                clipped.append(item->text());
            }
        }
    }
    return clipped;
}

} // namespace lx::test
