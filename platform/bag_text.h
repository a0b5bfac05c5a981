// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "property_bag.h"

#include <QString>
#include <QVariant>

// The text form of property values and bags, as form files store them:
//
//   Caption = "Calculate (F5)"      text, with \" \\ \n escapes
//   Delta = 45                      32-bit integer
//   BackColor = 0x8000000F          colour (unsigned 32-bit, hex)
//   Switch = True                   Boolean
//   Left = 2092.5                   real number, always with '.' or exponent
//   Font = Font("Sans Serif,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1")
//   Picture = Picture("iVBORw0...") PNG as base64, or a ":/resource" path
//
// Numbers are written in the C locale, so a file reads the same everywhere.
namespace lx::bag_text {

QString valueToText(const QVariant& value);

// Parses one value; throws RuntimeError(TypeMismatch) naming what is wrong.
QVariant valueFromText(const QString& text);

// One "Key = value" line per entry, each prefixed by indent.
QString toText(const PropertyBag& bag, const QString& indent = {});

// Reads "Key = value" lines; blank lines are skipped. Throws
// RuntimeError(TypeMismatch) with the line number for a malformed line.
PropertyBag fromText(const QString& text);

// Splits "Key = value" into its two halves; false when it is not such a line.
bool splitAssignment(const QString& line, QString& key, QString& value);

// A letter or underscore, then letters, digits and underscores (ASCII only).
bool isIdentifier(QStringView text);

} // namespace lx::bag_text
