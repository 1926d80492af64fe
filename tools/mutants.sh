#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Mutation testing of the guards: plants faults on the guard and boundary lines of the logic
# libraries and drevant-key, rebuilds (build-mutants, ccache), runs the unit tests and lists
# the survivors. Nice'd, bounded by a sample size and a time limit:
#   bash tools/mutants.sh [-n 50] [-s seed] [-t seconds] [-f 'file regex'] [-k 'kind regex'] [--list]
set -euo pipefail
cd "$(dirname "$0")/.."
export PYTHONDONTWRITEBYTECODE=1
exec nice -n 10 python3 tools/mutants.py "$@"
