// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "details_view.h"

#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "pane_caption.h"
#include "platform/ole_color.h"
#include "platform/twips.h"
#include "report_text.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace lx {

namespace {

QTableWidget* newTable(const std::vector<report_text::Row>& rows, const QFont& font,
                       QWidget* parent) {
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 2, parent);
    table->setObjectName(QStringLiteral("grdDetails"));
    table->setAccessibleName(DetailsView::tr("Details"));
    table->setFont(font);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setFocusPolicy(Qt::StrongFocus);
    table->setHorizontalHeaderLabels({report_text::studentHeader(), report_text::welchHeader()});
    QStringList names;
    for (const report_text::Row& row : rows) {
        names.append(row.name);
    }
    table->setVerticalHeaderLabels(names);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString& description = rows[static_cast<std::size_t>(row)].description;
        if (!description.isEmpty()) {
            table->verticalHeaderItem(row)->setToolTip(description);
            table->verticalHeaderItem(row)->setData(Qt::AccessibleDescriptionRole, description);
        }
    }
    const int rowHeight = table->fontMetrics().height() + 3;
    for (QHeaderView* header : {table->horizontalHeader(), table->verticalHeader()}) {
        header->setFont(font);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
    }
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The style's minimum would otherwise win over a compact row.
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Scroll bars only where the screen leaves less room than the figures need.
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->horizontalHeader()->setFixedHeight(rowHeight + 2);
    for (int row = 0; row < table->rowCount(); ++row) {
        if (rows[static_cast<std::size_t>(row)].spans()) {
            table->setSpan(row, 0, 1, 2);
        }
    }
    return table;
}

} // namespace

DetailsView::DetailsView(float clientWidth, int top, const QFont& font,
                         LastCalculation& calculation, QWidget* parent)
    : Pane(parent)
    , m_calculation(calculation)
    , m_top(top) {
    setObjectName(QStringLiteral("DetailsView"));
    panDetails = pane_caption::newPanel(QStringLiteral("panDetails"), tr("Details"), font, this);
    cmdCopy = pane_caption::newCopyButton(QStringLiteral("cmdCopy"), tr("Copy"),
                                          tr("Copy the results for pasting (Ctrl+Shift+C)"), font,
                                          panDetails);
    connect(cmdCopy, &LxButton::Click, this, &DetailsView::copyClicked);

    // The names only matter for the layout here; every report has the same rows.
    grdDetails = newTable(report_text::rows(TwoSampleReport{}, QLocale()), font, this);
    // Shown only for means the granularity test can judge.
    const int wholeRow = grdDetails->rowCount();
    grdDetails->insertRow(wholeRow);
    auto* name = new QTableWidgetItem(report_text::wholeNumberMeansName());
    const QString why = report_text::wholeNumberMeansDescription();
    name->setToolTip(why);
    name->setData(Qt::AccessibleDescriptionRole, why);
    grdDetails->setVerticalHeaderItem(wholeRow, name);
    grdDetails->setSpan(wholeRow, 0, 1, 2);
    grdDetails->setRowHidden(wholeRow, true);
    grdDetails->ensurePolished(); // the style decides the frame
    setFigureWidgets({grdDetails});
    clear();
    move(0, m_top);
    fitTo(QSize(twips::toPixels(QRectF(0, 0, clientWidth, pane_caption::Height)).width(),
                neededSize().height()));
}

window_layout::PaneSpace DetailsView::space() const {
    window_layout::PaneSpace space;
    space.stretches = true;
    space.sizeFor = [this](const QSize& room) { return neededSize(room.height()); };
    return space;
}

void DetailsView::placeAt(const QRect& place) {
    move(place.topLeft());
    fitTo(place.size());
}

void DetailsView::showCalculation(LastCalculation& calculation) {
    showReport(calculation.report(LastCalculation::Parts::WithBayesDetails), QLocale());
    updateCopy();
}

void DetailsView::copy() {
    if (m_calculation.has() && !isStale()) {
        copyResults(m_calculation);
    }
}

void DetailsView::placeInTabOrderAfter(QWidget& before) {
    // The details come last in the tab order, after the switch that shows them.
    QWidget::setTabOrder(&before, grdDetails);
    QWidget::setTabOrder(grdDetails, cmdCopy->findChild<QWidget*>(QStringLiteral("picButton")));
}

void DetailsView::staleChanged(bool /*stale*/) {
    updateCopy();
}

void DetailsView::updateCopy() {
    pane_caption::setButtonEnabled(*cmdCopy, m_calculation.has() && !isStale());
}

void copyResults(LastCalculation& calculation) {
    QGuiApplication::clipboard()->setText(report_text::clipboardText(
        calculation.report(LastCalculation::Parts::WithBayesDetails), QLocale()));
}

