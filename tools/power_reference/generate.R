# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference values for planning a two-sample study, worked in R with the pwr package and R's
# exact noncentral t (pt with ncp). Usage, from the repository's root:
#   Rscript tools/power_reference/generate.R tests/stats
# writes four tables there:
#   power_sample_size_reference.csv  the smallest n1 (n2 = ceiling(ratio n1), at least 2) whose
#                                     power reaches the target, with its actual power, critical
#                                     t and noncentrality
#   power_reference.csv               the power of given n1, n2, d
#   power_sensitivity_reference.csv   the smallest d reaching a target power, and the smallest
#                                     significant |d|, for given n1 and n2
#   power_safeguard_reference.csv     the lower end of the 60% interval of an observed d and the
#                                     sample planned on it
# Columns tails: 1 or 2; a one-tailed test looks in the direction of d.
suppressPackageStartupMessages(library(pwr))

args <- commandArgs(trailingOnly = TRUE)
out <- if (length(args) > 0) args[1] else "."

alternative <- function(tails) if (tails == 2) "two.sided" else "greater"

# Power as pwr works it out: both tails when two-tailed.
power_of <- function(n1, n2, d, alpha, tails) {
  pwr.t2n.test(n1 = n1, n2 = n2, d = d, sig.level = alpha, alternative = alternative(tails))$power
}

# A product that should be whole (1.5 x 10) does not count the ulps it may come out above it.
second_n <- function(n1, ratio) max(2, ceiling(ratio * n1 * (1 - 1e-12)))

# The smallest n1 >= 2 reaching the target: up from 2 in steps of 1, started from below by the
# normal approximation (which never overshoots the t test's n by more than its one-unit margin).
smallest_n1 <- function(d, target, ratio, alpha, tails) {
  z <- qnorm(1 - alpha / tails) + qnorm(target)
  n1 <- max(2, floor(z^2 * (1 + 1 / ratio) / d^2) - 1)
  while (n1 > 2 && power_of(n1, second_n(n1, ratio), d, alpha, tails) >= target) n1 <- n1 - 1
  while (power_of(n1, second_n(n1, ratio), d, alpha, tails) < target) n1 <- n1 + 1
  n1
}

fmt <- function(x) if (is.na(x)) "" else sprintf("%.17g", x)
write_rows <- function(rows, file) {
  con <- file(file.path(out, file), "w")
  cat(paste(names(rows[[1]]), collapse = ","), "\n", sep = "", file = con)
  for (row in rows) cat(paste(sapply(row, fmt), collapse = ","), "\n", sep = "", file = con)
  close(con)
}

plan_row <- function(d, target, ratio, alpha, tails) {
  n1 <- smallest_n1(d, target, ratio, alpha, tails)
  n2 <- second_n(n1, ratio)
  df <- n1 + n2 - 2
  if (ratio == 1) {
    # pwr's own solution for equal groups, a fractional n: the whole n is its ceiling.
    n_pwr <- pwr.t.test(d = d, sig.level = alpha, power = target, type = "two.sample",
                        alternative = alternative(tails))$n
    stopifnot(ceiling(n_pwr) == n1)
  }
  c(d = d, alpha = alpha, tails = tails, target = target, ratio = ratio, n1 = n1, n2 = n2,
    power = power_of(n1, n2, d, alpha, tails), critical_t = qt(1 - alpha / tails, df),
    ncp = d * sqrt(n1 * n2 / (n1 + n2)))
}

plans <- list()
for (d in c(0.1, 0.2, 0.3, 0.5, 0.8, 1.2, 2)) for (alpha in c(0.05, 0.01, 0.005))
  for (target in c(0.8, 0.9, 0.95)) for (tails in c(2, 1)) for (ratio in c(0.5, 1, 1.5, 3))
    plans[[length(plans) + 1]] <- plan_row(d, target, ratio, alpha, tails)
write_rows(plans, "power_sample_size_reference.csv")

pairs <- list(c(3, 3), c(5, 5), c(10, 10), c(10, 20), c(20, 10), c(30, 45), c(50, 50),
              c(100, 80), c(200, 200), c(500, 450), c(1000, 1000), c(2000, 1500))
powers <- list()
for (p in pairs) for (d in c(0.05, 0.2, 0.5, 0.8, 1.2, 2, -0.5)) for (alpha in c(0.05, 0.01))
  for (tails in c(2, 1)) {
    ncp <- abs(d) * sqrt(p[1] * p[2] / (p[1] + p[2]))
    # A one-tailed test looks in the direction of d, so power depends on |d| alone.
    powers[[length(powers) + 1]] <- c(n1 = p[1], n2 = p[2], d = d, alpha = alpha, tails = tails,
                                      ncp = ncp, power = power_of(p[1], p[2], abs(d), alpha, tails))
  }
write_rows(powers, "power_reference.csv")

sensitivities <- list()
for (p in pairs) for (alpha in c(0.05, 0.01)) for (tails in c(2, 1))
  for (target in c(0.8, 0.9, 0.95)) {
    # pwr solves for d with a loose tolerance; the same power function to 1e-14 here.
    d <- uniroot(function(x) power_of(p[1], p[2], x, alpha, tails) - target,
                 c(1e-6, 30), tol = 1e-14)$root
    df <- p[1] + p[2] - 2
    sensitivities[[length(sensitivities) + 1]] <- c(
      n1 = p[1], n2 = p[2], alpha = alpha, tails = tails, target = target, d_sensitivity = d,
      d_critical = qt(1 - alpha / tails, df) * sqrt(1 / p[1] + 1 / p[2]))
  }
write_rows(sensitivities, "power_sensitivity_reference.csv")

# Summaries as studies report them: n1, n2 and the observed d.
observed <- list(c(20, 20, 0.6), c(40, 38, 0.35), c(15, 17, 1.1), c(100, 100, 0.2),
                 c(12, 12, 0.3), c(25, 30, -0.5), c(60, 55, 0.45), c(8, 9, 1.4),
                 c(200, 180, 0.15), c(33, 31, 0.72), c(18, 22, 0.05), c(45, 45, -0.8),
                 c(10, 14, 0.9), c(80, 75, 0.3), c(300, 310, 0.1), c(6, 6, 2.1))
safeguards <- list()
for (s in observed) {
  n1 <- s[1]; n2 <- s[2]; d <- s[3]
  scale <- sqrt(1 / n1 + 1 / n2)
  t <- abs(d) / scale
  df <- n1 + n2 - 2
  # The 60% interval's lower end: the ncp that leaves the observed t 20% above it.
  ncp <- uniroot(function(x) pt(t, df, ncp = x) - 0.8, c(t - 4, t + 4), tol = 1e-14)$root
  bound <- ncp * scale
  plan_n1 <- NA; plan_n2 <- NA
  if (bound > 0) {
    plan_n1 <- smallest_n1(bound, 0.8, 1, 0.05, 2)
    plan_n2 <- plan_n1
  }
  safeguards[[length(safeguards) + 1]] <- c(n1 = n1, n2 = n2, d = d,
                                            d_safeguard = sign(d) * bound,
                                            plan_n1 = plan_n1, plan_n2 = plan_n2)
}
write_rows(safeguards, "power_safeguard_reference.csv")
