# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference points of the power curve: the power of the two-sample t-test with n in each group,
# by the pwr package's pwr.t.test (R's exact noncentral t), two-sided (both tails) and
# one-sided in the direction of d. For each planned d and alpha the n of a power of .8
# (pwr.t.test's fractional n, rounded up) and points below and above it, as the picture draws
# them. Usage, from the repository's root:
#   Rscript tools/power_curve_reference/generate.R tests/plots
# writes power_curve_reference.csv there: d, alpha, tails, n, power.
suppressPackageStartupMessages(library(pwr))

args <- commandArgs(trailingOnly = TRUE)
out <- if (length(args) > 0) args[1] else "."

rows <- list()
for (tails in c(2, 1)) {
  for (d in c(-0.35, 0.2, 0.5, 0.8, 1.3, 2.5)) {
    alternative <- if (tails == 2) "two.sided" else if (d > 0) "greater" else "less"
    for (alpha in c(0.05, 0.01, 0.005)) {
      planned <- ceiling(pwr.t.test(d = d, sig.level = alpha, power = 0.8,
                                    type = "two.sample", alternative = alternative)$n)
      for (n in unique(c(2, 3, max(2, planned %/% 4), max(2, planned %/% 2), planned,
                         2 * planned, 7 * planned))) {
        power <- pwr.t.test(n = n, d = d, sig.level = alpha, type = "two.sample",
                            alternative = alternative)$power
        rows[[length(rows) + 1]] <- data.frame(d = d, alpha = alpha, tails = tails, n = n,
                                               power = power)
      }
    }
  }
}
table <- do.call(rbind, rows)
# Every digit a double holds, so that the test compares against R's own value.
table[] <- lapply(table, function(column) sprintf("%.17g", column))
write.csv(table, file.path(out, "power_curve_reference.csv"), row.names = FALSE, quote = FALSE)
cat(nrow(table), "points written\n")
