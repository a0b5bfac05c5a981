// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "property_bag.h"

#include <QList>
#include <QString>

// A form file stores a form's layout and each custom control's property bag
// as text, containers before their contents:
//
//   Begin Form frmTervan
//      Caption = "Student's t-test"
//      Begin LxPanel panMenu
//         Left = 0
//         Begin LxButton cmdAction(3)
//            Caption = ""
//         End
//      End
//   End
//
// A name with "(n)" is element n of a control array.
namespace lx {

struct FormNode {
    QString type;
    QString name;
    int index = -1; // control-array index, -1 when not in an array
    PropertyBag properties;
    QList<FormNode> children;

    // "cmdAction_3" for array elements, the plain name otherwise.
    QString objectName() const;
};

// Parses a whole form file; throws RuntimeError(TypeMismatch) naming the line
// of the first thing that is wrong.
FormNode parseFormFile(const QString& text);

QString writeFormFile(const FormNode& root);

} // namespace lx
