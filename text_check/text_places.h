// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include <QString>

#include <vector>

// Where things stand in a text: its lines, the blank lines that end its paragraphs, and its
// pages (each ended by a form feed, as the PDF reader writes them).
namespace lx::text_check {

std::vector<qsizetype> lineStarts(const QString& text);
std::vector<qsizetype> paragraphBreaks(const QString& text);
// None in a text without form feeds.
std::vector<qsizetype> pageStarts(const QString& text);

// The page and the line on it of a position, into result; page 0 in a text without pages.
void placeOf(const std::vector<qsizetype>& lines, const std::vector<qsizetype>& pages,
             qsizetype position, FoundResult& result);

} // namespace lx::text_check
