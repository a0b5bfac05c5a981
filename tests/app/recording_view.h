// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/calculator_view.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <optional>

namespace lx::test {

// Nine texts, the messages that would have been shown, where the focus went
// and the report handed over.
class RecordingView : public CalculatorView {
public:
    struct Message {
        QString text;
        QString title;
        MessageBox::Icon icon;
    };

    QString boxText(Box box) const override { return texts.value(box); }
    void setBoxText(Box box, const QString& text) override {
        texts[box] = text;
        written.append(box);
    }
    void showMessage(const QString& text, const QString& title, MessageBox::Icon icon) override {
        messages.append({text, title, icon});
    }
    void focusBox(Box box) override { focus = box; }
    void showReport(const Summary& summary, const ReportRequest& request) override {
        report = twoSampleReport(summary, request);
    }
    bool boxTextIsExact(Box box) const override { return exact.contains(box); }

    void enter(const QString& n1, const QString& m1, const QString& sd1, const QString& n2,
               const QString& m2, const QString& sd2) {
        texts[Box::N1] = n1;
        texts[Box::M1] = m1;
        texts[Box::SD1] = sd1;
        texts[Box::N2] = n2;
        texts[Box::M2] = m2;
        texts[Box::SD2] = sd2;
    }

    QMap<Box, QString> texts;
    QList<Box> written;
    QList<Message> messages;
    std::optional<Box> focus;
    std::optional<TwoSampleReport> report;
    QSet<Box> exact; // boxes whose text stands for an exact value
};

} // namespace lx::test
