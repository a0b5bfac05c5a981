# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference figures of the batch tool's pooling (--pool), worked by metafor at a tight control.
# Run from the repository root:   Rscript tools/pool_reference/generate.R
# Writes tests/cli/pool_studies.csv, a table of two-group summaries in three subgroups (one row
# with a negative SD, which the tool leaves out, and one with a blank subgroup, which counts in
# the whole table's rows only), and tests/cli/pool_reference.csv: for each effect (escalc "SMD",
# Hedges' g with vtype "LS", and "MD"), test (z, knha), level (0.95; 0.90 for g with z) and
# method (EE, DL, REML, PM), the rows of the whole table and of each subgroup by separate fits:
# rma's figures, confint's Q-profile interval of tau², predict's prediction interval,
# regtest(model = "lm") for Egger's test, and on the whole table's rows the test for subgroup
# differences, rma(method = "EE") over the subgroups' estimates with their standard errors.
suppressMessages(library(metafor))
set.seed(20261211)
groups <- c(rep("school", 6), rep("clinic", 5), rep("online", 4))
k <- length(groups)
shift <- c(school = 0.2, clinic = 0.7, online = 0.4)[groups]
n1 <- sample(12:80, k, replace = TRUE)
n2 <- sample(12:80, k, replace = TRUE)
sd1 <- round(runif(k, 6, 14), 2)
sd2 <- round(runif(k, 6, 14), 2)
m2 <- round(runif(k, 40, 60), 2)
m1 <- round(m2 + (shift + rnorm(k, 0, 0.3)) * (sd1 + sd2) / 2, 2)
studies <- data.frame(study = sprintf("S%02d", seq_len(k)), subgroup = groups, n1 = n1, m1 = m1,
                      sd1 = sd1, n2 = n2, m2 = m2, sd2 = sd2)
# A row the tool refuses (in "clinic") and one with no subgroup.
bad <- data.frame(study = "refused", subgroup = "clinic", n1 = 20, m1 = 50, sd1 = -1, n2 = 20,
                  m2 = 48, sd2 = 10)
blank <- data.frame(study = "no subgroup", subgroup = "", n1 = 30, m1 = 55.5, sd1 = 9.5,
                    n2 = 28, m2 = 51.25, sd2 = 10.25)
table <- rbind(studies[1:7, ], bad, studies[8:k, ], blank)
write.csv(format(table, trim = TRUE, nsmall = 2, drop0trailing = TRUE), "tests/cli/pool_studies.csv",
          row.names = FALSE, quote = FALSE)
usable <- table[table$sd1 > 0, ]

tight <- list(threshold = 1e-12, maxiter = 1000, tol = 1e-13, stepadj = 0.5)
fit <- function(yi, vi, method, test, level) {
  # metafor warns that Knapp-Hartung is not meant for EE models; the tool gives it all the same.
  suppressWarnings(rma(yi, vi, method = method, test = test, level = level * 100, control = tight))
}
rows <- list()
for (effect in c("g", "md")) {
  es <- escalc(if (effect == "g") "SMD" else "MD", m1i = m1, sd1i = sd1, n1i = n1, m2i = m2,
               sd2i = sd2, n2i = n2, data = usable, vtype = "LS")
  sets <- c(list(list(group = "", rows = rep(TRUE, nrow(es)))),
            lapply(unique(studies$subgroup), function(g) list(group = g, rows = es$subgroup == g)))
  for (test in c("z", "knha")) {
    for (level in if (effect == "g" && test == "z") c(0.95, 0.90) else 0.95) {
      for (method in c("EE", "DL", "REML", "PM")) {
        fits <- lapply(sets, function(s) fit(es$yi[s$rows], es$vi[s$rows], method, test, level))
        between <- rma(sapply(fits[-1], function(f) f$b[1]), sei = sapply(fits[-1], function(f) f$se),
                       method = "EE")
        for (j in seq_along(sets)) {
          f <- fits[[j]]
          s <- sets[[j]]
          egger <- regtest(rma(es$yi[s$rows], es$vi[s$rows], method = "EE"), model = "lm")
          ci <- if (method != "EE") confint(f, control = list(tau2.max = 1e6, tol = 1e-13))$random else NULL
          pr <- predict(f)
          rows[[length(rows) + 1]] <- data.frame(
            effect = effect, level = level, group = s$group, method = method, test = test,
            k = f$k, estimate = f$b[1], se = f$se, ci_lo = f$ci.lb, ci_hi = f$ci.ub,
            stat = f$zval, p = f$pval, tau2 = f$tau2,
            tau2_ci_lo = if (is.null(ci)) NA else ci["tau^2", "ci.lb"],
            tau2_ci_hi = if (is.null(ci)) NA else ci["tau^2", "ci.ub"],
            tau = sqrt(f$tau2), i2 = f$I2, h2 = f$H2, q = f$QE, q_df = f$k - 1, q_p = f$QEp,
            # An EE model has no prediction interval of its own: its CI is the one.
            pi_lo = if (is.null(pr$pi.lb)) pr$ci.lb else pr$pi.lb,
            pi_hi = if (is.null(pr$pi.ub)) pr$ci.ub else pr$pi.ub,
            egger_stat = egger$zval, egger_p = egger$pval,
            q_between = if (j == 1) between$QE else NA,
            q_between_df = if (j == 1) between$k - 1 else NA,
            q_between_p = if (j == 1) between$QEp else NA)
        }
      }
    }
  }
}
out <- do.call(rbind, rows)
isnum <- sapply(out, is.numeric)
out[isnum] <- lapply(out[isnum], function(x) ifelse(is.na(x), "", sprintf("%.17g", x)))
write.csv(out, "tests/cli/pool_reference.csv", row.names = FALSE, quote = FALSE)
