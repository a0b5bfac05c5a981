#include "details_view.h"

#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "platform/ole_color.h"
#include "platform/twips.h"
#include "report_text.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

namespace lx {

namespace {

// Twips, as the form file would give them.
constexpr float CaptionHeight = 360;
constexpr float Margin = 90;
constexpr float CopyWidth = 900;
constexpr float CopyHeight = 300;
constexpr int CopyPictureAndMargins = 36; // pixels
constexpr float CopyRightEdge = 4920;     // lines up with the menu strip's "On top"
constexpr short CaptionMiddleLeft = 3;
constexpr OleColor GreyText = ole_color::SystemFlag + 17;

LxButton* newCopyButton(const QFont& font, QWidget* parent) {
    auto* button = new LxButton(parent);
    button->setObjectName(QStringLiteral("cmdCopy"));
    button->setFont(font);
    button->setFontSelected(font);
    button->setFontPressed(font);
    button->setForeColor(ole_color::WindowText);
    button->setMouseIcon(QPixmap(QStringLiteral(":/images/pointer.png")));
    button->setMousePointer(99);
    button->setPicture(QPixmap(QStringLiteral(":/images/copy.png")));
    button->setCaption(DetailsView::tr("Copy"));
    button->setToolTipText(DetailsView::tr("Copy the results for pasting (Ctrl+Shift+C)"));
    // Wide enough for the caption in every language: the picture, the text and their margins.
    const float width = std::max(
        CopyWidth, twips::fromPixels(QFontMetrics(font).horizontalAdvance(button->Caption()) +
                                     CopyPictureAndMargins));
    button->Move(CopyRightEdge - width, (CaptionHeight - CopyHeight) / 2, width, CopyHeight);
    return button;
}

QTableWidget* newTable(const std::vector<report_text::Row>& rows, const QFont& font,
                       QWidget* parent) {
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 2, parent);
    table->setObjectName(QStringLiteral("grdDetails"));
    table->setAccessibleName(DetailsView::tr("Details"));
    table->setFont(font);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setFocusPolicy(Qt::StrongFocus);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setFixedHeight(rowHeight + 2);
    for (int row = 0; row < table->rowCount(); ++row) {
        if (rows[static_cast<std::size_t>(row)].spans()) {
            table->setSpan(row, 0, 1, 2);
        }
    }
    return table;
}

} // namespace

DetailsView::DetailsView(float clientWidth, const QFont& font, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("DetailsView"));
    panDetails = new LxPanel(this);
    panDetails->setObjectName(QStringLiteral("panDetails"));
    panDetails->Move(0, 0, clientWidth, CaptionHeight);
    panDetails->setFont(font);
    panDetails->setCaption(tr("Details"));
    panDetails->setAlignment(CaptionMiddleLeft);
    cmdCopy = newCopyButton(font, panDetails);
    connect(cmdCopy, &LxButton::Click, this, &DetailsView::copyClicked);

    // The names only matter for the layout here; every report has the same rows.
    grdDetails = newTable(report_text::rows(TwoSampleReport{}), font, this);
    // Shown only for means the granularity test can judge.
    const int wholeRow = grdDetails->rowCount();
    grdDetails->insertRow(wholeRow);
    auto* name = new QTableWidgetItem(tr("Mean possible for whole-number data"));
    const QString why =
        tr("Whether each typed mean can be the mean of N whole numbers, such as "
           "answers on a rating scale: first set / second set (one item per observation assumed)");
    name->setToolTip(why);
    name->setData(Qt::AccessibleDescriptionRole, why);
    grdDetails->setVerticalHeaderItem(wholeRow, name);
    grdDetails->setSpan(wholeRow, 0, 1, 2);
    grdDetails->setRowHidden(wholeRow, true);
    grdDetails->ensurePolished(); // the style decides the frame
    const QRect captionLine = twips::toPixels(QRectF(0, 0, clientWidth, CaptionHeight));
    const int margin = twips::toPixels(Margin);
    grdDetails->setGeometry(margin, captionLine.bottom() + 1 + margin / 2,
                            captionLine.width() - 2 * margin, 0);
    resize(captionLine.width(), 0);
    fitHeight();
    clear();
}

void DetailsView::fitHeight() {
    const int margin = twips::toPixels(Margin);
    const int tableHeight = grdDetails->horizontalHeader()->height() +
                            grdDetails->verticalHeader()->length() + 2 * grdDetails->frameWidth();
    grdDetails->resize(grdDetails->width(), tableHeight);
    resize(width(), grdDetails->geometry().bottom() + 1 + margin);
}

void DetailsView::showWholeNumberMeans(const TwoSampleReport& report) {
    const int row = grdDetails->rowCount() - 1;
    const bool testable = report.wholeNumberMean1 || report.wholeNumberMean2;
    const auto word = [](const Figure<bool>& possible) {
        return possible ? (*possible ? tr("yes") : tr("no")) : report_text::undefinedText();
    };
    setCell(row, 0,
            testable
                ? tr("%1 / %2").arg(word(report.wholeNumberMean1), word(report.wholeNumberMean2))
                : QString());
    if (testable == grdDetails->isRowHidden(row)) {
        grdDetails->setRowHidden(row, !testable);
        fitHeight();
    }
}

void DetailsView::showReport(const TwoSampleReport& report, const QLocale& locale) {
    const std::vector<report_text::Row> rows = report_text::rows(report);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const report_text::Row& r = rows[static_cast<std::size_t>(row)];
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
}

void DetailsView::setCopyEnabled(bool enabled) {
    cmdCopy->setEnabled(enabled);
    cmdCopy->setForeColor(enabled ? ole_color::WindowText : GreyText);
    cmdCopy->Refresh();
}

QWidget& DetailsView::table() const {
    return *grdDetails;
}

void DetailsView::setCell(int row, int column, const QString& text) {
    const bool spanned = grdDetails->columnSpan(row, 0) > 1;
    if (spanned && column > 0) {
        return; // hidden under the first cell
    }
    QTableWidgetItem* item = grdDetails->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
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
