// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_view.h"

#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "pane_caption.h"
#include "platform/twips.h"
#include "plot_canvas.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace lx {

namespace {

// Twips, as the form's own sizes: room for the difference plot's two axes and their labels.
constexpr float PreferredWidth = 5700;
constexpr float PreferredHeight = 4800;
constexpr float ButtonGap = 45;

} // namespace

PlotView::PlotView(const QFont& font, LastCalculation& calculation, QWidget* parent)
    : QWidget(parent)
    , m_calculation(calculation) {
    setObjectName(QStringLiteral("PlotView"));
    setFont(font);
    const int captionLine = twips::toPixels(pane_caption::Height);
    const int margin = twips::toPixels(pane_caption::Margin);

    panPlot = pane_caption::newPanel(QStringLiteral("panPlot"), tr("Plot"), font, this);
    cmdCopyPicture = pane_caption::newCopyButton(QStringLiteral("cmdCopyPicture"), tr("Copy"),
                                                 tr("Copy the picture for pasting (Ctrl+Shift+P)"),
                                                 font, panPlot);
    cmdSavePicture =
        pane_caption::newCaptionButton(QStringLiteral("cmdSavePicture"), tr("Save picture…"),
                                       tr("Save the picture as PNG, SVG or PDF"),
                                       QStringLiteral(":/images/save.png"), font, panPlot);
    connect(cmdCopyPicture, &LxButton::Click, this, &PlotView::copyClicked);
    connect(cmdSavePicture, &LxButton::Click, this, &PlotView::saveClicked);

    cboPicture = new QComboBox(this);
    cboPicture->setObjectName(QStringLiteral("cboPicture"));
    cboPicture->setAccessibleName(tr("Picture"));
    for (const plot_pictures::Kind kind : plot_pictures::all) {
        cboPicture->addItem(plot_pictures::name(kind));
    }
    connect(cboPicture, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(plot_pictures::all.size())) {
            setKind(plot_pictures::all[static_cast<std::size_t>(index)]);
        }
    });
    picPlot = new PlotCanvas(this);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(margin, captionLine + margin / 2, margin, margin);
    grid->setHorizontalSpacing(margin);
    grid->setVerticalSpacing(margin / 2);
    auto* label = new QLabel(tr("Picture"), this);
    label->setBuddy(cboPicture);
    grid->addWidget(label, 0, 0);
    grid->addWidget(cboPicture, 0, 1);
    grid->addWidget(picPlot, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    setLayout(grid);
    setTabOrder(cboPicture, picPlot);
    clear();
}

void PlotView::setKind(plot_pictures::Kind kind) {
    const auto index = static_cast<int>(kind);
    if (cboPicture->currentIndex() != index) {
        cboPicture->setCurrentIndex(index); // comes back here through the signal
        return;
    }
    if (kind != m_kind) {
        m_kind = kind;
        draw();
        emit kindChanged(kind);
    }
}

void PlotView::showCalculation() {
    m_showing = m_calculation.has();
    draw();
}

void PlotView::clear() {
    m_showing = false;
    draw();
}

void PlotView::setStale(bool stale) {
    picPlot->setStale(stale);
}

void PlotView::setPlan(const std::optional<PowerPlan>& plan) {
    m_plan = plan;
    if (m_kind == plot_pictures::Kind::PowerCurve) {
        draw();
    }
}

void PlotView::draw() {
    plots::PlotStyle style;
    style.font = font();
    QString why;
    if (m_kind == plot_pictures::Kind::PowerCurve) {
        auto picture = plot_pictures::powerCurve(m_plan, style, why);
        picPlot->setPicture(std::move(picture), why);
        return;
    }
    if (!m_showing || !m_calculation.has()) {
        picPlot->setPicture(std::nullopt, tr("Calculate (F5) to see the picture."));
        return;
    }
    const TwoSampleReport& report = m_calculation.report(
        plot_pictures::needsBayesDetails(m_kind) ? LastCalculation::Parts::WithBayesDetails
                                                 : LastCalculation::Parts::Tests);
    auto picture = plot_pictures::make(m_kind, m_calculation.summary(), report, style, why);
    picPlot->setPicture(std::move(picture), why);
}

QSize PlotView::preferredSize() const {
    const QSize preferred = twips::toPixels(QRectF(0, 0, PreferredWidth, PreferredHeight)).size();
    return preferred.expandedTo(minimumSizeHint());
}

bool PlotView::hasPicture() const {
    return picPlot->hasPicture();
}

QImage PlotView::image() const {
    return picPlot->image(picPlot->size(), picPlot->devicePixelRatioF());
}

bool PlotView::save(const QString& path, int dpi, QString& error) const {
    return picPlot->save(path, dpi, error);
}

QWidget& PlotView::firstControl() const {
    return *cboPicture;
}

void PlotView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutCaption();
}

// The strip spans the pane, Copy at its right end as in the other panes, Save picture… before it.
void PlotView::layOutCaption() {
    const float width = twips::fromPixels(this->width());
    panPlot->Move(0, 0, width, pane_caption::Height);
    const float right = width - (pane_caption::CopyClientWidth - pane_caption::CopyRightEdge);
    cmdCopyPicture->Move(right - cmdCopyPicture->Width(), cmdCopyPicture->Top());
    cmdSavePicture->Move(cmdCopyPicture->Left() - ButtonGap - cmdSavePicture->Width(),
                         cmdSavePicture->Top());
}

} // namespace lx
