// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "streamed_check.h"

#include "check_text.h"

#include "cli/work_queue.h"

#include "text_check/decode.h"
#include "text_check/finder.h"
#include "text_check/judge.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <deque>
#include <future>
#include <new>
#include <optional>
#include <utility>

namespace lx::check {

namespace {

using text_check::FoundResult;

// How much of the text read so far is checked now: up to `end`, and the text from `next` on is
// kept for the next piece.
struct Cut {
    qsizetype end = 0;
    qsizetype next = 0;
};

// What the forms read lies within a paragraph; a text without paragraphs is cut at a line's
// end, and its last lines read again with the next piece, lest a result be cut in two.
constexpr qsizetype overlap = 2000;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r';
}

// The last blank line or page end in the text: where the next piece may start cleanly; -1 for
// none. (Not a paragraph separator: a DOCX file's table cells are paragraphs, and a converted
// PDF's lines often are, so a result may go on after one.)
qsizetype lastParagraphEnd(const QString& text) {
    qsizetype found = text.lastIndexOf(u'\f');
    // (lastIndexOf from -1 would search from the end again.)
    for (qsizetype at = text.lastIndexOf(u'\n'); at > found && at > 0;
         at = text.lastIndexOf(u'\n', at - 1)) {
        qsizetype before = at - 1;
        while (before > found && isBlank(text[before])) {
            --before;
        }
        if (before > found && text[before] == u'\n') {
            return at + 1;
        }
        at = before + 1;
    }
    return found < 0 ? -1 : found + 1;
}

// Where to cut a text of at least a piece's length; all of it at the input's end.
Cut cutOf(const QString& text, bool last) {
    if (last) {
        return {text.size(), text.size()};
    }
    const qsizetype paragraph = lastParagraphEnd(text);
    if (paragraph > 0) {
        return {paragraph, paragraph};
    }
    // A line's end, else a blank: nearly at the end, and again some way before it.
    const auto breakBefore = [&](qsizetype from) -> qsizetype {
        if (from == 0) {
            return 0;
        }
        const qsizetype line = text.lastIndexOf(u'\n', from);
        return line >= 0 ? line + 1 : text.lastIndexOf(u' ', from) + 1;
    };
    const qsizetype end = breakBefore(-1);
    if (end <= 0) {
        return {text.size(), text.size()}; // one endless word
    }
    const qsizetype next = breakBefore(end - std::min(overlap, end / 2));
    return {end, next > 0 ? next : end};
}

// Counts lines and pages through the pieces, to place each result in the whole text.
class Places {
public:
    // Places the results of the next piece (in the order of the text), then steps to where the
    // piece after it starts.
    void place(QStringView piece, std::vector<CheckedResult>& results, qsizetype next) {
        qsizetype at = 0;
        for (CheckedResult& result : results) {
            walk(piece.sliced(at, result.found.start - at));
            at = result.found.start;
            result.found.line = m_lineOnPage;
            result.found.page = m_pages ? m_page : 0;
        }
        walk(piece.sliced(at, next - at));
    }

    // A text with a form feed anywhere has pages throughout.
    void noteForms(QStringView piece) { m_pages = m_pages || piece.contains(u'\f'); }

private:
    void walk(QStringView text) {
        for (const QChar c : text) {
            if (c == u'\n') {
                ++m_lineOnPage;
            } else if (c == u'\f') {
                ++m_page;
                m_lineOnPage = 1;
            }
        }
    }

    int m_page = 1;
    int m_lineOnPage = 1;
    bool m_pages = false;
};

// Finds the first byte that is not UTF-8 in a text read in pieces, where a read may cut a
// sequence in two: those last bytes are held back and seen whole with the next piece.
class Utf8Watch {
public:
    void see(QByteArrayView chunk, bool last) {
        if (m_firstBad >= 0) {
            return;
        }
        const QByteArray whole = m_held + chunk.toByteArray();
        qsizetype keep = whole.size();
        for (qsizetype k = whole.size() - 1; !last && k >= 0 && k >= whole.size() - 3; --k) {
            const auto byte = static_cast<unsigned char>(whole[k]);
            if ((byte & 0xC0) == 0x80) {
                continue;
            }
            const int length = byte >= 0xF0 ? 4 : (byte >= 0xE0 ? 3 : 2);
            if (byte >= 0xC0 && k + length > whole.size()) {
                keep = k;
            }
            break;
        }
        const qsizetype bad = text_check::firstNonUtf8Byte(QByteArrayView(whole).first(keep));
        if (bad >= 0) {
            m_firstBad = m_seen + bad;
            m_badByte = static_cast<unsigned char>(whole[bad]);
        }
        m_seen += keep;
        m_held = whole.sliced(keep);
    }

