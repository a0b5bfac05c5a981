// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "last_calculation.h"
#include "pane.h"
#include "plot_pictures.h"

#include <optional>

class QComboBox;

namespace lx {

class LxButton;
class LxPanel;
class PlotCanvas;
class WindowSettings;

// The Plot pane beside the calculator: a caption strip "Plot" with Save picture… and Copy, a
// choice of picture (remembered), and the picture of the last calculation.
class PlotView : public Pane {
    Q_OBJECT
public:
    PlotView(const QFont& font, LastCalculation& calculation, WindowSettings& settings,
             QWidget* parent);

    window_layout::PaneSpace space() const override;
    // Draws the calculation, and redraws it when another picture is chosen, until clear(). Only
    // the pictures of the posterior and the Bayes factor's robustness make the calculation work
    // those out.
    void showCalculation(LastCalculation& calculation) override;
    void clear() override;
    // The picture on the clipboard as it shows, or as it would at its preferred size while the
    // pane is hidden; nothing while it is out of date.
    void copy() override;
    QWidget* focusOnShow() const override { return &firstControl(); }
    void placeInTabOrderAfter(QWidget& before) override;

    // Asks where to save the picture and saves it; a file that cannot be written is reported
    // through failed().
    void savePicture();

    // The plan the power curve draws; nothing while the planning view has none.
    void setPlan(const std::optional<planning::Plan>& plan);

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
    void failed(const QString& message, const QString& title);

protected:
    void staleChanged(bool stale) override;

private:
    void draw();

    LxPanel* panPlot;
    LxButton* cmdSavePicture;
    LxButton* cmdCopyPicture;
    QComboBox* cboPicture;
    PlotCanvas* picPlot;
    plot_pictures::Kind m_kind = plot_pictures::Kind::Difference;
    LastCalculation& m_calculation;
    WindowSettings& m_settings;
    bool m_showing = false; // of the calculation, from showCalculation() to clear()
    std::optional<planning::Plan> m_plan;
};

} // namespace lx
