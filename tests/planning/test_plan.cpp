// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/plan.h"
#include "planning/plan_reasons.h"
#include "planning/plan_text.h"
#include "platform/core/translations.h"
#include "tests/stats/reference_csv.h"

#include <QCoreApplication>
#include <QSet>
#include <QTest>

#include <cmath>
#include <limits>

using lx::planning::decidePlan;
using lx::planning::Missing;
using lx::planning::PlanNeeds;
using lx::planning::PlanSettings;
using lx::planning::Reason;
using lx::planning::StudyInHand;
using Problem = lx::power::Problem;

Q_DECLARE_METATYPE(std::optional<StudyInHand>)
Q_DECLARE_METATYPE(PlanSettings)
Q_DECLARE_METATYPE(Reason)

namespace {

constexpr double noNumber = std::numeric_limits<double>::quiet_NaN();

template <typename T> Reason reasonOf(const lx::planning::Decided<T>& figure) {
    return figure ? Reason{Missing::NotRequested} : figure.why();
}

QString described(const Reason& reason) {
    if (const auto* missing = std::get_if<Missing>(&reason)) {
        return QStringLiteral("missing %1").arg(static_cast<int>(*missing));
    }
    return QStringLiteral("problem %1").arg(static_cast<int>(std::get<Problem>(reason)));
}

} // namespace

// The one decision behind the planning view and the batch tool's planning columns.
class TestPlan : public QObject {
    Q_OBJECT

private slots:
    // Every figure of a plan against mpmath (tools/plan_reference).
    void matchesReference() {
        const auto rows = lx::test::readReference(QStringLiteral(PLAN_REFERENCE));
        QVERIFY(rows.size() >= 4);
        for (const auto& row : rows) {
            const auto n1 = static_cast<std::int32_t>(row.at(QStringLiteral("n1")));
            const auto n2 = static_cast<std::int32_t>(row.at(QStringLiteral("n2")));
            PlanSettings settings;
            settings.power = row.at(QStringLiteral("power"));
            settings.test.alpha = row.at(QStringLiteral("alpha"));
            settings.test.tails = row.at(QStringLiteral("tails")) == 1 ? lx::power::Tails::One
                                                                       : lx::power::Tails::Two;
            settings.ratio = row.at(QStringLiteral("ratio"));
            settings.effect = row.at(QStringLiteral("safeguard")) == 1
                                  ? PlanSettings::Effect::Safeguard
                                  : PlanSettings::Effect::Observed;
            const auto plan =
                decidePlan(StudyInHand{n1, n2, row.at(QStringLiteral("d"))}, settings);
            QVERIFY(plan.sample && plan.safeguard && plan.sensitivity && plan.critical);
            QCOMPARE(plan.sample->n1, static_cast<std::int32_t>(row.at(QStringLiteral("plan_n1"))));
            QCOMPARE(plan.sample->n2, static_cast<std::int32_t>(row.at(QStringLiteral("plan_n2"))));
            const auto near = [&](double value, const char* column) {
                const double expected = row.at(QString::fromLatin1(column));
                return std::fabs(value - expected) <= 1e-9 * std::fabs(expected);
            };
            QVERIFY(near(plan.sample->power, "plan_power"));
            QVERIFY(near(*plan.safeguard, "d_safeguard"));
            QVERIFY(near(*plan.sensitivity, "d_sensitivity"));
            QVERIFY(near(*plan.critical, "d_critical"));
            QVERIFY(near(*plan.d,
                         settings.effect == PlanSettings::Effect::Safeguard ? "d_safeguard" : "d"));
        }
    }

