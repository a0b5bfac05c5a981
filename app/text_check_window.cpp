// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_check_window.h"

#include "alpha_box.h"

#include "check_process.h"
#include "platform/core/vector_registers.h"
#include "platform/error_guard.h"
#include "text_check/decode.h"
#include "text_drop_edit.h"
#include "verdict_look.h"
#include "window_layout.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPromise>
#include <QScreen>
#include <QThreadPool>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

namespace lx {

namespace {

// A pause in typing long enough to check what is there.
constexpr int TypingPause = 300;

enum Column { WhereColumn, ResultColumn, VerdictColumn, SetsColumn };

const char* boxName(Box box) {
    switch (box) {
    case Box::N1:
        return "N1";
    case Box::M1:
        return "M1";
    case Box::SD1:
        return "SD1";
    case Box::N2:
        return "N2";
    case Box::M2:
        return "M2";
    case Box::SD2:
        return "SD2";
    default:
        break;
    }
    return "";
}

QString boxList(const QList<QPair<Box, QString>>& boxes, bool withValues) {
    QStringList parts;
    for (const auto& [box, text] : boxes) {
        parts.append(withValues ? QStringLiteral("%1 %2").arg(QLatin1String(boxName(box)), text)
                                : QLatin1String(boxName(box)));
    }
    return parts.join(withValues ? QStringLiteral(", ") : QStringLiteral(" "));
}

// Text and HTML read and checked off the event loop; a file too large to be a paper is turned
// away before it is read.
constexpr qint64 LargestTextFile = qint64(256) * 1024 * 1024;

} // namespace

TextCheckWindow::TextCheckWindow(WindowSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window)

    , txtText(new TextDropEdit(this))
    , lblFound(new QLabel(this))
    , lstResults(new QTreeWidget(this))
    , lblChosen(new QLabel(this))
    , cboAlpha(new AlphaBox(settings, QStringLiteral("TextCheckAlpha"), this))
    , m_typing(new QTimer(this))
    , m_process(new CheckProcess(this)) {
    setObjectName(QStringLiteral("TextCheckWindow"));
    setWindowTitle(tr("Check text"));
    setAcceptDrops(true);
    txtText->setObjectName(QStringLiteral("txtText"));
    lblFound->setObjectName(QStringLiteral("lblFound"));
    lstResults->setObjectName(QStringLiteral("lstResults"));
    lblChosen->setObjectName(QStringLiteral("lblChosen"));

    auto* prompt = new QLabel(tr("&Paste, type or drop a paragraph, or a file (text, HTML, PDF, "
                                 "DOCX):"),
                              this);
    prompt->setBuddy(txtText);
    txtText->setTabChangesFocus(true);
    txtText->setPlaceholderText(tr("The groups differed, t(28) = 2.20, p = .036."));
    txtText->setAccessibleName(tr("Text to check"));
    lblFound->setWordWrap(true);
    lblFound->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblChosen->setWordWrap(true);
    lblChosen->setText(tr("Enter or a double click on a line puts its group sizes, means and "
                          "SDs into the calculator's sets."));

    lstResults->setColumnCount(4);
    lstResults->setHeaderLabels({tr("Where"), tr("Result"), tr("Verdict"), tr("Sets")});
    lstResults->setRootIsDecorated(false);
    lstResults->setUniformRowHeights(true);
    lstResults->setAllColumnsShowFocus(true);
    lstResults->setAccessibleName(tr("Results found"));
    // Each result is read whole; the sets, last, take what room is left.
    lstResults->header()->setStretchLastSection(true);
    for (const int column : {WhereColumn, ResultColumn, VerdictColumn}) {
        lstResults->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }

    auto* layout = new QVBoxLayout(this);
    auto* alphaLabel = new QLabel(tr("Significance level &α:"), this);
    alphaLabel->setBuddy(cboAlpha);
    cboAlpha->setObjectName(QStringLiteral("cboAlpha"));
    auto* found = new QHBoxLayout;
    found->addWidget(lblFound, 1);
    found->addWidget(alphaLabel);
    found->addWidget(cboAlpha);
    layout->addWidget(prompt);
    layout->addWidget(txtText, 2);
    layout->addLayout(found);
    layout->addWidget(lstResults, 3);
    layout->addWidget(lblChosen);
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 120, metrics.lineSpacing() * 28);

    m_typing->setSingleShot(true);
    m_typing->setInterval(TypingPause);
    connect(txtText, &QPlainTextEdit::textChanged, this, [this] { scheduleTextCheck(); });
    connect(m_typing, &QTimer::timeout, this, [this] { guarded([this] { checkTypedText(); }); });
    connect(txtText, &TextDropEdit::filesGiven, this,
            [this](const QStringList& paths) { guarded([&] { checkFiles(paths); }); });
    connect(cboAlpha, &AlphaBox::alphaChosen, this, [this] { guarded([this] { judgeAgain(); }); });
    connect(lstResults, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { guarded([&] { choose(item); }); });
    connect(m_process, &CheckProcess::finished, this,
            [this](const std::vector<CheckedLine>& lines) {
                guarded([&] { showOutcome(Outcome{lines, {}}, m_fileRead); });
            });
    connect(m_process, &CheckProcess::failed, this, [this](const QString& message) {
        guarded([&] { showOutcome(Outcome{{}, message}, {}); });
    });

    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    txtText->setFocus(Qt::OtherFocusReason);
}

