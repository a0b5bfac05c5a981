# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# metafor doing what bench_pool does: rma(method = "REML"), confint's Q-profile interval of
# tau² and regtest(model = "lm") for Egger's test, per set of k = 200 (the median of several
# sets) and once at k = 2,000. Usage: Rscript metafor_speed.R [sets]
suppressMessages(library(metafor))
args <- commandArgs(trailingOnly = TRUE)
sets <- if (length(args) > 0) as.integer(args[1]) else 20
set.seed(20261211)
once <- function(k) {
  vi <- runif(k, 0.005, 0.3)
  yi <- 0.4 + sqrt(vi + 0.09) * rnorm(k)
  system.time({
    fit <- rma(yi, vi, method = "REML")
    ci <- confint(fit)
    egger <- regtest(fit, model = "lm")
  })[["elapsed"]]
}
per_set <- median(sapply(seq_len(sets), function(s) once(200)))
cat(sprintf("metafor per_set k=200 seconds %.4g\n", per_set))
cat(sprintf("metafor k=2000 seconds %.3f\n", once(2000)))