    // Why each figure is missing: the plan's own reasons before the power figures' ones.
    void reasons_data() {
        QTest::addColumn<std::optional<StudyInHand>>("study");
        QTest::addColumn<PlanSettings>("settings");
        QTest::addColumn<Reason>("sample");
        QTest::addColumn<Reason>("safeguard");
        QTest::addColumn<Reason>("sensitivity");
        const Reason fine{Missing::NotRequested};
        const StudyInHand tenAndTen{10, 10, 1.0};
        const StudyInHand noSpread{10, 10, lx::Undefined::NoSpread};
        PlanSettings typed;
        typed.effect = PlanSettings::Effect::Typed;
        typed.d = 0.5;
        PlanSettings typedNothing = typed;
        typedNothing.d = noNumber;
        PlanSettings observedRatio;
        observedRatio.observedRatio = true;
        PlanSettings noRatio = typed;
        noRatio.ratio = noNumber;
        PlanSettings powerOne;
        powerOne.power = 1;
        PlanSettings safeguard;
        safeguard.effect = PlanSettings::Effect::Safeguard;
        QTest::newRow("nothing calculated")
            << std::optional<StudyInHand>() << PlanSettings{} << Reason{Missing::NoStudyD}
            << Reason{Missing::NoStudyD} << Reason{Missing::NoStudySample};
        QTest::newRow("typed d before a calculation")
            << std::optional<StudyInHand>() << typed << fine << Reason{Missing::NoStudyD}
            << Reason{Missing::NoStudySample};
        QTest::newRow("typed d that is no number")
            << std::optional(tenAndTen) << typedNothing << Reason{Missing::TypedDNotNumber} << fine
            << fine;
        QTest::newRow("the study's n2/n1 before a calculation") << std::optional<StudyInHand>() <<
            [&] {
                PlanSettings s = observedRatio;
                s.effect = PlanSettings::Effect::Typed;
                s.d = 0.5;
                return s;
            }() << Reason{Missing::NoStudyRatio} << Reason{Missing::NoStudyD}
                                                                << Reason{Missing::NoStudySample};
        QTest::newRow("typed n2/n1 that is no number")
            << std::optional(tenAndTen) << noRatio << Reason{Missing::TypedRatioNotNumber} << fine
            << fine;
        QTest::newRow("no spread, observed d")
            << std::optional(noSpread) << PlanSettings{} << Reason{Missing::UndefinedStudyD}
            << Reason{Missing::UndefinedStudyD} << fine;
        QTest::newRow("no spread, typed d")
            << std::optional(noSpread) << typed << fine << Reason{Missing::UndefinedStudyD} << fine;
        QTest::newRow("power 1") << std::optional(tenAndTen) << powerOne
                                 << Reason{Problem::PowerOutOfRange} << fine
                                 << Reason{Problem::PowerOutOfRange};
        QTest::newRow("safeguard interval reaching 0")
            << std::optional(StudyInHand{12, 12, 0.12}) << safeguard
            << Reason{Problem::SafeguardNotPositive} << Reason{Problem::SafeguardNotPositive}
            << fine;
    }
    void reasons() {
        QFETCH(std::optional<StudyInHand>, study);
        QFETCH(PlanSettings, settings);
        QFETCH(Reason, sample);
        QFETCH(Reason, safeguard);
        QFETCH(Reason, sensitivity);
        const auto plan = decidePlan(study, settings);
        QCOMPARE(described(reasonOf(plan.sample)), described(sample));
        QCOMPARE(described(reasonOf(plan.safeguard)), described(safeguard));
        QCOMPARE(described(reasonOf(plan.sensitivity)), described(sensitivity));
        QCOMPARE(described(reasonOf(plan.critical)),
                 described(study ? Reason{Missing::NotRequested} : sensitivity));
    }

    // What is not asked for is not worked out.
    void onlyWhatIsNeeded() {
        PlanNeeds needs{false, false, false, true};
        const auto plan = decidePlan(StudyInHand{10, 10, 1.0}, PlanSettings{}, needs);
        QVERIFY(plan.critical);
        for (const Reason& reason : {reasonOf(plan.sample), reasonOf(plan.d),
                                     reasonOf(plan.safeguard), reasonOf(plan.sensitivity)}) {
            QCOMPARE(described(reason), described(Reason{Missing::NotRequested}));
        }
        QVERIFY(!plan.sample);
    }

    // Every reason a user can meet has a text of its own.
    void everyReasonSaysWhy() {
        QSet<QString> texts;
        int reasons = 0;
        for (int k = static_cast<int>(Missing::NoStudyD);
             k <= static_cast<int>(Missing::TypedRatioNotNumber); ++k, ++reasons) {
            texts.insert(lx::planning::reasonText(Reason{static_cast<Missing>(k)}));
        }
        for (int k = 0; k <= static_cast<int>(Problem::NotFound); ++k, ++reasons) {
            texts.insert(lx::planning::reasonText(Reason{static_cast<Problem>(k)}));
        }
        texts.remove(QString());
        QCOMPARE(texts.size(), reasons);
        QCOMPARE(lx::planning::problemText(Problem::NoEffect),
                 QStringLiteral("no sample size gives power above α for d = 0"));
    }

    void germanSentence() {
        const QLocale german(QLocale::German, QLocale::Germany);
        QVERIFY(lx::installTranslations(*QCoreApplication::instance(), german));
        lx::power::SampleSize size;
        size.n1 = 86;
        size.n2 = 86;
        size.total = 172;
        size.power = 0.90323;
        QCOMPARE(lx::plan_text::sentence(size, 0.5, 0.9, {}, german),
                 QStringLiteral("Eine Stichprobe von 86 je Gruppe (172 insgesamt) gibt 90 % "
                                "Teststärke, um d = 0,50 zu entdecken (α = ,05, zweiseitig); "
                                "tatsächliche Teststärke 0,903."));
        QCOMPARE(lx::plan_text::sensitivityLine(10, 10, 0.8, 1.3249, 0.9396, german),
                 QStringLiteral("Mit 10 und 10: 80 % Teststärke für |d| ≥ 1,32; signifikant ab "
                                "|d| ≥ 0,94"));
        QCOMPARE(lx::planning::reasonText(Reason{Missing::UndefinedStudyD}),
                 QStringLiteral("d ist nicht definiert: die gepoolte SD ist 0"));
    }
};

QTEST_MAIN(TestPlan)
#include "test_plan.moc"
