#!/usr/bin/env bash
# scripts/run-fuzzers.sh <build-folder> <seconds>: runs every fuzz target for
# the given time over a scratch copy of its seed corpus, as many at once as
# there are cores; fails on any crash, hang (10 s per input) or sanitizer
# report, and keeps the failing inputs in fuzz-artifacts/.
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

run_one() {
  local target=$1 seconds=$2 scratch=$3
  local name seeds
  name=$(basename "$target")
  seeds=$(corpus_of "$name")
  mkdir -p "$scratch/$name"
  if [ -d "$seeds" ]; then cp -r "$seeds"/. "$scratch/$name"/; fi
  if "$target" "$scratch/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="$scratch/$name-" >"$scratch/$name.log" 2>&1; then
    echo "-- $name: $(grep -E '^stat::number_of_executed_units' "$scratch/$name.log" | awk '{print $2}') runs, clean"
  else
    echo "!! $name failed:"
    tail -n 60 "$scratch/$name.log"
    mkdir -p fuzz-artifacts && cp "$scratch/$name"-* fuzz-artifacts/ 2>/dev/null || true
    return 1
  fi
}
export -f run_one corpus_of

targets=$(find "$build/fuzz" -maxdepth 1 -name 'fuzz_*' -type f -executable | sort)
echo "$targets" | xargs -P "$(nproc)" -I{} bash -c 'run_one "$@"' _ {} "$seconds" "$scratch"