void DetailsView::showWholeNumberMeans(const TwoSampleReport& report) {
    const int row = grdDetails->rowCount() - 1;
    const QString means = report_text::wholeNumberMeansText(report);
    setCell(row, 0, means);
    // The window fits itself to the rows shown after every report.
    grdDetails->setRowHidden(row, means.isEmpty());
}

void DetailsView::showReport(const TwoSampleReport& report, const QLocale& locale) {
    const std::vector<report_text::Row> rows = report_text::rows(report, locale);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const report_text::Row& r = rows[static_cast<std::size_t>(row)];
        // The one-sided Bayes factor's name follows the sign of the difference.
        grdDetails->verticalHeaderItem(row)->setText(r.name);
        setCell(row, 0, report_text::cellText(r.student, r.kind, locale));
        setCell(row, 1, report_text::cellText(r.welch, r.welchKind(), locale));
    }
    showWholeNumberMeans(report);
}

void DetailsView::clear() {
    for (int row = 0; row < grdDetails->rowCount(); ++row) {
        setCell(row, 0, QString());
        setCell(row, 1, QString());
    }
    showWholeNumberMeans(TwoSampleReport{});
    updateCopy();
}

QSize DetailsView::neededSize(int maxHeight) const {
    const int margin = twips::toPixels(pane_caption::Margin);
    const int captionLine = twips::toPixels(pane_caption::Height);
    const QSize full(tableWidth(columnWidths()) + 2 * margin,
                     captionLine + margin / 2 + fullTableHeight() + margin);
    if (full.height() <= maxHeight) {
        return full;
    }
    // Lower than the rows need: the table scrolls, and its scroll bar takes width too.
    return {full.width() + grdDetails->style()->pixelMetric(QStyle::PM_ScrollBarExtent), maxHeight};
}

void DetailsView::fitTo(const QSize& size) {
    const int margin = twips::toPixels(pane_caption::Margin);
    const int captionLine = twips::toPixels(pane_caption::Height);
    resize(size);
    const int top = captionLine + margin / 2;
    const int height = std::max(0, std::min(fullTableHeight(), size.height() - top - margin));
    grdDetails->setGeometry(margin, top, size.width() - 2 * margin, height);

    // The columns share what is left over the width they need.
    std::array<int, 2> columns = columnWidths();
    const int scrollBar = height < fullTableHeight()
                              ? grdDetails->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                              : 0;
    const int spare = grdDetails->width() - scrollBar - tableWidth(columns);
    if (spare > 0) {
        columns[0] += spare / 2;
        columns[1] += spare - spare / 2;
    }
    for (int column = 0; column < 2; ++column) {
        grdDetails->horizontalHeader()->resizeSection(column, columns[column]);
    }
}

QWidget& DetailsView::table() const {
    return *grdDetails;
}

bool DetailsView::spanned(int row) const {
    return grdDetails->columnSpan(row, 0) > 1;
}

std::array<int, 2> DetailsView::columnWidths() const {
    std::array<int, 2> widths{};
    int spanning = 0;
    const int gridLine = grdDetails->showGrid() ? 1 : 0;
    for (int column = 0; column < 2; ++column) {
        widths[column] = grdDetails->horizontalHeader()->sectionSizeHint(column);
    }
    for (int row = 0; row < grdDetails->rowCount(); ++row) {
        for (int column = 0; column < (spanned(row) ? 1 : 2); ++column) {
            const int needed =
                grdDetails->sizeHintForIndex(grdDetails->model()->index(row, column)).width() +
                gridLine;
            int& width = spanned(row) ? spanning : widths[column];
            width = std::max(width, needed);
        }
    }
    const int missing = spanning - widths[0] - widths[1];
    if (missing > 0) {
        widths[0] += missing / 2;
        widths[1] += missing - missing / 2;
    }
    return widths;
}

int DetailsView::tableWidth(const std::array<int, 2>& columns) const {
    return 2 * grdDetails->frameWidth() + grdDetails->verticalHeader()->sizeHint().width() +
           columns[0] + columns[1];
}

int DetailsView::fullTableHeight() const {
    return grdDetails->horizontalHeader()->height() + grdDetails->verticalHeader()->length() +
           2 * grdDetails->frameWidth();
}

void DetailsView::setCell(int row, int column, const QString& text) {
    const bool spanned = this->spanned(row);
    if (spanned && column > 0) {
        return; // hidden under the first cell
    }
    QTableWidgetItem* item = grdDetails->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        // A figure of both tests stands across both columns, not under one of them.
        item->setTextAlignment((spanned ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
        grdDetails->setItem(row, column, item);
    }
    item->setText(text);
    // A screen reader reads each cell with its row and column.
    const QString where =
        grdDetails->verticalHeaderItem(row)->text() +
        (spanned ? QString()
                 : QStringLiteral(", ") + grdDetails->horizontalHeaderItem(column)->text());
    item->setData(Qt::AccessibleTextRole, where + QStringLiteral(": ") + text);
}

} // namespace lx
