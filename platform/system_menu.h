// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QWidget;

namespace lx {

// The menu the window system offers on a window's caption. Its entries follow
// the window's border and buttons when it is first asked for; after that it
// is the window's own copy, changed only by removing entries. A window whose
// Close entry is gone loses its close button and refuses close requests from
// the window system (the program may still close it).
class SystemMenu : public QObject {
    Q_OBJECT

public:
    enum class Entry { Restore, Move, Size, Minimize, Maximize, Separator, Close };

    // The window's own menu, made on first use.
    static SystemMenu& of(QWidget& window);

    const QList<Entry>& entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }
    bool hasClose() const { return m_entries.contains(Entry::Close); }

    // Removes the entry at a zero-based position; a position with no entry
    // changes nothing.
    void removeAt(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SystemMenu(QWidget& window);

    static QList<Entry> entriesFor(const QWidget& window);
    void disableCloseButton();

    QWidget& m_window;
    QList<Entry> m_entries;
};

} // namespace lx
