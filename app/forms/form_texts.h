// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace lx::form_texts {

// Every text of the calculator's form file that a user reads. The translation tools cannot read
// form files, so the texts are named here, in the form's name as context, as the loader asks
// for them.
inline constexpr const char* frmTervan[] = {
    QT_TRANSLATE_NOOP("frmTervan", "Student's t-test"),
    QT_TRANSLATE_NOOP("frmTervan", "Exit"),
    QT_TRANSLATE_NOOP("frmTervan", "Details"),
    QT_TRANSLATE_NOOP("frmTervan",
                      "Show the exact p, Welch's test, confidence intervals and effect sizes (F6)"),
    QT_TRANSLATE_NOOP("frmTervan", "Planning"),
    QT_TRANSLATE_NOOP("frmTervan",
                      "Plan the next study: sample size, sensitivity and safeguard power (F7)"),
    QT_TRANSLATE_NOOP("frmTervan", "Plot"),
    QT_TRANSLATE_NOOP("frmTervan", "Show the result as a picture: the difference plot, the prior "
                                   "and posterior, the Bayes factor's robustness (F8)"),
    QT_TRANSLATE_NOOP("frmTervan", "On top"),
    QT_TRANSLATE_NOOP("frmTervan", "On Top"),
    QT_TRANSLATE_NOOP("frmTervan", "Calculate (F5)"),
    QT_TRANSLATE_NOOP("frmTervan", "Calculate"),
    QT_TRANSLATE_NOOP("frmTervan", "Result"),
    QT_TRANSLATE_NOOP("frmTervan", "P"),
    QT_TRANSLATE_NOOP("frmTervan", "t"),
    QT_TRANSLATE_NOOP("frmTervan", "K"),
    QT_TRANSLATE_NOOP("frmTervan", "Second Set"),
    QT_TRANSLATE_NOOP("frmTervan", "N2"),
    QT_TRANSLATE_NOOP("frmTervan", "M2"),
    QT_TRANSLATE_NOOP("frmTervan", "SD2"),
    QT_TRANSLATE_NOOP("frmTervan", "First Set"),
    QT_TRANSLATE_NOOP("frmTervan", "SD1"),
    QT_TRANSLATE_NOOP("frmTervan", "M1"),
    QT_TRANSLATE_NOOP("frmTervan", "N1"),
    QT_TRANSLATE_NOOP("frmTervan", "Clear All (Esc)"),
    QT_TRANSLATE_NOOP("frmTervan", "Clear All Fields"),
};

} // namespace lx::form_texts
