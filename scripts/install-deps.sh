#!/usr/bin/env bash
# Installs the Debian packages needed to build, test, package and fuzz the
# worker; with --demo only those needed to build it and run its demo.
# Quick and silent when everything is present: only packages that dpkg does
# not report as installed are handed to apt-get, and the package lists are
# refreshed at most once per run.
set -euo pipefail

# Building the worker.
build=(
  build-essential g++ cmake pkg-config
  libsqlite3-dev libpq-dev nlohmann-json3-dev
)
# Testing it on both backends, fuzzing it, drawing its reports, and
# checking its systemd unit and Debian package (systemd-analyze, man for
# the unit's documentation, file and dpkg-dev for the package's
# dependencies); the machine need not run systemd.
testing=(
  python3 postgresql
  googletest libgtest-dev
  faketime
  clang
  chromium
  systemd man-db file dpkg-dev
)
optional=(sqlite3)

demo_only=0
case "${1:-}" in
  --demo) demo_only=1 ;;
  "") ;;
  *)
    echo "usage: install-deps.sh [--demo]" >&2
    exit 2
    ;;
esac
required=("${build[@]}")
((demo_only)) || required+=("${testing[@]}")

apt_lists_fresh=0

is_installed() {
  local status
  status="$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || true)"
  [[ "$status" == installed ]]
}

missing_of() {
  local pkg
  for pkg in "$@"; do
    is_installed "$pkg" || printf '%s\n' "$pkg"
  done
}

as_root() {
  if [[ "$(id -u)" -eq 0 ]]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "install-deps: not root and no sudo to run: $*" >&2
    return 1
  fi
}

apt_install() {
  if [[ "$apt_lists_fresh" -eq 0 ]]; then
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    apt_lists_fresh=1
  fi
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "$@"
}

# libFuzzer's runtime is packaged apart from clang (libclang-rt-N-dev on
# bookworm); N follows the installed clang, so this is decided after clang.
fuzzer_runtime_package() {
  local major
  major="$(clang++ -dumpversion 2>/dev/null | cut -d. -f1 || true)"
  [[ -n "$major" ]] || major=14
  local pkg="libclang-rt-${major}-dev"
  if is_installed "$pkg" || apt-cache show "$pkg" >/dev/null 2>&1; then
    printf '%s\n' "$pkg"
  fi
}

mapfile -t missing < <(missing_of "${required[@]}")
if ((${#missing[@]})); then
  echo "install-deps: installing ${missing[*]}"
  apt_install "${missing[@]}"
fi

if ((demo_only)); then
  echo "install-deps: all packages for the demo present"
  exit 0
fi

mapfile -t missing < <(missing_of "${optional[@]}")
if ((${#missing[@]})); then
  echo "install-deps: installing optional ${missing[*]}"
  apt_install "${missing[@]}" || echo "install-deps: optional ${missing[*]} not installed" >&2
fi

runtime="$(fuzzer_runtime_package)"
if [[ -z "$runtime" && "$apt_lists_fresh" -eq 0 ]]; then
  # apt-cache may not know the package before the lists were ever fetched.
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
  apt_lists_fresh=1
  runtime="$(fuzzer_runtime_package)"
fi
if [[ -n "$runtime" ]] && ! is_installed "$runtime"; then
  echo "install-deps: installing $runtime"
  apt_install "$runtime"
fi

echo "install-deps: all build and test packages present"
