// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

namespace lx::text_check {

// The text of a DOCX part's XML (WordprocessingML), given whole or a piece at a time: its runs'
// text, hidden ones too (a result does not stop being reported for being hidden), a tab and a
// line break as themselves, each paragraph ended by U+2029 and a line break.
class DocxXmlText {
public:
    // Reads the next piece of the XML, appending to `text` what it completes. False once the
    // XML is damaged.
    bool add(const QByteArray& xml, QString& text);
    // After the last piece: whether the XML was whole and sound.
    bool finish(QString& text);

private:
    bool readTokens(QString& text);

    QXmlStreamReader m_reader;
    bool m_inText = false; // within a run's <w:t>
};

} // namespace lx::text_check
