// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shard.h"

#include <QByteArray>
#include <QStringList>

namespace lx::check {

namespace {

std::optional<std::uint32_t> wholeNumber(QStringView text) {
    if (text.isEmpty() || text.size() > 7) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint32_t>(c.unicode() - u'0');
    }
    return value;
}

} // namespace

std::optional<Shard> parseShard(QStringView text) {
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0) {
        return std::nullopt;
    }
    const auto index = wholeNumber(text.left(slash).trimmed());
    const auto count = wholeNumber(text.mid(slash + 1).trimmed());
    if (!index || !count || *index < 1 || *index > *count || *count > maxShards) {
        return std::nullopt;
    }
    return Shard{*index, *count};
}

QString shardText(const Shard& shard) {
    return QStringLiteral("%1/%2").arg(shard.index).arg(shard.count);
}

std::uint64_t pathHash(const QString& path) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : path.toUtf8()) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

bool inShard(const QString& path, const Shard& shard) {
    return pathHash(path) % shard.count == shard.index - 1;
}

std::vector<std::size_t> keepShard(std::vector<Source>& sources,
                                   const std::optional<Shard>& shard) {
    std::vector<std::size_t> positions;
    std::vector<Source> kept;
    for (std::size_t k = 0; k < sources.size(); ++k) {
        if (!shard || inShard(sources[k].name, *shard)) {
            positions.push_back(k);
            kept.push_back(std::move(sources[k]));
        }
    }
    sources = std::move(kept);
    return positions;
}

} // namespace lx::check
