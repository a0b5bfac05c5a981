// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "last_calculation.h"
#include "plot_pictures.h"

#include <QWidget>

#include <optional>

class QComboBox;

namespace lx {

class LxButton;
class LxPanel;
class PlotCanvas;

// The Plot pane beside the calculator: a caption strip "Plot" with Save picture… and Copy, a
// choice of picture, and the picture of the last calculation.
class PlotView : public QWidget {
    Q_OBJECT
public:
    // Draws the calculation it is given once shown; the window keeps it.
    PlotView(const QFont& font, LastCalculation& calculation, QWidget* parent);

    // Draws the window's calculation, and redraws it when another picture is chosen, until
    // clear(). Only the pictures of the posterior and the Bayes factor's robustness make the
    // calculation work those out.
    void showCalculation();
    void clear();
    void setStale(bool stale);
    // The plan the power curve draws; nothing while the planning view has none.
    void setPlan(const std::optional<PowerPlan>& plan);

    plot_pictures::Kind kind() const { return m_kind; }
    void setKind(plot_pictures::Kind kind);

    // The size it is laid out at when the window leaves it the room.
    QSize preferredSize() const;

    bool hasPicture() const;
    // The picture as it shows, at the screen's pixel ratio, for the clipboard.
    QImage image() const;
    // Writes the picture at its size on the screen; PNG at dpi (96: the screen's size).
    bool save(const QString& path, int dpi, QString& error) const;

    QWidget& firstControl() const;

signals:
    void kindChanged(lx::plot_pictures::Kind kind);
    void saveClicked();
    void copyClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void draw();
    void layOutCaption();

    LxPanel* panPlot;
    LxButton* cmdSavePicture;
    LxButton* cmdCopyPicture;
    QComboBox* cboPicture;
    PlotCanvas* picPlot;
    plot_pictures::Kind m_kind = plot_pictures::Kind::Difference;
    LastCalculation& m_calculation;
    bool m_showing = false; // of the calculation, from showCalculation() to clear()
    std::optional<PowerPlan> m_plan;
};

} // namespace lx
