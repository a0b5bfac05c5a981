# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads every .txt file of a folder and runs statcheck over their texts, as its users do with
# a folder of converted papers. With --count it prints the number of results it found.
args <- commandArgs(trailingOnly = TRUE)
suppressPackageStartupMessages(library(statcheck))
files <- list.files(args[1], pattern = "\\.txt$", full.names = TRUE)
texts <- vapply(files, function(f) paste(readLines(f, encoding = "UTF-8", warn = FALSE),
                                         collapse = "\n"), character(1))
result <- statcheck(texts, stat = c("t", "F"), OneTailedTxt = TRUE, messages = FALSE)
if (length(args) > 1 && args[2] == "--count") cat(nrow(result), "\n")