void TextCheckWindow::placeBeside(const QWidget& calculator) {
    const QRect available = calculator.screen()->availableGeometry();
    resize(size().boundedTo(available.size() * 9 / 10));
    const QRect outer = calculator.frameGeometry();
    QRect placed(QPoint(outer.right() + 1, outer.top()), size());
    if (placed.right() > available.right()) {
        placed.moveLeft(outer.left() - placed.width());
    }
    move(window_layout::keptOnScreen(placed, available).topLeft());
}

TextCheckWindow::~TextCheckWindow() = default;

// A file dropped anywhere in the window is taken, not only on its text box.
void TextCheckWindow::dragEnterEvent(QDragEnterEvent* event) {
    guarded([&] {
        if (!localFiles(*event->mimeData()).isEmpty()) {
            event->acceptProposedAction();
        }
    });
}

void TextCheckWindow::dropEvent(QDropEvent* event) {
    guarded([&] {
        const QStringList files = localFiles(*event->mimeData());
        if (!files.isEmpty()) {
            event->acceptProposedAction();
            checkFiles(files);
        }
    });
}

QString TextCheckWindow::checkProgram() const {
    return m_process->program();
}

void TextCheckWindow::setCheckProgram(const QString& program) {
    m_process->setProgram(program);
}

// What the list shows, judged again at the level just chosen.
void TextCheckWindow::judgeAgain() {
    if (!m_lastFile.isEmpty()) {
        readFile(m_lastFile);
    } else {
        checkTypedText();
    }
}

void TextCheckWindow::scheduleTextCheck() {
    m_typing->start();
}

void TextCheckWindow::startRun() {
    ++m_run;
    m_typing->stop();
    m_process->cancel(); // a file still being read is outdated too
}

void TextCheckWindow::checkTypedText() {
    m_note.clear();
    m_lastFile.clear();
    const QString text = txtText->toPlainText();
    runAside(
        [text, alpha = cboAlpha->alpha()] {
            return Outcome{checkedLines(text, alpha), {}};
        },
        QString());
}

void TextCheckWindow::checkFiles(const QStringList& paths) {
    if (paths.isEmpty()) {
        return;
    }
    m_note = paths.size() > 1 ? tr("Only the first of the %1 files given is read: %2.")
                                    .arg(paths.size())
                                    .arg(QFileInfo(paths.front()).fileName())
                              : QString();
    readFile(paths.front());
}

void TextCheckWindow::checkFile(const QString& path) {
    checkFiles({path});
}

void TextCheckWindow::readFile(const QString& path) {
    startRun(); // what was still being read is out of date, even if this file cannot be
    m_lastFile = path;
    if (QFileInfo(path).isDir()) {
        showOutcome(Outcome{{},
                            tr("%1 is a folder; give the files in it one by one, or check "
                               "the folder with lxtervan-check.")
                                .arg(QDir::toNativeSeparators(path))},
                    {});
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showOutcome(Outcome{{}, tr("%1 cannot be read: %2").arg(path, file.errorString())}, {});
        return;
    }
    const QString name = QFileInfo(path).fileName();
    const text_check::SourceKind kind = text_check::kindOf(path, file.peek(8));
    if (kind == text_check::SourceKind::Pdf || kind == text_check::SourceKind::Docx) {
        file.close();
        startRun();
        lblFound->setText(tr("Reading %1…").arg(name));
        m_fileRead = name;
        m_process->start(path, cboAlpha->alpha());
        return;
    }
    if (file.size() > LargestTextFile) {
        showOutcome(Outcome{{}, tr("%1 is too large to be a paper's text.").arg(name)}, {});
        return;
    }
    file.close();
    const bool html = kind == text_check::SourceKind::Html;
    runAside(
        [path, html, alpha = cboAlpha->alpha()] {
            QFile aside(path);
            if (!aside.open(QIODevice::ReadOnly)) {
                return Outcome{{}, tr("%1 cannot be read: %2").arg(path, aside.errorString())};
            }
            const text_check::DecodedSource source =
                text_check::decodeTextSource(aside.readAll(), html);
            if (source.problem != text_check::DecodeProblem::None) {
                return Outcome{{}, tr("%1 is not a text file.").arg(QFileInfo(path).fileName())};
            }
            return Outcome{checkedLines(source.text, alpha), {}};
        },
        name);
}

