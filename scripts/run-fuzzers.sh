#!/usr/bin/env bash
# Runs every fuzz target for a bounded time on its corpus (FUZZ_SECONDS each, default 60).
set -euo pipefail
build="${1:-build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
for f in "$build"/fuzz/*_fuzzer; do
  [ -x "$f" ] || continue
  name=$(basename "$f" _fuzzer)
  corpus="$root/fuzz/corpus/$name"
  work="$build/fuzz/corpus-$name"
  mkdir -p "$corpus" "$work"
  echo "== $name ($seconds s)"
  "$f" -max_total_time="$seconds" -max_len=65536 -artifact_prefix="$build/fuzz/$name-" "$work" "$corpus"
done
