// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_layout.h"

#include <algorithm>

namespace lx::window_layout {

namespace {

// The height that the panes below after `index` keep for themselves.
int heightKeptAfter(const Input& input, std::size_t index, const QSize& room) {
    int kept = 0;
    for (std::size_t k = index + 1; k < input.panes.size(); ++k) {
        const PaneSpace& pane = input.panes[k];
        if (pane.placement == Placement::Below && !pane.stretches) {
            kept += pane.sizeFor(room).height();
        }
    }
    return kept;
}

QRect placeBelow(const Input& input, std::size_t index, const QSize& room, QSize& client) {
    const PaneSpace& pane = input.panes[index];
    if (!pane.stretches) {
        const QSize size = pane.sizeFor(room);
        const QRect place(QPoint(0, client.height()), size);
        client = QSize(std::max(client.width(), size.width()), client.height() + size.height());
        return place;
    }
    const QSize bound(room.width(), room.height() - heightKeptAfter(input, index, room));
    const QSize needed = pane.sizeFor(QSize(room.width(), bound.height() - client.height()));
    const QSize grown =
        QSize(std::max(client.width(), needed.width()), client.height() + needed.height())
            .boundedTo(bound)
            .expandedTo(client);
    const QRect place(0, client.height(), grown.width(), grown.height() - client.height());
    client = grown;
    return place;
}

// As high as the rest or its own preferred height, beside it; where the screen is too narrow
// for that, under it.
QRect placeBeside(const PaneSpace& pane, const QSize& room, QSize& client) {
    const QSize preferred = pane.sizeFor(room);
    if (client.width() + preferred.width() <= room.width()) {
        const int height = std::min(std::max(client.height(), preferred.height()), room.height());
        const QRect place(client.width(), 0, preferred.width(), height);
        client = QSize(client.width() + preferred.width(), std::max(client.height(), height));
        return place;
    }
    const int height =
        std::max(pane.minimumHeight, std::min(preferred.height(), room.height() - client.height()));
    const QRect place(0, client.height(), client.width(), height);
    client.rheight() += height;
    return place;
}

} // namespace

Result layOut(const Input& input) {
    const QSize room = input.available.size() - input.frame;
    Result result;
    result.client = input.design;
    result.panes.resize(input.panes.size());
    for (const Placement placement : {Placement::Below, Placement::Beside}) {
        for (std::size_t k = 0; k < input.panes.size(); ++k) {
            if (input.panes[k].placement != placement) {
                continue;
            }
            result.panes[k] = placement == Placement::Below
                                  ? placeBelow(input, k, room, result.client)
                                  : placeBeside(input.panes[k], room, result.client);
        }
    }
    if (input.frameTopLeft) {
        const QRect outer(*input.frameTopLeft, result.client + input.frame);
        const QRect kept = keptOnScreen(outer, input.available);
        if (kept.topLeft() != outer.topLeft()) {
            result.moveTo = kept.topLeft();
        }
    }
    return result;
}

QRect keptOnScreen(QRect outer, const QRect& available) {
    outer.moveRight(std::min(outer.right(), available.right()));
    outer.moveBottom(std::min(outer.bottom(), available.bottom()));
    outer.moveLeft(std::max(outer.left(), available.left()));
    outer.moveTop(std::max(outer.top(), available.top()));
    return outer;
}

} // namespace lx::window_layout
