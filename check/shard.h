// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "source_files.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

namespace lx::check {

// The K-th of N shares of a run's inputs (1 <= K <= N).
struct Shard {
    std::uint32_t index = 1;
    std::uint32_t count = 1;
};

// The largest N of --shard K/N.
constexpr std::uint32_t maxShards = 1000000;

// "K/N" as a shard, or nothing when it is not two whole numbers with 1 <= K <= N <= maxShards.
std::optional<Shard> parseShard(QStringView text);

// "K/N".
QString shardText(const Shard& shard);

// FNV-1a, 64 bits, of the path's UTF-8 bytes, as the input is named or found in a folder. It
// is the same on every machine and in every build, so that every task of a cluster job agrees
// on the shares.
std::uint64_t pathHash(const QString& path);

// Whether the input of this path is in the share: its hash modulo N is K - 1.
bool inShard(const QString& path, const Shard& shard);

// Keeps those of the sources that are in the share, in order; returns the position each kept
// one had among all of them, which is where its rows stand in a run over every input.
std::vector<std::size_t> keepShard(std::vector<Source>& sources, const std::optional<Shard>& shard);

} // namespace lx::check
