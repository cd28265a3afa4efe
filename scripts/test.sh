#!/usr/bin/env bash
# Installs what is missing, builds the worker and runs every test against both
# backends: a Release build with warnings as errors, its systemd unit and
# Debian package installed, run and purged (scripts/package-test.sh), a Debug
# build under AddressSanitizer and UndefinedBehaviorSanitizer, and a short
# libFuzzer run of each fuzz target. Exits non-zero on the first failure.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"

readonly FUZZ_SECONDS=60 FUZZ_MAX_LEN=1024
readonly PG_DIR="$repo_root/build/pgtest"
readonly SANITIZER_ENV=(ASAN_OPTIONS=detect_leaks=1
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1)

stage="start"
tests_passed=0
pg_started=0

step() {
  stage="$1"
  printf '\n==> %s\n' "$1"
}

finish() {
  local rc=$?
  if ((pg_started)); then
    bash scripts/pg-test-server.sh stop "$PG_DIR" >/dev/null 2>&1 ||
      echo "test.sh: could not stop the PostgreSQL test server in $PG_DIR" >&2
  fi
  echo
  if ((rc == 0)); then
    echo "test.sh: $tests_passed passed, 0 failed"
  else
    echo "test.sh: FAILED in stage \"$stage\" (exit code $rc)"
  fi
  exit "$rc"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Runs ctest on one build tree, with any further NAME=VALUE arguments in its
# environment, and adds its test count to the total.
run_ctest() {
  local build_dir="$1" log
  shift
  log="$build_dir/ctest-output.log"
  env "$@" ctest --test-dir "$build_dir" --output-on-failure --no-tests=error -j2 2>&1 |
    tee "$log"
  local total
  total="$(sed -n 's/.* tests failed out of \([0-9][0-9]*\).*/\1/p' "$log" | tail -n 1)"
  tests_passed=$((tests_passed + ${total:-0}))
}

step "install dependencies"
bash scripts/install-deps.sh

step "layers of src/"
python3 scripts/check-layers.py .

step "configure and build (Release)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBDE_WERROR=ON \
  -DBDE_SANITIZE=OFF -DBDE_FUZZ=OFF
cmake --build build -j2

step "start the PostgreSQL test server"
pg_started=1
BDEMORVELT_TEST_PG="$(bash scripts/pg-test-server.sh start "$PG_DIR")"
export BDEMORVELT_TEST_PG
echo "PostgreSQL test server: $BDEMORVELT_TEST_PG"

step "tests (Release)"
run_ctest build

step "systemd unit and Debian package"
bash scripts/package-test.sh build
tests_passed=$((tests_passed + 1))

step "configure and build (Debug, sanitizers)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBDE_WERROR=ON \
  -DBDE_SANITIZE=ON -DBDE_FUZZ=OFF -DBDE_BENCH=OFF
cmake --build build-asan -j2

step "tests (Debug, sanitizers)"
run_ctest build-asan "${SANITIZER_ENV[@]}"

shopt -s nullglob
fuzz_sources=(tools/fuzz_*.cpp)
shopt -u nullglob
if ! command -v clang++ >/dev/null 2>&1; then
  echo
  echo "test.sh: no clang++, fuzz targets skipped"
elif ((${#fuzz_sources[@]} == 0)); then
  echo
  echo "test.sh: no tools/fuzz_*.cpp, fuzz stage skipped"
else
  step "configure and build fuzz targets (clang, libFuzzer)"
  fuzz_targets=()
  for src in "${fuzz_sources[@]}"; do
    fuzz_targets+=("$(basename "$src" .cpp)")
  done
  # A tree configured earlier with another compiler cannot be switched over.
  if [[ -f build-fuzz/CMakeCache.txt ]] &&
    ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' build-fuzz/CMakeCache.txt; then
    rm -rf build-fuzz
  fi
  # BDE_FUZZ instruments the library as well as the fuzz targets; the empty
  # CMAKE_CXX_FLAGS clears what an older tree may still keep in its cache.
  CXX=clang++ cmake -S . -B build-fuzz -DBDE_FUZZ=ON -DBUILD_TESTING=OFF \
    -DBDE_BENCH=OFF -DBDE_SANITIZE=OFF -DCMAKE_CXX_FLAGS=
  cmake --build build-fuzz -j2 --target "${fuzz_targets[@]}"

  for target in "${fuzz_targets[@]}"; do
    step "fuzz $target (${FUZZ_SECONDS}s)"
    corpus="build-fuzz/corpus/$target"
    artifacts="build-fuzz/artifacts/$target"
    mkdir -p "$corpus" "$artifacts"
    seeds=()
    [[ -d "tools/corpus/$target" ]] && seeds=("tools/corpus/$target")
    env "${SANITIZER_ENV[@]}" "build-fuzz/$target" -max_total_time="$FUZZ_SECONDS" -max_len="$FUZZ_MAX_LEN" \
      -artifact_prefix="$artifacts/" -print_final_stats=1 \
      "$corpus" "${seeds[@]}"
    tests_passed=$((tests_passed + 1))
  done
fi

stage="done"
