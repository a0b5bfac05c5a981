// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stats/summary_input.h"
#include "stats/two_sample_report.h"

#include <QObject>

#include <optional>

namespace lx {

// The calculator's last successful calculation, which every view reads, until Clear All. Its
// report is worked out when a view first asks, and only as far as that view needs: the
// posterior of delta and BF10's dependence on the prior scale cost more than all the rest
// together, and a calculation that no view shows them for never pays for them.
class LastCalculation : public QObject {
    Q_OBJECT
public:
    // What of the report a view shows.
    enum class Parts {
        Tests,           // the tests, intervals, effect sizes and Bayes factors
        WithBayesDetails // and the posterior of delta and the Bayes factor's robustness
    };

    using QObject::QObject;

    // A new calculation, current: calculated(), and staleChanged(false) if it was stale.
    void set(const Summary& summary, const ReportRequest& request);
    // No calculation any more: cleared().
    void clear();
    // Whether the inputs have changed since: the views show it, nothing is cleared.
    void setStale(bool stale);
    bool isStale() const { return m_stale; }

    bool has() const { return m_summary.has_value(); }
    const Summary& summary() const { return *m_summary; }
    // The report, computed as far as parts needs; only while has().
    const TwoSampleReport& report(Parts parts);
    // Whether some view has asked for the costly parts of this calculation.
    bool hasBayesDetails() const { return m_report && m_reportHasBayesDetails; }

signals:
    void calculated();
    void cleared();
    void staleChanged(bool stale);

private:
    std::optional<Summary> m_summary;
    ReportRequest m_request;
    std::optional<TwoSampleReport> m_report;
    bool m_reportHasBayesDetails = false;
    bool m_stale = false;
};

} // namespace lx
