# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference weights of a forest plot's studies, worked by metafor: escalc("SMD") of an example
# table (the one docs/pool_screenshot.sh draws), then rma with each random-effects estimator and
# weights(), over all studies and within each design's subgroup by a separate fit, and
# predict()'s prediction interval.
# Usage: Rscript generate.R   (writes ../../tests/plots/forest_weights_reference.csv)
suppressMessages(library(metafor))
here <- dirname(sub("^--file=", "", grep("^--file=", commandArgs(FALSE), value = TRUE)))
table <- read.csv(file.path(here, "example_studies.csv"), check.names = FALSE)
es <- escalc("SMD", n1i = n1, m1i = m1, sd1i = sd1, n2i = n2, m2i = m2, sd2i = sd2, data = table)
control <- list(threshold = 1e-13, maxiter = 10000, tol = 1e-13)
rows <- list()
fitted <- function(group, pick, method) {
  fit <- rma(es$yi[pick], es$vi[pick], method = method, control = control)
  pred <- predict(fit)
  w <- weights(fit)
  for (j in seq_along(w)) {
    rows[[length(rows) + 1]] <<- data.frame(
      group = group, method = method, study = table$Study[pick][j],
      yi = sprintf("%.17g", es$yi[pick][j]), vi = sprintf("%.17g", es$vi[pick][j]),
      weight = sprintf("%.17g", w[j]), estimate = sprintf("%.17g", fit$b[1]),
      ci_lo = sprintf("%.17g", fit$ci.lb), ci_hi = sprintf("%.17g", fit$ci.ub),
      pi_lo = sprintf("%.17g", pred$pi.lb), pi_hi = sprintf("%.17g", pred$pi.ub),
      tau2 = sprintf("%.17g", fit$tau2))
  }
}
for (method in c("DL", "REML", "PM")) {
  fitted("all", rep(TRUE, nrow(table)), method)
  for (design in unique(table$Design)) fitted(design, table$Design == design, method)
}
write.csv(do.call(rbind, rows), file.path(here, "../../tests/plots/forest_weights_reference.csv"),
          row.names = FALSE, quote = FALSE)
