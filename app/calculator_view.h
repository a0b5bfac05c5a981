// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/message_box.h"
#include "stats/two_sample_report.h"

#include <QString>

namespace lx {

// The boxes of the calculator, input boxes first, in the order they are
// checked, then the three result boxes.
enum class Box { N1, M1, SD1, N2, M2, SD2, Freedom, Student, P };

// All the calculation needs of a window: read and write a box's text, show a
// message, move the focus. The form implements it; tests record it.
class CalculatorView {
public:
    virtual ~CalculatorView() = default;
    virtual QString boxText(Box box) const = 0;
    virtual void setBoxText(Box box, const QString& text) = 0;
    virtual void showMessage(const QString& text, const QString& title, MessageBox::Icon icon) = 0;
    virtual void focusBox(Box box) = 0;
    // The summary whose results were just written, and what its full report holds. The view
    // works the report out only when it shows or copies it.
    virtual void showReport(const Summary& summary, const ReportRequest& request) = 0;
    // A box whose text was computed, not typed, stands for an exact value.
    virtual bool boxTextIsExact(Box box) const {
        (void)box;
        return false;
    }
};

} // namespace lx
