// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "vector_registers.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <cpuid.h>
#include <immintrin.h>

namespace lx {

namespace {

// GCC's check includes the system's support for the registers' state, as VZEROUPPER needs.
bool hasAvx() {
    static const bool avx = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    return avx;
}

// XGETBV with ECX = 1 reports the state components in use (CPUID leaf 0Dh, sub-leaf 1, EAX bit
// 2); bit 2 of its answer is the upper halves of YMM0-15.
bool canReadStateInUse() {
    static const bool can = [] {
        unsigned eax = 0;
        unsigned ebx = 0;
        unsigned ecx = 0;
        unsigned edx = 0;
        return hasAvx() && __get_cpuid_count(0x0d, 1, &eax, &ebx, &ecx, &edx) != 0 &&
               (eax & (1u << 2)) != 0;
    }();
    return can;
}

__attribute__((target("avx"))) void zeroUpper() {
    _mm256_zeroupper();
}

__attribute__((target("xsave"))) unsigned long long stateInUse() {
    return _xgetbv(1);
}

} // namespace

void clearVectorUpperHalves() {
    if (hasAvx()) {
        zeroUpper();
    }
}

bool vectorUpperHalvesInUse() {
    return canReadStateInUse() && (stateInUse() & 0x4) != 0;
}

} // namespace lx

#else

namespace lx {

void clearVectorUpperHalves() {}

bool vectorUpperHalvesInUse() {
    return false;
}

} // namespace lx

#endif
