// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

namespace lx {

// A frame of the form: an etched rectangle with its caption set into the top edge, so the
// stored positions of its contents sit inside it. Painted here rather than through a style
// sheet, which would load the style-sheet engine into every start of the window.
class EtchedFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lx
