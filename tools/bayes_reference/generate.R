# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference values of the default (JZS) Bayes factors of the two-sample t test, worked
# independently in R. Usage: Rscript generate.R > ../../tests/stats/bayes_reference.csv
# Columns: the summary and the Cauchy prior scale r, Student's pooled t, then the natural logs of
# BF10, BF+0 (M1 > M2) and BF-0 (M1 < M2); the Bayes factors themselves are their exponentials.
#
# With effective N = N1 N2 / (N1 + N2), nu = N1 + N2 - 2 and g ~ inverse gamma(1/2, r^2 / 2):
#   BF10 = integral of (1 + N g)^(-1/2) (1 + t^2 / ((1 + N g) nu))^(-(nu + 1) / 2)
#          / (1 + t^2 / nu)^(-(nu + 1) / 2) p(g) dg
# and the one-sided factors put 2 P(T[nu + 1] < +-q(g)) inside the integral, with
#   q(g) = sqrt(N g) (t / s) sqrt((nu + 1) / (nu + t^2 / s^2)),  s = sqrt(1 + N g)
# (the skew-t marginal of t under a half-normal delta given g). R's integrate works on log g,
# scaled by the integrand's peak so that no case overflows; pt gives its tails in logs.
suppressMessages(library(BayesFactor))

log_two_sided <- function(u, t, n, nu, r) {
  g <- exp(u)
  -0.5 * log1p(n * g) - (nu + 1) / 2 * log1p(t^2 / ((1 + n * g) * nu)) +
    (nu + 1) / 2 * log1p(t^2 / nu) +
    log(r) - 0.5 * log(2 * pi) - 1.5 * u - r^2 / (2 * g) + u
}

log_side <- function(u, t, n, nu, r, sign) {
  g <- exp(u)
  s2 <- 1 + n * g
  q <- sqrt(1 / (1 + 1 / (n * g))) * t * sqrt((nu + 1) / (nu + t^2 / s2))
  log_two_sided(u, t, n, nu, r) + log(2) + pt(sign * q, nu + 1, log.p = TRUE)
}

log_integral <- function(f) {
  peak <- optimize(f, c(-80, 80), maximum = TRUE, tol = 1e-10)
  top <- peak$objective
  h <- function(u) exp(f(u) - top)
  at <- peak$maximum
  # The peak gets narrow for large t: integrate in pieces around it.
  cuts <- at + c(-Inf, -20, -5, -1, -0.2, 0, 0.2, 1, 5, 20, Inf)
  total <- 0
  for (k in seq_len(length(cuts) - 1)) {
    total <- total + integrate(h, cuts[k], cuts[k + 1], rel.tol = 1e-13, abs.tol = 0,
                               subdivisions = 2000L)$value
  }
  top + log(total)
}

case_row <- function(n1, m1, sd1, n2, m2, sd2, r) {
  nu <- n1 + n2 - 2
  sp <- sqrt(((n1 - 1) * sd1^2 + (n2 - 1) * sd2^2) / nu)
  t <- (m1 - m2) / (sp * sqrt(1 / n1 + 1 / n2))
  n <- n1 * n2 / (n1 + n2)
  b10 <- log_integral(function(u) log_two_sided(u, t, n, nu, r))
  bplus <- log_integral(function(u) log_side(u, t, n, nu, r, 1))
  bminus <- log_integral(function(u) log_side(u, t, n, nu, r, -1))
  # Cross-check against the BayesFactor package where its own quadrature is reliable: from
  # about t = 5 it approximates the one-sided factor against the sign of t, off by 0.6 in the log.
  if (abs(t) < 5 && n1 + n2 < 5000) {
    bf <- ttest.tstat(t, n1, n2, rscale = r)$bf
    bfp <- ttest.tstat(t, n1, n2, rscale = r, nullInterval = c(0, Inf))$bf
    bfm <- ttest.tstat(t, n1, n2, rscale = r, nullInterval = c(-Inf, 0))$bf
    stopifnot(abs(bf - b10) < 1e-4, abs(bfp - bplus) < 1e-4, abs(bfm - bminus) < 1e-4)
  }
  c(n1 = n1, m1 = m1, sd1 = sd1, n2 = n2, m2 = m2, sd2 = sd2, r = r, t = t,
    log_bf10 = b10, log_bf_plus = bplus, log_bf_minus = bminus)
}

medium <- sqrt(2) / 2
cases <- list(
  list(10, 5, 1, 10, 4, 1, medium),
  list(10, 4, 1, 10, 5, 1, medium),
  list(10, 5, 1, 10, 5, 1, medium),
  list(10, 5, 1, 10, 4, 1, 1),
  list(10, 5, 1, 10, 4, 1, 0.2),
  list(10, 5, 1, 10, 4, 1, 5),
  list(2, 1.5, 0.7, 2, 0.2, 0.1, medium),
  list(3, 10.25, 2.5, 40, 8.125, 0.75, medium),
  list(25, 102.3, 15.1, 31, 98.7, 14.2, medium),
  list(12, -3.4, 2.2, 8, 1.7, 5.9, 1),
  list(200, 0.512, 0.101, 180, 0.498, 0.097, medium),
  list(1000, 50, 10, 1000, 51, 10, medium),
  list(20000, 10.2, 1, 20000, 10, 1, medium),
  list(5000, 10, 1, 5000, 10, 1, medium),
  # large t: Bayes factors far beyond the range of a double
  list(30, 30, 1, 30, 0, 1, medium),
  list(100, 10, 1, 100, 0, 1, medium),
  list(3, 40, 1, 3, 0, 1, medium),
  list(1e6, 0.070710678118654752, 1, 1e6, 0, 1, medium),
  list(1e6, 0, 1, 1e6, 0.0565685424949238, 1, medium),
  # large t with a few hundred df: the one-sided factor's tail matters only on part of its range
  list(379, 0, 1, 291, 7.5, 1, medium),
  list(150, 12, 3, 40, 9, 3, 1),
  list(60, 0, 1, 8, 2.5, 1, medium),
  list(220, 31.4, 6.1, 190, 35.2, 5.8, 0.5)
)
set.seed(20261209)
for (k in 1:12) {
  n1 <- sample(2:400, 1); n2 <- sample(2:400, 1)
  sd1 <- round(runif(1, 0.1, 20), 2); sd2 <- round(runif(1, 0.1, 20), 2)
  m1 <- round(rnorm(1, 50, 10), 2)
  m2 <- round(m1 + rnorm(1, 0, 2 * max(sd1, sd2) / sqrt(min(n1, n2))), 2)
  r <- sample(c(0.5, medium, 1, sqrt(2)), 1)
  cases[[length(cases) + 1]] <- list(n1, m1, sd1, n2, m2, sd2, r)
}

table <- do.call(rbind, lapply(cases, function(c) do.call(case_row, c)))
cat(paste(colnames(table), collapse = ","), "\n", sep = "")
for (i in seq_len(nrow(table))) {
  cat(paste(sprintf("%.17g", table[i, ]), collapse = ","), "\n", sep = "")
}
