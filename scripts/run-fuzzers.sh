#!/usr/bin/env bash
# scripts/run-fuzzers.sh <build-folder> <seconds>: runs every fuzz target for
# the given time over a scratch copy of its seed corpus; fails on any crash,
# hang (10 s per input) or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
seconds=${2:-60}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

corpus_of() {
  case "$1" in
    fuzz_xml_*) echo fuzz/corpus/xml ;;
    fuzz_text_*) echo fuzz/corpus/csv ;;
    fuzz_image_*) echo "fuzz/corpus/${1#fuzz_image_}" ;;
    *) echo "fuzz/corpus/${1#fuzz_}" ;;
  esac
}

status=0
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  seeds=$(corpus_of "$name")
  mkdir -p "$scratch/$name"
  [ -d "$seeds" ] && cp -r "$seeds"/. "$scratch/$name"/
  echo "-- $name for ${seconds}s"
  if ! "$target" "$scratch/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="$scratch/$name-" >"$scratch/$name.log" 2>&1; then
    echo "!! $name failed:"
    tail -n 60 "$scratch/$name.log"
    mkdir -p fuzz-artifacts && cp "$scratch/$name"-* fuzz-artifacts/ 2>/dev/null || true
    status=1
  else
    grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$scratch/$name.log" | tr '\n' ' '
    echo
  fi
done
exit $status
