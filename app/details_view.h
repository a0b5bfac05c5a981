#pragma once

#include "stats/two_sample_report.h"

#include <QLocale>
#include <QWidget>

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

    // The Copy button works only when there is something to copy.
    void setCopyEnabled(bool enabled);

    QWidget& table() const;
    LxButton& copyButton() const { return *cmdCopy; }

signals:
    void copyClicked();

private:
    void setCell(int row, int column, const QString& text);
    void showWholeNumberMeans(const TwoSampleReport& report);
    void fitHeight();

    LxPanel* panDetails;
    LxButton* cmdCopy;
    QTableWidget* grdDetails;
};

} // namespace lx
