# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Student's pooled two-sample t from summary statistics, worked independently in R for the
# window's results (t.test(var.equal = TRUE) in its summary-statistics form).
# Usage: Rscript generate.R > ../../tests/app/student_reference.csv
rows <- read.table(text = "
n1 m1 sd1 n2 m2 sd2
116 70.3 13.0 848 67.3 7.5
10 5.25 1.5 12 4 1
1 5 1 3 3 1
1 5 7 2 3 1
3 10.25 2.5 40 8.125 0.75
60 12.5 3.25 2 11 0.5
102 39.81 5.18 332 40.48 7.04
12 -3.4 2.2 8 1.7 5.9
2147483647 1 1 1 0 1
", header = TRUE, colClasses = "numeric")
df <- rows$n1 + rows$n2 - 2
sp <- sqrt(((rows$n1 - 1) * rows$sd1^2 + (rows$n2 - 1) * rows$sd2^2) / df)
t <- abs(rows$m1 - rows$m2) / (sp * sqrt(1 / rows$n1 + 1 / rows$n2))
p <- 2 * pt(t, df, lower.tail = FALSE)
out <- data.frame(rows, df = sprintf("%.0f", df), t = sprintf("%.17g", t), p = sprintf("%.17g", p))
write.csv(out, stdout(), row.names = FALSE, quote = FALSE)
