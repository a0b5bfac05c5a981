// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFont;
class QWidget;

namespace lx {

class LxButton;
class LxPanel;

// The caption strip that heads each pane of the calculator (Details, Planning, Plot): an etched
// panel with the pane's name on the left and a Copy button lined up with the menu strip's
// "On top". Its sizes are twips, as a form file would give them.
namespace pane_caption {

constexpr float Height = 360;
constexpr float Margin = 90;
constexpr float CopyRightEdge = 4920;   // lines up with the menu strip's "On top"
constexpr float CopyClientWidth = 4980; // the client width CopyRightEdge belongs to

// The strip across the top of its pane (parent): it follows the pane's width, and keeps the
// buttons made in it at its right end, the first made rightmost, Copy lined up with "On top".
LxPanel* newPanel(const QString& objectName, const QString& caption, const QFont& font,
                  QWidget* parent);
// A button of the caption strip with its picture, its right end at CopyRightEdge.
LxButton* newCaptionButton(const QString& objectName, const QString& caption,
                           const QString& toolTip, const QString& picture, const QFont& font,
                           QWidget* parent);
LxButton* newCopyButton(const QString& objectName, const QString& caption, const QString& toolTip,
                        const QFont& font, QWidget* parent);
// A caption button that can be pressed only when there is something for it: greyed otherwise.
void setButtonEnabled(LxButton& button, bool enabled);

} // namespace pane_caption

} // namespace lx
