# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference figures of pooled study sets, worked by metafor at a tight convergence control.
# Usage: Rscript generate.R   (writes ../../tests/stats/meta_sets.csv and meta_reference.csv)
#
# The study sets: k = 2 to 200, tau from 0 to 0.6, unbalanced variances, a set of identical
# studies, sets at the tau² = 0 boundary, one huge study beside small ones, and a set whose
# restricted likelihood has a local maximum at tau² = 0 below the global one. For each set and
# each estimator (EE, DL, REML, PM) and test (z, knha): rma's estimate, se, CI, statistic, p,
# tau², I², H², Q and its p; confint's Q-profile interval of tau² (tau2.max raised so that no
# bound is capped); predict's prediction interval; and regtest(model = "lm") for Egger's test.
suppressMessages(library(metafor))
set.seed(20261211)
sets <- list()
add <- function(name, yi, vi) sets[[length(sets) + 1]] <<- list(name = name, yi = yi, vi = vi)
for (k in c(2, 3, 5, 10, 20, 50, 200)) {
  for (tau in c(0, 0.1, 0.3, 0.6)) {
    vi <- runif(k, 0.005, 0.3)
    yi <- rnorm(k, 0.4, sqrt(vi + tau^2))
    add(sprintf("k%d_tau%.1f", k, tau), yi, vi)
  }
}
for (r in 1:40) {
  k <- sample(3:30, 1)
  vi <- exp(runif(k, log(0.002), log(1)))
  yi <- rnorm(k, runif(1, -1, 1), sqrt(vi + runif(1, 0, 0.5)^2))
  add(sprintf("mixed%02d", r), yi, vi)
}
add("identical", rep(0.3, 6), rep(0.04, 6))
add("boundary", c(0.30, 0.32, 0.29, 0.31, 0.30), c(0.04, 0.05, 0.03, 0.06, 0.04))
add("huge_study", c(0.2, 0.9, 1.1, 0.7, 1.3), c(0.0001, 0.2, 0.25, 0.3, 0.22))
add("equal_se", c(0.1, 0.5, 0.3, 0.8), rep(0.05, 4))
for (r in 1:20) {
  k <- sample(4:12, 1)
  vi <- runif(k, 0.01, 0.1)
  add(sprintf("near_zero%02d", r), rnorm(k, 0.2, sqrt(vi) * 0.6), vi)
}
# tau² = 0 is a local maximum of the restricted likelihood here (its slope there points down),
# and the global one lies near 0.54, 7 log units higher: a search from 0 stops at the wrong one.
add("reml_local_max_at_zero", c(-0.0784, -0.0921, -1.7085, 0.4787, -0.1326),
    c(0.0026, 0.0011, 0.0867, 0.1036, 0.003))

rows <- list()
studies <- list()
for (s in sets) {
  for (j in seq_along(s$yi)) {
    studies[[length(studies) + 1]] <- data.frame(set = s$name, yi = sprintf("%.17g", s$yi[j]),
                                                 vi = sprintf("%.17g", s$vi[j]))
  }
  egger <- tryCatch({
    fit <- rma(s$yi, s$vi, method = "EE")
    regtest(fit, model = "lm")
  }, error = function(e) NULL, warning = function(w) NULL)
  for (method in c("EE", "DL", "REML", "PM")) {
    for (test in c("z", "knha")) {
      fit <- tryCatch(rma(s$yi, s$vi, method = method, test = test,
                          control = list(threshold = 1e-13, maxiter = 10000, tol = 1e-13)),
                      error = function(e) NULL)
      if (is.null(fit)) next
      ci <- if (method != "EE") tryCatch(confint(fit, control = list(tau2.max = 1e6, tol = 1e-13))$random,
                                         error = function(e) NULL) else NULL
      pr <- predict(fit)
      rows[[length(rows) + 1]] <- data.frame(
        set = s$name, method = method, test = test, k = fit$k,
        estimate = fit$b[1], se = fit$se, ci_lo = fit$ci.lb, ci_hi = fit$ci.ub,
        stat = fit$zval, p = fit$pval, tau2 = fit$tau2,
        tau2_ci_lo = if (is.null(ci)) NA else ci["tau^2", "ci.lb"],
        tau2_ci_hi = if (is.null(ci)) NA else ci["tau^2", "ci.ub"],
        i2 = fit$I2, h2 = fit$H2, q = fit$QE, q_p = fit$QEp,
        pi_lo = if (is.null(pr$pi.lb)) pr$ci.lb else pr$pi.lb,
        pi_hi = if (is.null(pr$pi.ub)) pr$ci.ub else pr$pi.ub,
        egger_t = if (is.null(egger)) NA else egger$zval,
        egger_p = if (is.null(egger)) NA else egger$pval)
    }
  }
}
write.csv(do.call(rbind, studies), "../../tests/stats/meta_sets.csv", row.names = FALSE, quote = FALSE)
out <- do.call(rbind, rows)
num <- sapply(out, is.numeric)
out[num] <- lapply(out[num], function(x) ifelse(is.na(x), "", sprintf("%.17g", x)))
write.csv(out, "../../tests/stats/meta_reference.csv", row.names = FALSE, quote = FALSE)
