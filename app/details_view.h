// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/two_sample_report.h"

#include <QLocale>
#include <QWidget>

#include <array>
#include <limits>

class QTableWidget;

namespace lx {

class LxButton;
class LxPanel;

// The details area under the calculator's buttons: a caption line "Details"
// with a Copy button, then a read-only table of the full two-sample report,
// Student's test in one column and Welch's in the other.
class DetailsView : public QWidget {
    Q_OBJECT
public:
    // Lays itself out for the form's client width and font.
    DetailsView(float clientWidth, const QFont& font, QWidget* parent);

    // The height follows the rows shown: the whole-number row only when it can be tested.
    void showReport(const TwoSampleReport& report, const QLocale& locale);
    // Empties every cell; the row and column names stay.
    void clear();
    // Figures that no longer belong to the input look out of date.
    void setStale(bool stale);

    // The Copy button works only when there is something to copy.
    void setCopyEnabled(bool enabled);

    // The size at which every row shows and no cell is clipped; at most maxHeight high, and
    // then wide enough for the table's scroll bar as well.
    QSize neededSize(int maxHeight = std::numeric_limits<int>::max()) const;
    // Lays the area out at this size; the table scrolls where it is smaller than needed.
    void fitTo(const QSize& size);

    QWidget& table() const;
    LxButton& copyButton() const { return *cmdCopy; }

signals:
    void copyClicked();

private:
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
};

} // namespace lx
