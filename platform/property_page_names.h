// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QObject;
struct QMetaObject;

// How a control class names its design-time property pages, without the
// designer knowing the class: two class infos, each a list of names separated
// by blanks.
//
//   Q_CLASSINFO("PropertyPages", "StandardColor StandardFont Panel")
//       the pages of its property-pages dialog, in tab order;
//   Q_CLASSINFO("BrowsingPage.Panel", "Panel Caption Alignment")
//       the properties whose entry in the designer's property list opens
//       that page.
namespace lx {

QStringList propertyPagesOf(const QMetaObject& meta);

// The page that browses a property, or an empty text when it has none.
QString browsingPageOf(const QMetaObject& meta, const QString& property);

// The pages every one of the controls names, in the first control's order.
QStringList commonPropertyPages(const QList<QObject*>& controls);

} // namespace lx
