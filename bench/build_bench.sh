# Sourced by the benchmark scripts, which set `top` (the source tree) and
# `work` (where the benchmark program goes).
#
# build_bench BUILD NAME: builds the library optimised in the folder BUILD,
# then bench/NAME.cpp against it into $work/NAME.
build_bench() {
  local build=$1 name=$2
  echo "== building the library (Release) in $build"
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target tvx_wizard -j2 >/dev/null
  # The layer libraries, top first, as the linker wants them.
  local layers=()
  for layer in wizard pages net select engine profile core platform base; do
    layers+=("$build/libtvx_$layer.a")
  done
  local extra=()
  if [ -e /usr/lib/x86_64-linux-gnu/libpugixml.so ]; then extra+=(-lpugixml); fi
  g++ -O2 -std=c++20 -I"$top/src" "$top/bench/$name.cpp" "${layers[@]}" \
    -lpthread "${extra[@]}" -o "$work/$name"
}
