#!/usr/bin/env bash
# Everything a fresh Debian 12 machine needs to pass the tests: installs what is missing, checks
# that no include runs upward or sideways between the layers (tools/check_layers.sh),
# builds, runs every test, runs them again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then checks that the toolkit and the game cross-compile for Windows against the real
# platform headers, and, where Wine is installed, compares the showcase's controls with the real
# platform's. Prints a summary; exits non-zero on any failure.
#
# Usage: ./test.sh [-L unit|integration|e2e]   (a label runs only that subset of tests, in both
#                                              builds; the Windows cross-build, which runs no
#                                              tests, is left out then)
set -uo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
JOBS=${JOBS:-$(nproc)}
CTEST_ARGS=("$@")

source "$ROOT/tools/dependencies.sh"

declare -a STEP_NAMES=() STEP_RESULTS=()
TOTAL_PASSED=0
TOTAL_FAILED=0

record() { STEP_NAMES+=("$1"); STEP_RESULTS+=("$2"); }

# build_and_test <name> <build dir> <cmake args...>
build_and_test() {
    local name=$1 dir=$2
    shift 2
    echo "== $name: configure and build ($dir)"
    if ! cmake -S "$ROOT" -B "$dir" -DASTROVEX_WERROR=ON "$@" >"$dir.configure.log" 2>&1; then
        cat "$dir.configure.log"
        record "$name" "FAILED (configure)"
        return 1
    fi
    if ! cmake --build "$dir" -j "$JOBS"; then
        record "$name" "FAILED (build)"
        return 1
    fi
    echo "== $name: tests"
    local log="$dir/ctest.log"
    ctest --test-dir "$dir" -j "$JOBS" --output-on-failure --timeout 300 "${CTEST_ARGS[@]}" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    local line passed failed total
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    failed=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/')
    total=$(echo "$line" | sed -E 's/.* tests failed out of ([0-9]+).*/\1/')
    if [ -z "$line" ] || [ "${total:-0}" -eq 0 ]; then
        record "$name" "FAILED (no tests ran)"
        return 1
    fi
    passed=$((total - failed))
    TOTAL_PASSED=$((TOTAL_PASSED + passed))
    TOTAL_FAILED=$((TOTAL_FAILED + failed))
    if [ "$status" -ne 0 ]; then
        record "$name" "FAILED ($failed of $total tests)"
        return 1
    fi
    record "$name" "ok ($passed tests)"
}

cross_build_windows() {
    local dir=build/windows
    echo "== Windows cross-build ($dir)"
    if cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
            -DCMAKE_BUILD_TYPE=Release -DASTROVEX_WERROR=ON >"$dir.configure.log" 2>&1 &&
        cmake --build "$dir" -j "$JOBS"; then
        record "Windows cross-build" "ok"
    else
        [ -f "$dir.configure.log" ] && cat "$dir.configure.log"
        record "Windows cross-build" "FAILED"
        return 1
    fi
}

# The showcase's second form on our platform and on the real one's controls under Wine, driven
# alike, their event logs compared line for line. This script does not install Wine: without it the
# step says so and is skipped.
compare_with_wine() {
    local log=build/wine-comparison.log
    echo "== Comparison with the real platform under Wine"
    "$ROOT/tests/showcase/compare_with_wine.sh" build/release/tests/showcase/astrovex_showcase \
        build/windows/tests/showcase/astrovex_showcase.exe build/screenshots >"$log" 2>&1
    local status=$?
    cat "$log"
    local equal
    equal=$(grep -E '^equal: ' "$log" | tail -n 1)
    case $status in
    0) record "Wine comparison" "ok (${equal#equal: } lines equal)" ;;
    77) record "Wine comparison" "skipped ($(grep -E '^SKIP' "$log" | head -n 1 | sed 's/^SKIP: //'))" ;;
    *) record "Wine comparison" "FAILED (${equal:-no result}; see $log)"; return 1 ;;
    esac
}

mkdir -p build
overall=0
if install_missing_packages "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"; then
    record "Dependencies" "ok"
else
    record "Dependencies" "FAILED"
    overall=1
fi

# Includes that run upward or sideways between the layers fail before anything is built.
if "$ROOT/tools/check_layers.sh" "$ROOT"; then
    record "Layering" "ok"
else
    record "Layering" "FAILED"
    overall=1
fi

if [ $overall -eq 0 ]; then
    build_and_test "Tests" build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo || overall=1
    export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    build_and_test "Tests (ASan+UBSan)" build/sanitize -DCMAKE_BUILD_TYPE=Debug -DASTROVEX_SANITIZE=ON \
        -DASTROVEX_BENCH=OFF || overall=1
    if [ ${#CTEST_ARGS[@]} -eq 0 ]; then
        if cross_build_windows; then
            compare_with_wine || overall=1
        else
            overall=1
        fi
    else
        record "Windows cross-build" "skipped (a subset of the tests)"
    fi
fi

echo
echo "================ Summary ================"
for i in "${!STEP_NAMES[@]}"; do
    printf '  %-24s %s\n' "${STEP_NAMES[$i]}" "${STEP_RESULTS[$i]}"
done
echo "total: $TOTAL_PASSED passed, $TOTAL_FAILED failed"
exit $overall
