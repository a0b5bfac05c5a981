#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The LxTervan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The same job with pandas and SciPy: python3 pandas_scipy.py IN OUT."""
import sys

import pandas as pd
from scipy.stats import ttest_ind_from_stats

table = pd.read_csv(sys.argv[1])
args = (table.m1, table.sd1, table.n1, table.m2, table.sd2, table.n2)
pooled = ttest_ind_from_stats(*args, equal_var=True)
welch = ttest_ind_from_stats(*args, equal_var=False)
pd.DataFrame({
    "t_pooled": pooled.statistic, "p_pooled": pooled.pvalue,
    "t_welch": welch.statistic, "p_welch": welch.pvalue,
}).to_csv(sys.argv[2], index=False)
