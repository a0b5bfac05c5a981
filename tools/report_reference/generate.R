# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reference values of the two-sample report, worked independently in R.
# Usage: Rscript generate.R > ../../tests/stats/report_reference.csv
# Columns: the summary and level, the typed decimals of M1 SD1 M2 SD2 (-1: exact), then every
# figure; an empty cell is a figure R cannot give precisely enough to check against.

tail_p <- function(t, df) pt(abs(t), df, lower.tail = FALSE)

# The noncentrality whose noncentral t puts t at probability `prob`; pt with ncp is accurate
# for |ncp| below about 37, which the cases keep to.
ncp_for <- function(t, df, prob) {
  f <- function(ncp) pt(t, df, ncp) - prob
  lo <- t - 10 * sqrt(1 + t^2 / (2 * df)) - 1
  hi <- t + 10 * sqrt(1 + t^2 / (2 * df)) + 1
  uniroot(f, c(lo, hi), tol = 1e-15, maxiter = 1000)$root
}

p_range <- function(n1, m1, sd1, n2, m2, sd2, dec, welch) {
  half <- ifelse(dec < 0, 0, 0.5 * 10^(-dec))
  m1s <- m1 + c(-1, 1) * half[1]; sd1s <- pmax(0, sd1 + c(-1, 1) * half[2])
  m2s <- m2 + c(-1, 1) * half[3]; sd2s <- pmax(0, sd2 + c(-1, 1) * half[4])
  diffs <- abs(as.vector(outer(m1s, m2s, "-")))
  if (min(m1s) - max(m2s) <= 0 && max(m1s) - min(m2s) >= 0) diffs <- c(diffs, 0)
  ps <- c()
  for (d in diffs) for (a in sd1s) for (b in sd2s) {
    if (welch) {
      v1 <- a^2 / n1; v2 <- b^2 / n2
      if (v1 + v2 == 0) { ps <- c(ps, if (d == 0) 1 else 0); next }
      df <- (v1 + v2)^2 / (v1^2 / (n1 - 1) + v2^2 / (n2 - 1)); se <- sqrt(v1 + v2)
    } else {
      df <- n1 + n2 - 2
      sp <- sqrt(((n1 - 1) * a^2 + (n2 - 1) * b^2) / df)
      if (sp == 0) { ps <- c(ps, if (d == 0) 1 else 0); next }
      se <- sp * sqrt(1 / n1 + 1 / n2)
    }
    ps <- c(ps, min(1, 2 * tail_p(d / se, df)))
  }
  c(min(ps), max(ps))
}

report <- function(n1, m1, sd1, n2, m2, sd2, level, dec) {
  alpha <- 1 - level
  diff <- m1 - m2
  v1 <- sd1^2 / n1; v2 <- sd2^2 / n2
  df0 <- n1 + n2 - 2
  p0 <- 2 * tail_p(abs(diff) / sqrt(v1 + v2), df0)
  sp <- sqrt(((n1 - 1) * sd1^2 + (n2 - 1) * sd2^2) / df0)
  se_p <- sp * sqrt(1 / n1 + 1 / n2)
  tp <- diff / se_p
  qp <- qt(1 - alpha / 2, df0)
  se_w <- sqrt(v1 + v2)
  tw <- diff / se_w
  dfw <- (v1 + v2)^2 / (v1^2 / (n1 - 1) + v2^2 / (n2 - 1))
  qw <- qt(1 - alpha / 2, dfw)
  d <- diff / sp
  j <- exp(lgamma(df0 / 2) - lgamma((df0 - 1) / 2)) / sqrt(df0 / 2)
  scale <- sqrt(1 / n1 + 1 / n2)
  # Beyond |t| of 30 R's noncentral t is not accurate enough to check against: left empty.
  checkable <- abs(tp) < 30
  d_lo <- if (checkable) ncp_for(tp, df0, 1 - alpha / 2) * scale else NaN
  d_hi <- if (checkable) ncp_for(tp, df0, alpha / 2) * scale else NaN
  rp <- p_range(n1, m1, sd1, n2, m2, sd2, dec, FALSE)
  rw <- p_range(n1, m1, sd1, n2, m2, sd2, dec, TRUE)
  c(p0 = p0, t_pooled = tp, df_pooled = df0,
    p_pooled = min(1, 2 * tail_p(tp, df0)), p_pooled_gt = pt(tp, df0, lower.tail = FALSE),
    p_pooled_lt = pt(tp, df0), ci_pooled_lo = diff - qp * se_p, ci_pooled_hi = diff + qp * se_p,
    t_welch = tw, df_welch = dfw, p_welch = min(1, 2 * tail_p(tw, dfw)),
    p_welch_gt = pt(tw, dfw, lower.tail = FALSE), p_welch_lt = pt(tw, dfw),
    ci_welch_lo = diff - qw * se_w, ci_welch_hi = diff + qw * se_w,
    d = d, g = j * d, d_lo = d_lo, d_hi = d_hi, g_lo = j * d_lo, g_hi = j * d_hi,
    range_pooled_lo = rp[1], range_pooled_hi = rp[2],
    range_welch_lo = rw[1], range_welch_hi = rw[2])
}

