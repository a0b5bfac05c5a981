# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes tests/cli/smd_variance_reference.csv: Hedges' g and its sampling variance as metafor's
# escalc("SMD") gives them (the exact small-sample factor, vtype "LS"), and Cohen's d with the
# same large-sample variance worked by hand. Run from the repository root:
#   Rscript tools/smd_variance_reference/generate.R
suppressMessages(library(metafor))
rows <- data.frame(
  n1 = c(10, 116, 2, 3, 25, 40, 1000, 7),
  m1 = c(5, 70.3, 21, 1.5, 3.2, 100, 0.51, -2),
  sd1 = c(1, 13.0, 1, 0.5, 1.1, 15, 0.2, 3),
  n2 = c(10, 848, 2, 9, 30, 12, 1200, 5),
  m2 = c(4, 67.3, 0, 0.2, 3.9, 92, 0.5, 4),
  sd2 = c(1, 7.5, 1, 0.8, 0.9, 11, 0.25, 2.5))
es <- escalc("SMD", m1i = m1, sd1i = sd1, n1i = n1, m2i = m2, sd2i = sd2, n2i = n2,
             data = rows, vtype = "LS")
sp <- with(rows, sqrt(((n1 - 1) * sd1^2 + (n2 - 1) * sd2^2) / (n1 + n2 - 2)))
d <- with(rows, (m1 - m2) / sp)
rows$g <- es$yi
rows$g_var <- es$vi
rows$d_var <- with(rows, 1 / n1 + 1 / n2 + d^2 / (2 * (n1 + n2)))
write.csv(format(rows, digits = 17, trim = TRUE), "tests/cli/smd_variance_reference.csv", row.names = FALSE,
          quote = FALSE)
