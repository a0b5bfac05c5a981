// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cassert>
#include <variant>

namespace lx {

// Why a figure of a report has no value.
enum class Undefined {
    NotRequested,       // the caller did not ask for it
    NoDegreesOfFreedom, // N1 + N2 - 2 is 0
    TooFewObservations, // it needs at least two observations in each set (or df of 2)
    NoSpread,           // its standard error or pooled SD is 0
    NotFound,           // the numerical search for it did not settle (extreme inputs)
    Untestable,         // every value of the typed precision is possible
};

// A figure of a report: a value, or the reason it has none (an Undefined unless the figure's
// family has reasons of its own).
template <typename T, typename Why = Undefined> class Figure {
public:
    Figure(T value) // NOLINT(google-explicit-constructor): a value is a figure
        : m_state(value) {}
    Figure(Why why) // NOLINT(google-explicit-constructor): so is a reason
        : m_state(why) {}

    bool hasValue() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return hasValue(); }

    const T& value() const {
        assert(hasValue());
        return std::get<T>(m_state);
    }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }

    Why why() const {
        assert(!hasValue());
        return std::get<Why>(m_state);
    }

private:
    std::variant<T, Why> m_state;
};

} // namespace lx