    // "byte 7 (0x97) is not UTF-8: ...", as a file read at once says it; empty for none.
    QString warning() const {
        if (m_firstBad < 0) {
            return {};
        }
        return CheckText::tr("byte %1 (0x%2) is not UTF-8: it and any others like it were read as "
                             "U+FFFD")
            .arg(m_firstBad + 1)
            .arg(m_badByte, 2, 16, QLatin1Char('0'));
    }

    // Offsets count from the first byte after the mark.
    void startAt(qint64 offset) { m_seen = offset; }

private:
    QByteArray m_held;
    qint64 m_seen = 0;
    qint64 m_firstBad = -1;
    unsigned m_badByte = 0;
};

// Where an HTML page read so far may be cut: after its last block's closing tag (or line break
// tag) that lies outside a script, a style and a comment; 0 for nowhere yet.
qsizetype htmlCutOf(const QString& html) {
    static const QRegularExpression blockEnd(
        QStringLiteral(
            R"(</(?:p|div|li|tr|table|section|article|h[1-6]|blockquote)\s*>|<br\s*/?>)"),
        QRegularExpression::CaseInsensitiveOption);
    qsizetype cut = 0;
    for (auto it = blockEnd.globalMatch(html); it.hasNext();) {
        cut = it.next().capturedEnd();
    }
    // A cut inside a script, a style or a comment moves to before it opened.
    for (const auto& [open, close] :
         {std::pair(u"<script", u"</script"), std::pair(u"<style", u"</style"),
          std::pair(u"<!--", u"-->")}) {
        const qsizetype opened = html.lastIndexOf(QStringView(open), cut - 1, Qt::CaseInsensitive);
        if (cut > 0 && opened >= 0 &&
            html.lastIndexOf(QStringView(close), cut - 1, Qt::CaseInsensitive) < opened) {
            cut = htmlCutOf(html.left(opened));
        }
    }
    return cut;
}

// A piece searched and judged: its text, where the next piece starts in it, and its results
// (those that start in the lines the next piece reads again left out, for it to find).
struct CheckedPiece {
    QString text;
    qsizetype next = 0;
    std::vector<CheckedResult> results;
};

CheckedPiece checkedPiece(const QString& piece, Cut cut, double alpha) {
    CheckedPiece checked{piece, cut.next, {}};
    std::vector<FoundResult> found = text_check::findResults(piece);
    while (!found.empty() && found.back().start >= cut.next && cut.next < cut.end) {
        found.pop_back();
    }
    checked.results.reserve(found.size());
    for (FoundResult& result : found) {
        const text_check::Judgement judgement = text_check::judge(result, alpha);
        checked.results.push_back({std::move(result), judgement, {}});
    }
    return checked;
}

bool isBinary(QByteArrayView start) {
    // Text has no NUL bytes, except as UTF-16 or UTF-32, which start with their marks.
    return start.contains('\0') && !start.startsWith("\xFF\xFE") && !start.startsWith("\xFE\xFF") &&
           !start.startsWith(QByteArrayView("\0\0\xFE\xFF", 4));
}

} // namespace

