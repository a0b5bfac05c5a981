# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The figures of lxtervan-batch's plain report in R: Rscript r_report.R IN OUT
# IN has the columns n1, m1, sd1, n2, m2, sd2 (as bench/batch/generate.py writes them); OUT gets
# the tool's result columns, in its order and under its names, for every row of IN. Base R and
# BayesFactor (Debian's r-cran-bayesfactor), the way one would work these out in R: the closed
# forms vectorised, the noncentral t intervals (uniroot on pt with ncp), the Welch p range
# (optimize along the edges of the SDs' rectangle) and the Bayes factors (ttest.tstat) a row at
# a time.
#
# What R gives only approximately, so that the comparison with the tool can tell:
# - pt with ncp switches to a normal approximation beyond |ncp| = 37.62 (see ?pt), so the
#   intervals of d and g lose their digits where a limit's noncentrality is beyond that;
# - ttest.tstat with a nullInterval uses a "Savage-Dickey t approximation" beyond |t| = 5, so
#   bf_plus and bf_minus are approximate there (BF10 stays a quadrature at any t);
# - its quadrature is integrate() at the default relative tolerance of about 1.2e-4, which shows
#   in the small one-sided factors and in BF10 at large t (mpmath_referee.py works such rows).
# The columns a plain run leaves empty (the posterior, BF10 against the prior scale, the
# equivalence tests, the checks of reported results and the plans) are written empty, as the
# tool writes them; so is error, since every row of the generated table can be worked out.
suppressPackageStartupMessages(library(BayesFactor))
args <- commandArgs(trailingOnly = TRUE)
d <- read.csv(args[1], colClasses = "character")
n1 <- as.numeric(d$n1)
n2 <- as.numeric(d$n2)
m1 <- as.numeric(d$m1)
m2 <- as.numeric(d$m2)
sd1 <- as.numeric(d$sd1)
sd2 <- as.numeric(d$sd2)
rows <- nrow(d)
level <- 0.95
alpha <- 1 - level
rscale <- sqrt(2) / 2

# Half a unit of the last typed digit of each mean and SD; 0 for an exponent form (exact).
half_width <- function(text) {
    text <- trimws(text)
    after_point <- sub("^[^.]*\\.([0-9]*).*$", "\\1", text)
    digits <- ifelse(grepl(".", text, fixed = TRUE), nchar(after_point), 0)
    ifelse(grepl("[eE]", text), 0, 0.5 * 10^(-digits))
}
h_m1 <- half_width(d$m1)
h_m2 <- half_width(d$m2)
h_sd1 <- half_width(d$sd1)
h_sd2 <- half_width(d$sd2)

# Student's and Welch's tests.
diff <- m1 - m2
df_pooled <- n1 + n2 - 2
sp <- sqrt(((n1 - 1) * sd1^2 + (n2 - 1) * sd2^2) / df_pooled)
scale <- sqrt(1 / n1 + 1 / n2)
se_pooled <- sp * scale
t_pooled <- diff / se_pooled
v1 <- sd1^2 / n1
v2 <- sd2^2 / n2
se_welch <- sqrt(v1 + v2)
t_welch <- diff / se_welch
df_welch <- (v1 + v2)^2 / (v1^2 / (n1 - 1) + v2^2 / (n2 - 1))
p_two <- function(t, df) pmin(1, 2 * pt(-abs(t), df))
q_pooled <- qt(alpha / 2, df_pooled, lower.tail = FALSE)
q_welch <- qt(alpha / 2, df_welch, lower.tail = FALSE)

# The window's P class: the strictest of the two-tailed levels whose critical t (df above 200
# taken as 200) the t passes.
levels <- c(0.5, 0.2, 0.1, 0.05, 0.02, 0.01, 0.001)
t_window <- abs(t_pooled)
p_class <- rep(">0.5", rows)
for (lv in levels) {
    critical <- qt(lv / 2, pmin(df_pooled, 200), lower.tail = FALSE)
    p_class[t_window > critical] <- paste0("<", lv)
    p_class[t_window == critical] <- paste0("=", lv)
}

