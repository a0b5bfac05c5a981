// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "last_calculation.h"
#include "pane.h"
#include "stats/two_sample_report.h"

#include <QLocale>

#include <array>
#include <limits>

class QTableWidget;

namespace lx {

class LxButton;
class LxPanel;

// The details area under the calculator's buttons: a caption line "Details"
// with a Copy button, then a read-only table of the full two-sample report,
// Student's test in one column and Welch's in the other.
class DetailsView : public Pane {
    Q_OBJECT
public:
    // Lays itself out for the form's client width and font, under the calculator's design
    // height.
    DetailsView(float clientWidth, int top, const QFont& font, LastCalculation& calculation,
                QWidget* parent);

    window_layout::PaneSpace space() const override;
    void placeAt(const QRect& place) override;
    // The whole report, the posterior and the robustness of BF10 among it.
    void showCalculation(LastCalculation& calculation) override;
    // The height follows the rows shown: the whole-number row only when it can be tested.
    void showReport(const TwoSampleReport& report, const QLocale& locale);
    // Empties every cell; the row and column names stay.
    void clear() override;
    // The results on the clipboard, as Ctrl+Shift+C anywhere in the window puts them.
    void copy() override;
    void placeInTabOrderAfter(QWidget& before) override;
    // The arrow keys do not move through the table, as in the calculator's boxes.
    bool takesItsOwnKeys() const override { return false; }

    // The size at which every row shows and no cell is clipped; at most maxHeight high, and
    // then wide enough for the table's scroll bar as well.
    QSize neededSize(int maxHeight = std::numeric_limits<int>::max()) const;
    // Lays the area out at this size; the table scrolls where it is smaller than needed.
    void fitTo(const QSize& size);

    QWidget& table() const;
    LxButton& copyButton() const { return *cmdCopy; }

protected:
    void staleChanged(bool stale) override;

private:
    void updateCopy();
    void setCell(int row, int column, const QString& text);
    bool spanned(int row) const;
    // What each column needs for its header and its cells, a row spanning both included.
    std::array<int, 2> columnWidths() const;
    int tableWidth(const std::array<int, 2>& columns) const;
    int fullTableHeight() const;
    void showWholeNumberMeans(const TwoSampleReport& report);

    LxPanel* panDetails;
    LxButton* cmdCopy;
    QTableWidget* grdDetails;
    LastCalculation& m_calculation;
    int m_top = 0;
};

// The last calculation's results on the clipboard, ready to paste: the reporting lines and the
// table with every figure (report_text::clipboardText).
void copyResults(LastCalculation& calculation);

} // namespace lx
