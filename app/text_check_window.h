// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checked_line.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace lx {

class CheckProcess;
class TextDropEdit;
class AlphaBox;
class WindowSettings;

// The calculator's "Check text" window: a paragraph pasted or typed, or a file dropped or
// pasted, is read for the t tests it reports, and each gets a line with its verdict in words and
// colour. Choosing a line (Enter, double click) offers its group sizes, means and SDs to the
// calculator's two sets. Text and HTML are read here, aside from the event loop; PDF and DOCX
// files by lxtervan-check, which the window runs for them.
class TextCheckWindow : public QWidget {
    Q_OBJECT
public:
    // settings keeps the significance level the verdicts are judged at.
    TextCheckWindow(WindowSettings& settings, QWidget* parent);
    ~TextCheckWindow() override;

    // The program that reads PDF and DOCX files; beside the calculator unless set.
    QString checkProgram() const;
    void setCheckProgram(const QString& program);

    // Sizes and moves it beside the calculator where the screen has room, else on the other
    // side, and always within the screen's free area.
    void placeBeside(const QWidget& calculator);

    // Checks a file as if it had been dropped; of several, the first, and says so.
    void checkFile(const QString& path);
    void checkFiles(const QStringList& paths);

    // The results listed, in the order of the text.
    const std::vector<CheckedLine>& lines() const { return m_lines; }

signals:
    // The list shows the results of the latest text or file, or why there are none.
    void checked();
    // A chosen line's figures for the calculator's sets, box by box.
    void setsChosen(const QList<QPair<lx::Box, QString>>& boxes);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct Outcome {
        std::vector<CheckedLine> lines;
        QString problem; // why there are no lines
    };
    void scheduleTextCheck();
    void checkTypedText();
    void readFile(const QString& path);
    void runAside(std::function<Outcome()> work, const QString& source);
    void showOutcome(const Outcome& outcome, const QString& source);
    void choose(QTreeWidgetItem* item);
    static QString placeOf(const CheckedLine& line);
    void startRun();
    void judgeAgain();

    TextDropEdit* txtText;
    QLabel* lblFound;
    QTreeWidget* lstResults;
    QLabel* lblChosen;
    AlphaBox* cboAlpha;
    QString m_lastFile; // the file the list shows, read again when the level changes
    QTimer* m_typing;
    CheckProcess* m_process;
    std::vector<CheckedLine> m_lines;
    QString m_fileRead; // the name of the file lxtervan-check reads
    QString m_note;     // said with the results: files given but not read
    int m_run = 0;      // the latest check; results of an earlier one are dropped
};

} // namespace lx
