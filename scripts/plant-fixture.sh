#!/usr/bin/env bash
# Records anew what the analyses leave on the test's plant day
# (tests/analysis/fixtures/plant_day.txt): builds, runs the plant-day test on
# SQLite with BDEMORVELT_FIXTURE_WRITE=1 so that it writes the file instead of
# comparing, and, when BDEMORVELT_TEST_PG names a server, checks that
# PostgreSQL leaves the same. Then shows how the file changed (git diff).
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"
cmake -S . -B build >/dev/null
cmake --build build -j2 --target test_analysis bdemorvelt
BDEMORVELT_FIXTURE_WRITE=1 BDEMORVELT_BIN="$repo_root/build/bdemorvelt" \
  build/tests/test_analysis --gtest_filter='*PlantDayTest*'
git --no-pager diff --stat -- tests/analysis/fixtures/plant_day.txt
