// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QString>

namespace lx::test {

// A control the framework knows only by its properties.
class SampleControl : public QObject {
    Q_OBJECT
    Q_CLASSINFO("PropertyPages", "StandardColor Sample StandardFont")
    Q_CLASSINFO("BrowsingPage.Sample", "Caption Count")
    Q_PROPERTY(QString Caption MEMBER Caption)
    Q_PROPERTY(int Count MEMBER Count)
    Q_PROPERTY(uint BackColor MEMBER BackColor)
    Q_PROPERTY(uint ForeColor MEMBER ForeColor)
    Q_PROPERTY(uint Tally MEMBER Tally)
    Q_PROPERTY(QFont Font MEMBER Font)

public:
    using QObject::QObject;

    QString Caption = QStringLiteral("Sample");
    int Count = 3;
    uint BackColor = 0x8000000Fu;
    uint ForeColor = 0x00000080u;
    uint Tally = 0;
    QFont Font;
};

// Names a page of its own and takes Count over for it.
class DerivedSample : public SampleControl {
    Q_OBJECT
    Q_CLASSINFO("PropertyPages", "Sample Derived")
    Q_CLASSINFO("BrowsingPage.Derived", "Count")

public:
    using SampleControl::SampleControl;
};

} // namespace lx::test
