#!/usr/bin/env bash
# Builds every libFuzzer target (fuzz_<name>) with clang and runs each for a short while on a
# scratch copy of its seed corpus fuzz/corpus/<name>/. FUZZ_SECONDS sets the total time.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build/fuzz"
total_seconds="${FUZZ_SECONDS:-30}"

CC=clang-14 CXX=clang++-14 cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DMORVANE_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null

mapfile -t targets < <(ninja -C "$build" -t targets all | sed -n 's/^\(fuzz_[A-Za-z0-9_]*\): .*/\1/p' \
    | grep -v '_autogen' | sort -u)
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz: no targets"
    exit 0
fi
cmake --build "$build" --target "${targets[@]}"

seconds=$(( total_seconds / ${#targets[@]} ))
[ "$seconds" -lt 1 ] && seconds=1
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=()
for target in "${targets[@]}"; do
    name="${target#fuzz_}"
    corpus="$scratch/$name"
    mkdir -p "$corpus"
    if [ -d "$here/fuzz/corpus/$name" ]; then
        cp -r "$here/fuzz/corpus/$name/." "$corpus/"
    fi
    # A target may ship leak suppressions for the system libraries it loads.
    lsan_options="${LSAN_OPTIONS:-}"
    if [ -f "$here/fuzz/$name/lsan.supp" ]; then
        lsan_options="suppressions=$here/fuzz/$name/lsan.supp${lsan_options:+:$lsan_options}"
    fi
    echo "fuzz: $target for ${seconds}s"
    binary="$(find "$build" -type f -name "$target" -perm -u+x | head -n 1)"
    mkdir -p "$build/artifacts"
    if (cd "$scratch" && LSAN_OPTIONS="$lsan_options" "$binary" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
        "$corpus" 2>"$scratch/$target.log"); then
        grep -E '^Done [0-9]+ runs|stat::(number_of_executed_units|peak_rss_mb)' \
            "$scratch/$target.log" || true
    else
        tail -n 60 "$scratch/$target.log" >&2
        echo "fuzz: $target failed; the failing input is kept in $build/artifacts/" >&2
        failed+=("$target")
    fi
done
if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz: failed: ${failed[*]}" >&2
    exit 1
fi