cases <- list(
  # n1, m1, sd1, n2, m2, sd2, level, decimals of m1 sd1 m2 sd2
  list(10, 5, 1, 10, 4, 1, 0.95, c(0, 0, 0, 0)),
  list(10, 5, 1, 10, 4, 1, 0.95, c(-1, -1, -1, -1)),
  list(5, 3, 1, 5, 3, 2, 0.95, c(-1, -1, -1, -1)),
  list(2, 1.5, 0.7, 2, 0.2, 0.1, 0.95, c(1, 1, 1, 1)),
  list(3, 10.25, 2.5, 40, 8.125, 0.75, 0.90, c(2, 1, 3, 2)),
  list(25, 102.3, 15.1, 31, 98.7, 14.2, 0.95, c(1, 1, 1, 1)),
  list(12, -3.4, 2.2, 8, 1.7, 5.9, 0.99, c(1, 1, 1, 1)),
  list(200, 0.512, 0.101, 180, 0.498, 0.097, 0.95, c(3, 3, 3, 3)),
  list(1000, 50, 10, 1000, 51, 10, 0.95, c(0, 0, 0, 0)),
  list(7, 1e-6, 3e-7, 9, 2e-6, 5e-7, 0.95, c(-1, -1, -1, -1)),
  list(4, 1e6, 2e4, 6, 1.02e6, 3e4, 0.80, c(-1, -1, -1, -1)),
  list(60, 12.5, 3.25, 2, 11, 0.5, 0.95, c(1, 2, 0, 1)),
  # tiny p values, far beyond double's smallest normal difference from 1
  list(100, 10, 1, 100, 0, 1, 0.95, c(-1, -1, -1, -1)),
  list(30, 30, 1, 30, 0, 1, 0.95, c(-1, -1, -1, -1)),
  list(300, 6, 1, 300, 0, 1, 0.95, c(-1, -1, -1, -1)),
  list(3, 40, 1, 3, 0, 1, 0.95, c(-1, -1, -1, -1)),
  # effect-size bounds with very many df, a level far out in the tails, or few df and a large t
  list(20000, 10.2, 1, 20000, 10, 1, 0.95, c(-1, -1, -1, -1)),
  list(50000, 0.05, 1, 50000, 0, 1, 0.9999, c(-1, -1, -1, -1)),
  list(3, 5, 1, 4, 3.5, 1, 0.999, c(-1, -1, -1, -1)),
  list(2, 6, 1, 2, 0, 1, 0.95, c(-1, -1, -1, -1))
)
set.seed(20261208)
for (k in 1:24) {
  n1 <- sample(2:400, 1); n2 <- sample(2:400, 1)
  sd1 <- round(runif(1, 0.1, 20), 2); sd2 <- round(runif(1, 0.1, 20), 2)
  m1 <- round(rnorm(1, 50, 10), 2)
  m2 <- round(m1 + rnorm(1, 0, 2 * max(sd1, sd2) / sqrt(min(n1, n2))), 2)
  level <- sample(c(0.9, 0.95, 0.99), 1)
  cases[[length(cases) + 1]] <- list(n1, m1, sd1, n2, m2, sd2, level, c(2, 2, 2, 2))
}

rows <- lapply(cases, function(c) {
  r <- report(c[[1]], c[[2]], c[[3]], c[[4]], c[[5]], c[[6]], c[[7]], c[[8]])
  c(n1 = c[[1]], m1 = c[[2]], sd1 = c[[3]], n2 = c[[4]], m2 = c[[5]], sd2 = c[[6]],
    level = c[[7]], dec_m1 = c[[8]][1], dec_sd1 = c[[8]][2], dec_m2 = c[[8]][3],
    dec_sd2 = c[[8]][4], r)
})
table <- do.call(rbind, rows)
text <- ifelse(is.nan(table), "", sprintf("%.17g", table))
cat(paste(colnames(table), collapse = ","), "\n", sep = "")
for (i in seq_len(nrow(text))) cat(paste(text[i, ], collapse = ","), "\n", sep = "")
