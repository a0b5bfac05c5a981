# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference confidence intervals of one group's mean from its summary, worked in R with qt.
# Usage: Rscript generate.R > ../../tests/stats/mean_interval_reference.csv
cases <- list(
  c(10, 5, 1, 0.95), c(2, 1.5, 0.7, 0.95), c(3, -10.25, 2.5, 0.95), c(40, 8.125, 0.75, 0.99),
  c(1000, 50, 10, 0.95), c(25, 102.3, 15.1, 0.9), c(12, -3.4, 0, 0.95), c(7, 0, 1e-8, 0.95)
)
cat("n,mean,sd,level,lower,upper\n")
for (c in cases) {
  half <- qt(1 - (1 - c[4]) / 2, c[1] - 1) * c[3] / sqrt(c[1])
  cat(paste(sprintf("%.17g", c(c, c[2] - half, c[2] + half)), collapse = ","), "\n", sep = "")
}
