// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

class QKeyEvent;

// Key codes and shift masks as form key handlers see them: digits 48..57,
// letters 65..90, F1 112, Esc 27, numeric keypad digits 96..105.
namespace lx::key_codes {

inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Delete = 46;
inline constexpr int F1 = 112;
inline constexpr int F5 = 116;
inline constexpr int F6 = 117;
inline constexpr int F7 = 118;
inline constexpr int F8 = 119;

inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

// The key code of a key event, 0 for keys that have none.
int fromEvent(const QKeyEvent& event);

// The Shift/Ctrl/Alt mask of a key event.
int shiftState(const QKeyEvent& event);

} // namespace lx::key_codes
