// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QObject>
#include <QString>

class QLineEdit;

namespace lx {

// Keeps a read-only result box honest when its text is wider than the box: a number shows with
// as many significant digits as fit, its exponent kept, so what shows never reads as another
// number ("#" where not even one digit fits); other text shows as it is. The full text then
// stands in the box's tooltip and is what the user copies from the box (Ctrl+C, the context
// menu, a selection where selecting copies). Whatever sets the box's text sets the full text.
class ResultBox : public QObject {
    Q_OBJECT
public:
    // name: the box's tooltip while it shows all of its text; empty for none.
    ResultBox(QLineEdit& box, const QString& name = QString());

    // The text the box was given, in full.
    const QString& fullText() const { return m_full; }
    // The box shows less than its full text.
    bool shortened() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();
    bool fits(const QString& text) const;
    void copyFullText(QClipboard::Mode mode = QClipboard::Clipboard) const;
    void offerSelection();
    void showContextMenu(const QPoint& at);

    QLineEdit& m_box;
    QString m_name;
    QString m_full;
    bool m_fitting = false; // the box's text is being set from here
};

} // namespace lx
