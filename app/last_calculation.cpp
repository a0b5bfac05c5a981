// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "last_calculation.h"

#include "platform/core/vector_registers.h"

namespace lx {

void LastCalculation::set(const Summary& summary, const ReportRequest& request) {
    m_summary = summary;
    m_request = request;
    m_report.reset();
    // The views show the new figures first, so that none is seen current before it is.
    emit calculated();
    setStale(false);
}

void LastCalculation::clear() {
    m_summary.reset();
    m_report.reset();
    emit cleared();
    setStale(false);
}

void LastCalculation::setStale(bool stale) {
    if (stale != m_stale) {
        m_stale = stale;
        emit staleChanged(stale);
    }
}

const TwoSampleReport& LastCalculation::report(Parts parts) {
    const bool bayesDetails = parts == Parts::WithBayesDetails;
    if (!m_report || (bayesDetails && !m_reportHasBayesDetails)) {
        ReportRequest request = m_request;
        request.posterior = bayesDetails;
        request.robustness = bayesDetails;
        // The window's thread hashes strings all the time; see clearVectorUpperHalves.
        clearVectorUpperHalves();
        m_report = twoSampleReport(*m_summary, request);
        m_reportHasBayesDetails = bayesDetails;
    }
    return *m_report;
}

} // namespace lx