# Cohen's d, Hedges' g with the exact factor, their large-sample variances.
cohen_d <- diff / sp
hedges_j <- exp(lgamma(df_pooled / 2) - lgamma((df_pooled - 1) / 2)) / sqrt(df_pooled / 2)
hedges_g <- hedges_j * cohen_d
variance_of <- function(es) 1 / n1 + 1 / n2 + es^2 / (2 * (n1 + n2))

# The pooled p range: |t| is smallest at the smallest |M1 - M2| with the largest SDs and
# largest at the opposite corner.
diff_lo <- pmax(0, abs(diff) - h_m1 - h_m2)
diff_hi <- abs(diff) + h_m1 + h_m2
sd1_lo <- pmax(0, sd1 - h_sd1)
sd1_hi <- sd1 + h_sd1
sd2_lo <- pmax(0, sd2 - h_sd2)
sd2_hi <- sd2 + h_sd2
pooled_t_at <- function(dif, s1, s2) {
    se <- sqrt(((n1 - 1) * s1^2 + (n2 - 1) * s2^2) / df_pooled) * scale
    ifelse(se > 0, dif / se, ifelse(dif > 0, Inf, 0))
}
p_range_pooled_lo <- p_two(pooled_t_at(diff_hi, sd1_lo, sd2_lo), df_pooled)
p_range_pooled_hi <- p_two(pooled_t_at(diff_lo, sd1_hi, sd2_hi), df_pooled)

# Per row: the noncentrality with P(T'(df, ncp) <= t) = probability. pt falls as ncp rises.
ncp_for <- function(t, df, probability) {
    f <- function(ncp) pt(t, df, ncp) - probability
    uniroot(f, c(t - 2, t + 2), extendInt = "downX", tol = 1e-12)$root
}

# Per row: Welch's two-tailed p at SDs s1, s2 (vectors) for one |M1 - M2|.
welch_p_at <- function(dif, s1, s2, k) {
    a <- s1^2 / n1[k]
    b <- s2^2 / n2[k]
    v <- a + b
    df <- v^2 / (a^2 / (n1[k] - 1) + b^2 / (n2[k] - 1))
    ifelse(v > 0, pmin(1, 2 * pt(-dif / sqrt(v), df)), ifelse(dif > 0, 0, 1))
}
# The lowest of f over [lo, hi]: a scan of 9 points, then optimize between the best one's
# neighbours.
lowest_on <- function(f, lo, hi) {
    if (!(hi > lo)) {
        return(f(lo))
    }
    grid <- seq(lo, hi, length.out = 9)
    values <- f(grid)
    k <- which.min(values)
    found <- optimize(f, c(grid[max(k - 1, 1)], grid[min(k + 1, 9)]), tol = (hi - lo) * 1e-12)
    min(values[k], found$objective)
}
# Scaling both SDs by one factor leaves Welch's df and moves |t| against it, so p rises along
# every ray from SD 0: the lowest p lies on the edges of the smallest SDs, the highest on those
# of the largest, each at the smallest or largest |M1 - M2|.
welch_p_range <- function(k) {
    low_p <- function(s1, s2) welch_p_at(diff_hi[k], s1, s2, k)
    high_p <- function(s1, s2) -welch_p_at(diff_lo[k], s1, s2, k)
    lowest <- min(lowest_on(function(s) low_p(sd1_lo[k], s), sd2_lo[k], sd2_hi[k]),
                  lowest_on(function(s) low_p(s, sd2_lo[k]), sd1_lo[k], sd1_hi[k]))
    highest <- -min(lowest_on(function(s) high_p(sd1_hi[k], s), sd2_lo[k], sd2_hi[k]),
                    lowest_on(function(s) high_p(s, sd2_hi[k]), sd1_lo[k], sd1_hi[k]))
    c(lowest, highest)
}

log_bf <- function(t, k, interval = NULL) {
    suppressMessages(ttest.tstat(t, n1[k], n2[k], nullInterval = interval, rscale = rscale)$bf)
}

