// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QString>

namespace lx {

class SettingsStore;

// A form's window state and outer rectangle (twips) as kept in the settings
// store: under the running application's name, one section per form. Reading never fails:
// what is absent or unusable reads as the default, and nothing in the store
// is changed by a read.
class WindowMemory {
public:
    WindowMemory(SettingsStore& store, const QString& section);

    // The stored window state 0..2; absent, not a whole number, or out of
    // range reads as 0 (normal).
    int state() const;

    // The stored outer rectangle. An absent or unusable size keeps
    // currentSize; an absent or unusable edge centres the window on the
    // screen; a rectangle on no screen at all gives way to the centred
    // current size.
    QRectF place(const QSizeF& currentSize) const;

    // The top-left corner that moves an outer rectangle just inside the free
    // area of the screen it mostly lies on; one larger than that area keeps
    // its top-left corner there.
    static QPointF keptOnScreen(const QRectF& outer);

    void saveState(int state);
    // Left, Top, Width and Height, in that order.
    void savePlace(const QRectF& outer);

    // The top-left corner that centres an outer size on the screen.
    static QPointF centred(const QSizeF& size);

private:
    bool readSingle(const QString& key, float& value) const;
    void saveSingle(const QString& key, float value);

    SettingsStore& m_store;
    QString m_section;
};

} // namespace lx
