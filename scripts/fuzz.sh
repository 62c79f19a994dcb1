#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, ASan and UBSan, and runs each
# for a while on the corpus in fuzz/corpus. New inputs stay in the build
# directory; a failing input is kept there and its path printed.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET (default 30)] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh fuzz

seconds=${1:-30}
shift || true
build=build-fuzz
CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALVEX_FUZZ=ON \
  -DPALVEX_WARNINGS_AS_ERRORS=ON -DBUILD_SHARED_LIBS=OFF -DPALVEX_BUILD_TESTS=OFF -DPALVEX_BUILD_BENCH=OFF \
  -DPALVEX_BUILD_QT=OFF >/dev/null
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ini_file numeric_prefix variant theme_file)
cmake --build "$build" --target "${targets[@]/%/_fuzz}"

dict_for() {
  case $1 in
    ini_file|theme_file) echo "-dict=fuzz/ini.dict" ;;
    numeric_prefix) echo "-dict=fuzz/numeric.dict" ;;
  esac
}

status=0
summary=()
for target in "${targets[@]}"; do
  work="$build/fuzz-runs/$target"
  mkdir -p "$work/corpus" "$work/artifacts"
  log="$work/last.log"
  echo "== $target: ${seconds}s"
  # shellcheck disable=SC2046
  if "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
      -artifact_prefix="$work/artifacts/" $(dict_for "$target") "$work/corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
    grep -E 'property failed|ERROR|SUMMARY|Test unit written' "$log" || tail -20 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cov=$(grep -oE 'cov: [0-9]+' "$log" | tail -1 | cut -d' ' -f2)
  edges=$(sed -n 's/.*(\([0-9]*\) inline 8-bit counters).*/\1/p' "$log" | head -1)
  summary+=("$(printf '%-15s %-6s %10s runs  %5s of %s edges covered' "$target" "$result" "${runs:-?}" "${cov:-?}" "${edges:-?}")")
done
printf '%s\n' "${summary[@]}"
exit $status