d_ci <- matrix(NA_real_, rows, 2)
p_range_welch <- matrix(NA_real_, rows, 2)
bf <- matrix(NA_real_, rows, 3)
for (k in seq_len(rows)) {
    t <- t_pooled[k]
    d_ci[k, ] <- c(ncp_for(t, df_pooled[k], 1 - alpha / 2), ncp_for(t, df_pooled[k], alpha / 2)) *
        scale[k]
    p_range_welch[k, ] <- welch_p_range(k)
    bf[k, ] <- c(log_bf(t, k), log_bf(t, k, c(0, Inf)), log_bf(t, k, c(-Inf, 0)))
}

one_sided <- function(t, df) {
    tail <- pt(-abs(t), df)
    list(gt = ifelse(t > 0, tail, 1 - tail), lt = ifelse(t < 0, tail, 1 - tail))
}
pooled_one <- one_sided(t_pooled, df_pooled)
welch_one <- one_sided(t_welch, df_welch)
# A factor beyond the range of a double stays empty, its log written, as the tool does.
factor_of <- function(log_value) {
    value <- exp(log_value)
    ifelse(is.finite(value) & value > 0, value, NA)
}
empty <- rep(NA_real_, rows)
out <- list(
    df = df_pooled, t = sprintf("%.15G", t_window), p_class = p_class,
    t_pooled = t_pooled, df_pooled = df_pooled, p_pooled = p_two(t_pooled, df_pooled),
    p_pooled_m1_gt_m2 = pooled_one$gt, p_pooled_m1_lt_m2 = pooled_one$lt, diff = diff,
    ci_pooled_lo = diff - q_pooled * se_pooled, ci_pooled_hi = diff + q_pooled * se_pooled,
    t_welch = t_welch, df_welch = df_welch, p_welch = p_two(t_welch, df_welch),
    p_welch_m1_gt_m2 = welch_one$gt, p_welch_m1_lt_m2 = welch_one$lt,
    ci_welch_lo = diff - q_welch * se_welch, ci_welch_hi = diff + q_welch * se_welch,
    d = cohen_d, g = hedges_g, d_ci_lo = d_ci[, 1], d_ci_hi = d_ci[, 2],
    g_ci_lo = hedges_j * d_ci[, 1], g_ci_hi = hedges_j * d_ci[, 2],
    d_var = variance_of(cohen_d), g_var = variance_of(hedges_g), g_se = sqrt(variance_of(hedges_g)),
    p_range_pooled_lo = p_range_pooled_lo, p_range_pooled_hi = p_range_pooled_hi,
    p_range_welch_lo = p_range_welch[, 1], p_range_welch_hi = p_range_welch[, 2],
    bf10 = factor_of(bf[, 1]), bf_plus = factor_of(bf[, 2]), bf_minus = factor_of(bf[, 3]),
    log_bf10 = bf[, 1], log_bf_plus = bf[, 2], log_bf_minus = bf[, 3])
for (name in c("delta_median", "delta_cri_lo", "delta_cri_hi", "bf10_r05", "bf10_wide",
               "bf10_ultrawide", "bf10_max", "r_max", "p_tost_pooled", "p_tost_welch",
               "tost_bound", "p_check", "p_recomputed", "t_check", "df_check", "grim_m1",
               "grim_m2", "grim_sd1", "grim_sd2", "check_error", "plan_n1", "plan_n2",
               "plan_power", "d_safeguard", "d_sensitivity", "d_critical", "plan_error",
               "error")) {
    out[[name]] <- empty
}
# Every digit a double has, and empty cells for NA, as the tool writes them.
cells <- lapply(out, function(column) {
    text <- if (is.numeric(column)) sprintf("%.17g", column) else column
    text[is.na(column)] <- ""
    text
})
lines <- do.call(paste, c(list(d$id), cells, sep = ","))
writeLines(c(paste(c("id", names(out)), collapse = ","), lines), args[2])