// The work runs on the thread pool; its outcome comes back through the event loop, and only
// the latest run's is shown.
void TextCheckWindow::runAside(std::function<Outcome()> work, const QString& source) {
    startRun();
    const int run = m_run;
    auto promise = std::make_shared<QPromise<Outcome>>();
    auto* watcher = new QFutureWatcher<Outcome>(this);
    connect(watcher, &QFutureWatcher<Outcome>::finished, this, [this, watcher, run, source] {
        watcher->deleteLater();
        if (run == m_run && watcher->future().resultCount() > 0) {
            guarded([&] { showOutcome(watcher->future().result(), source); });
        }
    });
    watcher->setFuture(promise->future());
    if (!source.isEmpty()) {
        lblFound->setText(tr("Reading %1…").arg(source));
    }
    QThreadPool::globalInstance()->start([promise, work = std::move(work)] {
        promise->start();
        try {
            clearVectorUpperHalves(); // a pool thread may carry a string hash's registers
            promise->addResult(work());
        } catch (const std::exception& error) {
            promise->addResult(Outcome{
                {},
                tr("The text cannot be checked: %1").arg(QString::fromLocal8Bit(error.what()))});
        } catch (...) {
            promise->addResult(Outcome{{}, tr("The text cannot be checked.")});
        }
        promise->finish();
    });
}

// Where a result is, as the start of a sentence.
QString TextCheckWindow::placeOf(const CheckedLine& line) {
    if (line.part == QLatin1String("footnotes")) {
        return tr("Footnotes, line %1").arg(line.line);
    }
    if (line.part == QLatin1String("endnotes")) {
        return tr("Endnotes, line %1").arg(line.line);
    }
    if (line.part == QLatin1String("header")) {
        return tr("Header, line %1").arg(line.line);
    }
    if (line.part == QLatin1String("footer")) {
        return tr("Footer, line %1").arg(line.line);
    }
    return line.page > 0 ? tr("Page %1, line %2").arg(line.page).arg(line.line)
                         : tr("Line %1").arg(line.line);
}

void TextCheckWindow::showOutcome(const Outcome& outcome, const QString& source) {
    m_lines = outcome.lines;
    lstResults->clear();
    for (const CheckedLine& line : m_lines) {
        const QString where = placeOf(line);
        const bool badInterval = line.ciCheck == QLatin1String("inconsistent");
        const QString words = verdict_look::words(line.verdict, line.holds) +
                              (badInterval ? tr("; interval inconsistent") : QString());
        const QString explanation =
            verdict_look::explanation(line.verdict, line.holds, line.rounding) +
            (badInterval
                 ? QLatin1Char(' ') + tr("Its confidence interval does not fit the t and df.")
                 : QString());
        const QList<QPair<Box, QString>> sets = setsOf(line, QLocale());
        auto* item =
            new QTreeWidgetItem(lstResults, {where, line.raw, words, boxList(sets, false)});
        item->setForeground(VerdictColumn,
                            verdict_look::colour(line.verdict, line.holds, lstResults->palette()));
        QFont bold = item->font(VerdictColumn);
        bold.setBold(!line.holds);
        item->setFont(VerdictColumn, bold);
        const QString sentence =
            sets.isEmpty() ? tr("%1: %2, %3. %4").arg(where, line.raw, words, explanation)
                           : tr("%1: %2, %3. %4 Gives %5.")
                                 .arg(where, line.raw, words, explanation, boxList(sets, true));
        for (int column = 0; column < lstResults->columnCount(); ++column) {
            item->setToolTip(column, explanation);
            item->setData(column, Qt::AccessibleDescriptionRole, sentence);
        }
        item->setData(VerdictColumn, Qt::AccessibleTextRole, tr("Verdict: %1").arg(words));
    }
    if (!outcome.problem.isEmpty()) {
        lblFound->setText(outcome.problem);
    } else if (m_lines.empty()) {
        lblFound->setText(source.isEmpty() ? tr("No t test found.")
                                           : tr("No t test found in %1.").arg(source));
    } else {
        const int holding = static_cast<int>(std::count_if(
            m_lines.begin(), m_lines.end(), [](const CheckedLine& l) { return l.holds; }));
        const QString count =
            tr("Results found: %1; they hold: %2.").arg(m_lines.size()).arg(holding);
        lblFound->setText(source.isEmpty() ? count : tr("%1: %2").arg(source, count));
        lstResults->setCurrentItem(lstResults->topLevelItem(0));
    }
    if (!m_note.isEmpty()) {
        lblFound->setText(lblFound->text() + QLatin1Char(' ') + m_note);
    }
    emit checked();
}

void TextCheckWindow::choose(QTreeWidgetItem* item) {
    const int index = lstResults->indexOfTopLevelItem(item);
    if (index < 0 || index >= static_cast<int>(m_lines.size())) {
        return;
    }
    const CheckedLine& line = m_lines[static_cast<std::size_t>(index)];
    const QString where = placeOf(line);
    const QList<QPair<Box, QString>> sets = setsOf(line, QLocale());
    if (sets.isEmpty()) {
        lblChosen->setText(
            tr("%1 gives no group sizes or means: the sets are left as they are.").arg(where));
        return;
    }
    emit setsChosen(sets);
    lblChosen->setText(tr("%1 put into the sets: %2.").arg(where, boxList(sets, true)));
}

} // namespace lx
