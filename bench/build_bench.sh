# Sourced by the benchmark scripts, which set `top` (the source tree) and
# `work` (where the benchmark program goes).
#
# build_bench BUILD NAME: builds the library optimised in the folder BUILD,
# then bench/NAME.cpp against it into $work/NAME.
build_bench() {
  local build=$1 name=$2
  echo "== building the library (Release) in $build"
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target tvx_core -j2 >/dev/null
  local extra=()
  if [ -e /usr/lib/x86_64-linux-gnu/libpugixml.so ]; then extra+=(-lpugixml); fi
  g++ -O2 -std=c++20 -I"$top/src" "$top/bench/$name.cpp" "$build/libtvx_core.a" \
    -lpthread "${extra[@]}" -o "$work/$name"
}
