# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The same job in R: Rscript r_script.R IN OUT
args <- commandArgs(trailingOnly = TRUE)
d <- read.csv(args[1])
v1 <- d$sd1^2 / d$n1
v2 <- d$sd2^2 / d$n2
df_pooled <- d$n1 + d$n2 - 2
sp2 <- ((d$n1 - 1) * d$sd1^2 + (d$n2 - 1) * d$sd2^2) / df_pooled
t_pooled <- (d$m1 - d$m2) / sqrt(sp2 * (1 / d$n1 + 1 / d$n2))
t_welch <- (d$m1 - d$m2) / sqrt(v1 + v2)
df_welch <- (v1 + v2)^2 / (v1^2 / (d$n1 - 1) + v2^2 / (d$n2 - 1))
out <- data.frame(
    t_pooled = t_pooled, p_pooled = 2 * pt(-abs(t_pooled), df_pooled),
    t_welch = t_welch, p_welch = 2 * pt(-abs(t_welch), df_welch))
write.csv(out, args[2], row.names = FALSE)
