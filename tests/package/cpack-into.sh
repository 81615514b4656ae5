# Sourced by make-deb.sh and make-zip.sh after they set build, out and name: makes out a fresh
# folder, enters it, defines fail, and runs cpack with the generator $1 over the build tree into it.
rm -rf "$out"
mkdir -p "$out"
cd "$out"
fail() { echo "$name: $*" >&2; exit 1; }
if ! cpack -G "$1" --config "$build/CPackConfig.cmake" -B "$out" >cpack.log 2>&1; then
  cat cpack.log >&2
  fail "cpack failed"
fi
