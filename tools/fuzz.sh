#!/usr/bin/env bash
# Builds the libFuzzer targets (the "fuzz" preset: clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a while, printing its
# executions and findings. Exits non-zero when any target found something: a
# crash, a sanitizer report, a leak, an input slower than 10 s or one that
# took too much memory. The input is kept under build-fuzz/fuzz/findings/ and
# replays with "build-fuzz/<path>/<target> <input>".
#
#   tools/fuzz.sh [--jobs N] [SECONDS] [TARGET...]
#
# SECONDS per target (60 by default); all targets unless some are named;
# --jobs runs that many targets at once (1 by default). Each target goes on
# from the inputs it kept in earlier runs (build-fuzz/fuzz/corpus/<target>)
# and starts from its seeds (build-fuzz/fuzz/seeds/<target>) and the inputs
# kept in the sources (tests/fuzz/corpus/<target>).
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=1
seconds=60
targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --jobs) jobs=$2; shift 2 ;;
    --jobs=*) jobs=${1#--jobs=}; shift ;;
    -h|--help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    [0-9]*) seconds=$1; shift ;;
    *) targets+=("$1"); shift ;;
  esac
done

build=build-fuzz
cmake --preset fuzz >/dev/null
# The targets are the preset's fuzz tests, one per target.
all_targets=$(ctest --test-dir "$build" -N -R '^fuzz\.' | sed -n 's/^ *Test *#[0-9]*: fuzz\.//p')
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets <<<"$all_targets"
fi
for target in "${targets[@]}"; do
  if ! grep -qx "$target" <<<"$all_targets"; then
    echo "No fuzz target $target; there are:" $all_targets >&2
    exit 2
  fi
done
if ! build_output=$(cmake --build --preset fuzz --target "${targets[@]}" 2>&1); then
  echo "$build_output"
  exit 1
fi

# The option-file fuzzer syncs every file it saves; in memory a sync is free.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

logs=$build/fuzz/logs
mkdir -p "$logs"

# Runs one target; its output goes to its log.
run_target() {
  local target=$1 program corpus findings
  program=$(find "$build" -path "$build/CMakeFiles" -prune -o -type f -name "$target" -perm -u+x -print | head -n 1)
  corpus=$build/fuzz/corpus/$target
  findings=$build/fuzz/findings/$target
  mkdir -p "$corpus" "$findings"
  local sources=("$corpus")
  for folder in "$build/fuzz/seeds/$target" "tests/fuzz/corpus/$target"; do
    if [ -d "$folder" ]; then sources+=("$folder"); fi
  done
  "$program" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/" "${sources[@]}" >"$logs/$target.log" 2>&1
}

# The executions of a finished run and what it found, as one line.
report_target() {
  local target=$1 status=$2 log=$logs/$1.log runs finding
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ -z "$runs" ]; then
    runs=$(grep -o '^#[0-9]*' "$log" | tail -n 1 | tr -d '#')
  fi
  if [ "$status" -eq 0 ]; then
    printf '%-20s %12s runs in %s s, 0 findings\n' "$target" "${runs:-0}" "$seconds"
  else
    finding=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
    printf '%-20s %12s runs, 1 finding: %s (log: %s)\n' "$target" "${runs:-0}" \
      "${finding:-see the log}" "$log"
    # The report itself, for a run whose build folder is not kept (CI).
    grep -v -E '^#[0-9]+|^INFO:|^MS:|^base unit:' "$log" | tail -n 40 | sed 's/^/    /'
  fi
}

failed=0
declare -A running=()
finish_one() {
  local pid status=0
  wait -n -p pid "${!running[@]}" || status=$?
  report_target "${running[$pid]}" "$status"
  if [ "$status" -ne 0 ]; then failed=1; fi
  unset "running[$pid]"
}
for target in "${targets[@]}"; do
  while [ ${#running[@]} -ge "$jobs" ]; do finish_one; done
  run_target "$target" &
  running[$!]=$target
done
while [ ${#running[@]} -gt 0 ]; do finish_one; done
exit $failed
