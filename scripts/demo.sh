#!/usr/bin/env bash
# Installs what the demo needs (a compiler, CMake and the client libraries;
# no database server), builds the worker and runs its demo on the embedded
# SQLite database. The optional argument is the demo directory (default: demo
# in the repository root); a relative one is taken from the caller's directory.
set -euo pipefail

demo_dir="${1:-}"
if [[ -n "$demo_dir" && "$demo_dir" != /* ]]; then
  demo_dir="$PWD/$demo_dir"
fi

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo_root"

bash scripts/install-deps.sh --demo
# The demo needs the worker only: no tests (GoogleTest), no benchmarks.
cmake -S . -B build-demo -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBDE_BENCH=OFF
cmake --build build-demo -j2 --target bdemorvelt

exec ./build-demo/bdemorvelt demo "${demo_dir:-$repo_root/demo}"
