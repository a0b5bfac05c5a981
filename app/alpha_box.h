// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace lx {

class WindowSettings;

// The significance level verdicts are judged at, chosen from the usual ones (.05 unless the
// user chose another) and remembered in the window's settings under `key`.
class AlphaBox : public QComboBox {
    Q_OBJECT
public:
    AlphaBox(WindowSettings& settings, const QString& key, QWidget* parent);

    double alpha() const { return currentData().toDouble(); }

signals:
    // The user chose another level, which is remembered already.
    void alphaChosen();
};

} // namespace lx
