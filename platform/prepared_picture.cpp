// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "prepared_picture.h"

#include <QPixmapCache>
#include <QResource>

#include <cstring>

namespace lx::prepared_picture {

namespace {

// "LXP" and a format version: a picture prepared by another version is not read.
constexpr char Magic[4] = {'L', 'X', 'P', '1'};

struct Header {
    char magic[4];
    quint32 width;
    quint32 height;
    quint32 format;
    quint32 bytesPerLine;
};

bool readable(QImage::Format format) {
    return format == QImage::Format_ARGB32_Premultiplied || format == QImage::Format_RGB32;
}

} // namespace

QString resourcePath(const QString& pictureResource) {
    return QStringLiteral(":/prepared/") +
           pictureResource.mid(pictureResource.startsWith(u":/") ? 2 : 1) +
           QStringLiteral(".pixels");
}

QImage screenForm(const QImage& picture) {
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
}

QByteArray encode(const QImage& picture) {
    const QImage pixels = screenForm(picture);
    Header header{};
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.width = static_cast<quint32>(pixels.width());
    header.height = static_cast<quint32>(pixels.height());
    header.format = static_cast<quint32>(pixels.format());
    header.bytesPerLine = static_cast<quint32>(pixels.bytesPerLine());
    QByteArray data(reinterpret_cast<const char*>(&header), sizeof header);
    data.append(reinterpret_cast<const char*>(pixels.constBits()),
                static_cast<qsizetype>(pixels.sizeInBytes()));
    return data;
}

std::optional<QImage> decode(const QByteArray& data) {
    Header header{};
    if (data.size() < static_cast<qsizetype>(sizeof header)) {
        return std::nullopt;
    }
    std::memcpy(&header, data.constData(), sizeof header);
    const auto format = static_cast<QImage::Format>(header.format);
    const qint64 pixelBytes = qint64{header.bytesPerLine} * header.height;
    if (std::memcmp(header.magic, Magic, sizeof Magic) != 0 || !readable(format) ||
        header.width == 0 || header.height == 0 || header.width > 4096 || header.height > 4096 ||
        header.bytesPerLine < header.width * 4 ||
        data.size() - static_cast<qsizetype>(sizeof header) != pixelBytes) {
        return std::nullopt;
    }
    QImage picture(static_cast<int>(header.width), static_cast<int>(header.height), format);
    if (picture.isNull() || picture.bytesPerLine() != static_cast<qsizetype>(header.bytesPerLine)) {
        return std::nullopt;
    }
    std::memcpy(picture.bits(), data.constData() + sizeof header,
                static_cast<std::size_t>(pixelBytes));
    return picture;
}

std::optional<QImage> load(const QString& pictureResource) {
    const QResource resource(resourcePath(pictureResource));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        return std::nullopt;
    }
    return decode(QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                          static_cast<qsizetype>(resource.size())));
}

QPixmap builtIn(const QString& pictureResource) {
    QPixmap pixmap;
    const QString key = QStringLiteral("lx-built-in:") + pictureResource;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    if (const auto prepared = load(pictureResource)) {
        pixmap = QPixmap::fromImage(*prepared);
    } else if (!pixmap.load(pictureResource)) {
        return QPixmap();
    }
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace lx::prepared_picture