FileReport checkStream(const QString& name, const ByteSource& read, bool html, double alpha,
                       const StreamLimits& limits, int jobs,
                       const std::function<void(FileReport&&)>& rows) {
    FileReport report;
    report.name = name;
    Places places;
    // Pieces are searched and judged on the workers, and written here in their order.
    cli::WorkQueue<CheckedPiece> workers(std::max(jobs, 1));
    std::deque<std::future<CheckedPiece>> pending;
    qsizetype taken = 0; // of the next piece: the end of the last result written, in it
    const auto writeNext = [&] {
        CheckedPiece piece = pending.front().get();
        pending.pop_front();
        // The results of the lines read again that the piece before has written already.
        auto& results = piece.results;
        results.erase(results.begin(),
                      std::find_if(results.begin(), results.end(),
                                   [&](const CheckedResult& r) { return r.found.start >= taken; }));
        places.noteForms(QStringView(piece.text).first(piece.next));
        places.place(piece.text, results, piece.next);
        taken = results.empty() ? 0 : std::max<qsizetype>(0, results.back().found.end - piece.next);
        FileReport part;
        part.name = name;
        part.results = std::move(results);
        rows(std::move(part));
    };
    const auto checkPiece = [&](const QString& text, Cut cut) {
        pending.push_back(workers.submit(
            [piece = text.left(cut.end), cut, alpha] { return checkedPiece(piece, cut, alpha); }));
        while (pending.size() > static_cast<std::size_t>(2 * std::max(jobs, 1))) {
            writeNext();
        }
        return cut.next;
    };
    try {
        QByteArray buffer(static_cast<qsizetype>(limits.pieceBytes), Qt::Uninitialized);
        std::optional<QStringDecoder> decoder;
        std::optional<Utf8Watch> utf8;
        QString text; // decoded, not yet checked
        qint64 total = 0;
        bool overLimit = false;
        bool unreadable = false;
        for (bool last = false; !last;) {
            const qint64 room = std::min(limits.pieceBytes, limits.maxBytes - total);
            qint64 got = room > 0 ? read(buffer.data(), room) : 0;
            // What was read before an error is still checked, and its rows written.
            unreadable = got < 0;
            got = std::max<qint64>(got, 0);
            last = got == 0;
            if (last && room == 0) {
                char probe = 0;
                overLimit = read(&probe, 1) > 0;
            }
            total += got;
            QByteArrayView chunk(buffer.constData(), static_cast<qsizetype>(got));
            if (!decoder) {
                if (isBinary(chunk)) {
                    report.error = CheckText::tr("not a text file");
                    return report;
                }
                const text_check::TextEncoding encoding =
                    text_check::textEncodingOf(chunk, html && text_check::declaresUtf8(chunk));
                decoder.emplace(text_check::decoderFor(encoding, {}));
                chunk = chunk.sliced(encoding.markBytes);
                if (encoding.name == "UTF-8") {
                    utf8.emplace();
                    utf8->startAt(encoding.markBytes);
                }
            }
            if (utf8) {
                utf8->see(chunk, last);
            }
            text += decoder->decode(chunk);
            if (!last && text.size() < limits.pieceBytes) {
                continue; // pieces of about pieceBytes: fewer searches, each over more text
            }
            if (html) {
                // A page is cut after a block, whose words are not about the next block's results.
                qsizetype cut = last ? text.size() : htmlCutOf(text);
                if (cut == 0 && text.size() < 4 * limits.pieceBytes) {
                    continue;
                }
                cut = cut == 0 ? text.size() : cut;
                const QString piece = text_check::textOfHtml(text.left(cut));
                checkPiece(piece, {piece.size(), piece.size()});
                text.remove(0, cut);
                continue;
            }
            text.remove(0, checkPiece(text, cutOf(text, last)));
        }
        while (!pending.empty()) {
            writeNext();
        }
        if (utf8) {
            report.warning = utf8->warning();
        }
        if (unreadable) {
            report.error = CheckText::tr("cannot be read");
        } else if (overLimit) {
            report.error = CheckText::tr("longer than %1 bytes: only those were checked "
                                         "(--max-size sets the limit)")
                               .arg(limits.maxBytes);
        }
    } catch (const std::bad_alloc&) {
        report.error = CheckText::tr("cannot be checked: out of memory");
    } catch (const std::exception& error) {
        report.error =
            CheckText::tr("cannot be checked: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    return report;
}

} // namespace lx::check
