// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/vector_registers.h"

#include <QHash>
#include <QString>
#include <QTest>

#if defined(__x86_64__) && defined(__GNUC__)
namespace {

// A 256-bit operation left as Qt's string hash leaves one. (Compiled code would end with
// VZEROUPPER itself.)
void useUpperHalves() {
    asm volatile("vpcmpeqd %%ymm0, %%ymm0, %%ymm0" ::: "xmm0");
}

} // namespace
#endif

class TestVectorRegisters : public QObject {
    Q_OBJECT
private slots:
    // Where the processor cannot report the state, both calls still run and report nothing.
    void clearingMarksTheUpperHalvesUnused() {
        lx::clearVectorUpperHalves();
        QVERIFY(!lx::vectorUpperHalvesInUse());
#if defined(__x86_64__) && defined(__GNUC__)
        if (__builtin_cpu_supports("avx")) {
            useUpperHalves();
            const bool marked = lx::vectorUpperHalvesInUse();
            lx::clearVectorUpperHalves();
            QVERIFY(!lx::vectorUpperHalvesInUse());
            if (!marked) {
                QSKIP("this processor does not report the registers' state in use");
            }
        }
#endif
    }

    // The reason for the call: after hashing a string (with a seed, as QHash does), Qt may
    // leave the upper halves in use (its 256-bit AES hash does, on processors that have one).
    void hashingAStringIsCleared() {
        lx::clearVectorUpperHalves();
        const QString key = QString(200, QLatin1Char('k'));
        volatile std::size_t hash = qHash(key, 1);
        Q_UNUSED(hash);
        const bool leftInUse = lx::vectorUpperHalvesInUse();
        lx::clearVectorUpperHalves();
        QVERIFY(!lx::vectorUpperHalvesInUse());
        if (!leftInUse) {
            QSKIP("Qt's hash leaves the registers clean on this processor");
        }
    }
};

QTEST_APPLESS_MAIN(TestVectorRegisters)
#include "test_vector_registers.moc"
