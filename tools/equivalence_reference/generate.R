# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference values of the equivalence tests (two one-sided tests against bounds -Delta and
# +Delta on M1 - M2), worked in R. Usage: Rscript generate.R > ../../tests/stats/equivalence_reference.csv
# Columns: the summary, the level, Delta and whether it is in pooled-SD units (1) or raw (0),
# then the bound in raw units and, for the pooled and the Welch test, p_TOST and the
# (1 - 2 alpha) interval with alpha = (1 - level) / 2.

tost <- function(diff, bound, se, df, alpha) {
  p_lower <- pt((diff + bound) / se, df, lower.tail = FALSE)
  p_upper <- pt((diff - bound) / se, df)
  half <- qt(1 - alpha, df) * se
  c(max(p_lower, p_upper), diff - half, diff + half)
}

case_row <- function(n1, m1, sd1, n2, m2, sd2, level, delta, in_sd) {
  df <- n1 + n2 - 2
  sp <- sqrt(((n1 - 1) * sd1^2 + (n2 - 1) * sd2^2) / df)
  bound <- if (in_sd) delta * sp else delta
  alpha <- (1 - level) / 2
  v1 <- sd1^2 / n1; v2 <- sd2^2 / n2
  dfw <- (v1 + v2)^2 / (v1^2 / (n1 - 1) + v2^2 / (n2 - 1))
  pooled <- tost(m1 - m2, bound, sp * sqrt(1 / n1 + 1 / n2), df, alpha)
  welch <- tost(m1 - m2, bound, sqrt(v1 + v2), dfw, alpha)
  c(n1 = n1, m1 = m1, sd1 = sd1, n2 = n2, m2 = m2, sd2 = sd2, level = level, delta = delta,
    in_sd = in_sd, bound = bound, p_tost_pooled = pooled[1], lo_pooled = pooled[2],
    hi_pooled = pooled[3], p_tost_welch = welch[1], lo_welch = welch[2], hi_welch = welch[3])
}

cases <- list(
  list(10, 5, 1, 10, 4, 1, 0.90, 0.5, 0),
  list(10, 5, 1, 10, 5, 1, 0.90, 0.5, 0),
  list(10, 5, 1, 10, 5, 1, 0.90, 0.3, 1),
  list(50, 10.1, 2, 60, 10, 2.5, 0.90, 0.5, 0),
  list(50, 10.1, 2, 60, 10, 2.5, 0.95, 0.3, 1),
  list(3, 10.25, 2.5, 40, 8.125, 0.75, 0.90, 3, 0),
  list(200, 0.512, 0.101, 180, 0.498, 0.097, 0.90, 0.2, 1),
  list(1000, 50, 10, 1000, 51, 10, 0.90, 2, 0),
  list(12, -3.4, 2.2, 8, 1.7, 5.9, 0.99, 1, 1),
  list(2, 1.5, 0.7, 2, 0.2, 0.1, 0.90, 1, 0),
  list(5000, 100, 15, 5000, 100.2, 15, 0.90, 0.1, 1),
  list(25, 102.3, 15.1, 31, 98.7, 14.2, 0.80, 5, 0)
)
table <- do.call(rbind, lapply(cases, function(c) do.call(case_row, c)))
cat(paste(colnames(table), collapse = ","), "\n", sep = "")
for (i in seq_len(nrow(table))) {
  cat(paste(sprintf("%.17g", table[i, ]), collapse = ","), "\n", sep = "")
}
