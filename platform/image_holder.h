// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"
#include "twips.h"

#include <QPixmap>

namespace lx {

// An image control that is never shown: it holds a picture and takes the
// picture's size, in twips.
class LX_EXPORT ImageHolder {
public:
    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap& picture) { m_picture = picture; }
    bool isEmpty() const { return m_picture.isNull(); }

    float Width() const { return twips::PerPixel * static_cast<float>(size().width()); }
    float Height() const { return twips::PerPixel * static_cast<float>(size().height()); }

private:
    QSizeF size() const { return m_picture.deviceIndependentSize(); }

    QPixmap m_picture;
};

} // namespace lx
