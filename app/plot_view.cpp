// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot_view.h"

#include "controls/button/lx_button.h"
#include "controls/panel/lx_panel.h"
#include "pane_caption.h"
#include "platform/error_guard.h"
#include "platform/twips.h"
#include "plot_canvas.h"
#include "window_settings.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QStandardPaths>

namespace lx {

namespace {

// Twips, as the form's own sizes: room for the difference plot's two axes and their labels.
constexpr float PreferredWidth = 5700;
constexpr float PreferredHeight = 4800;

const QString PictureKey = QStringLiteral("Picture");
const QString PictureFolderKey = QStringLiteral("PictureFolder");

} // namespace

PlotView::PlotView(const QFont& font, LastCalculation& calculation, WindowSettings& settings,
                   QWidget* parent)
    : Pane(parent)
    , m_calculation(calculation)
    , m_settings(settings) {
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
    connect(cmdSavePicture, &LxButton::Click, this, [this] { guarded([this] { savePicture(); }); });

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
    // The picture the user chose last; a key from another version reads as nothing.
    if (const auto kind =
            plot_pictures::fromKey(m_settings.value(PictureKey, plot_pictures::key(m_kind)))) {
        setKind(*kind);
    }
    connect(this, &PlotView::kindChanged, this, [this](plot_pictures::Kind kind) {
        m_settings.setValue(PictureKey, plot_pictures::key(kind));
    });
}

window_layout::PaneSpace PlotView::space() const {
    window_layout::PaneSpace space;
    space.placement = window_layout::Placement::Beside;
    space.sizeFor = [this](const QSize&) { return preferredSize(); };
    space.minimumHeight = minimumSizeHint().height();
    return space;
}

void PlotView::placeInTabOrderAfter(QWidget& before) {
    setTabOrder(&before, &firstControl());
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

void PlotView::showCalculation(LastCalculation& calculation) {
    m_showing = calculation.has();
    draw();
}

void PlotView::clear() {
    m_showing = false;
    draw();
}

void PlotView::staleChanged(bool stale) {
    // The picture greys itself: its colours gone, half its contrast.
    picPlot->setStale(stale);
    pane_caption::setButtonEnabled(*cmdCopyPicture, !stale);
}

void PlotView::copy() {
    if (isStale()) {
        return;
    }
    if (!isVisibleTo(parentWidget())) {
        resize(preferredSize());
        showCalculation(m_calculation);
    }
    if (hasPicture()) {
        QGuiApplication::clipboard()->setImage(image());
    }
}

void PlotView::savePicture() {
    if (!hasPicture()) {
        return;
    }
    const QString screenPng = tr("PNG image, screen resolution (*.png)");
    const QString printPng = tr("PNG image, 300 dpi (*.png)");
    const QString svg = tr("SVG drawing (*.svg)");
    const QString pdf = tr("PDF document (*.pdf)");
    const QString folder = m_settings.value(
        PictureFolderKey, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    QString chosen = screenPng;
    QString path = QFileDialog::getSaveFileName(
        this, tr("Save picture"),
        QDir(folder).filePath(plot_pictures::key(m_kind) + QStringLiteral(".png")),
        QStringList{screenPng, printPng, svg, pdf}.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty()) {
        return;
    }
    // The format is the one chosen; a name typed without its suffix gets it.
    const QString suffix = chosen == svg   ? QStringLiteral("svg")
                           : chosen == pdf ? QStringLiteral("pdf")
                                           : QStringLiteral("png");
    if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0) {
        path += u'.' + suffix;
    }
    QString error;
    if (!save(path, chosen == printPng ? 300 : 96, error)) {
        emit failed(error, tr("Save picture"));
        return;
    }
    m_settings.setValue(PictureFolderKey, QFileInfo(path).absolutePath());
}

void PlotView::setPlan(const std::optional<planning::Plan>& plan) {
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

} // namespace lx
