#!/usr/bin/env bash
# Builds what the Windows programs link, for x86_64-w64-mingw32, into a cache outside the tree:
#   gtest     GoogleTest, from Debian's /usr/src/googletest
#   hunspell  Hunspell, from `apt-get source hunspell`, with its pkg-config file
#   sqlite    SQLite as one DLL (sqlite3.dll, its import library and sqlite3.h), from
#             `apt-get source sqlite3`: the amalgamation made here by Debian's own sources, then
#             compiled by the same -posix compiler as the programs
#   qt        a minimal Qt 6 (Core, Gui, Widgets, Test; the windows and offscreen platform
#             plugins, the windowsvista style), from `apt-get source qt6-base`, using Debian's
#             own Qt host tools (moc, rcc, uic) through QT_HOST_PATH
# Usage: build-deps.sh [gtest] [hunspell] [sqlite] [qt]   (all four when none is named)
# Each part is rebuilt only when its key changed: its Debian source, its options and the
# cross compiler's version. The cache is VORLANE_WINDOWS_CACHE, ~/.cache/vorlane/windows by
# default; each part installs into its own folder there (gtest/, hunspell/, sqlite/, qt/); logs
# go to logs/.
set -Eeuo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
toolchain=$top/packaging/windows/mingw-w64-x86_64.cmake
cache=${VORLANE_WINDOWS_CACHE:-$HOME/.cache/vorlane/windows}
jobs=${JOBS:-$(nproc)}
host=x86_64-w64-mingw32
mkdir -p "$cache/src" "$cache/build" "$cache/logs"
# A build's output goes to its log only: a failure says where to read why, on the standard
# error the script was given (fd 3), not into the log.
exec 3>&2
trap 'echo "Échec de la construction des dépendances Windows : voir les journaux dans $cache/logs/" >&3' ERR

parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=(gtest hunspell sqlite qt)

# The key of a part: what its build depends on. A part whose stamp holds the same key is kept.
key_of() {
  { printf '%s\n' "$@"; "$host-g++-posix" --version | head -n 1; } | sha256sum | cut -d' ' -f1
}
up_to_date() { [ -f "$cache/$1/.stamp" ] && [ "$(cat "$cache/$1/.stamp")" = "$2" ]; }
mark_done() { echo "$2" >"$cache/$1/.stamp"; }

# Downloads a Debian source package once (apt-get skips files already there) and prints the
# path of its .dsc.
fetch_source() {
  (cd "$cache/src" && apt-get source --download-only "$1" >/dev/null)
  ls -1 "$cache/src/$1"_*.dsc | sort -V | tail -n 1
}

# Unpacks a source package with Debian's patches applied into a fresh folder; prints it.
unpack_source() {
  local dsc=$1 dir=$cache/build/$2-src
  rm -rf "$dir"
  dpkg-source --no-check -x "$dsc" "$dir" >/dev/null
  rm -f "$cache/build/"*.orig.tar.*  # the copies dpkg-source leaves beside the folder
  echo "$dir"
}

build_gtest() {
  local version key
  version=$(dpkg-query -W -f='${Version}' googletest)
  key=$(key_of gtest "$version")
  if up_to_date gtest "$key"; then echo "GoogleTest pour Windows : déjà construit."; return; fi
  echo "GoogleTest pour Windows : construction (journal : $cache/logs/gtest.log)"
  rm -rf "$cache/gtest" "$cache/build/gtest"
  {
    cmake -S /usr/src/googletest -B "$cache/build/gtest" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_INSTALL_PREFIX="$cache/gtest" -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF
    nice -n 19 cmake --build "$cache/build/gtest" -j"$jobs"
    cmake --install "$cache/build/gtest"
  } >"$cache/logs/gtest.log" 2>&1
  rm -rf "$cache/build/gtest"
  mark_done gtest "$key"
}

# The library alone (not its command-line tools), built by the same -posix compilers as the
# programs, so that one libstdc++ serves them all.
hunspell_options=(
  --host="$host" --disable-static --enable-shared --disable-nls --without-ui --without-readline
  CC="$host-gcc-posix" CXX="$host-g++-posix"
)

build_hunspell() {
  local dsc key src
  dsc=$(fetch_source hunspell)
  key=$(key_of hunspell "$(sha256sum <"$dsc")" "${hunspell_options[@]}")
  if up_to_date hunspell "$key"; then echo "Hunspell pour Windows : déjà construit."; return; fi
  echo "Hunspell pour Windows : construction (journal : $cache/logs/hunspell.log)"
  rm -rf "$cache/hunspell"
  src=$(unpack_source "$dsc" hunspell)
  {
    cd "$src"
    [ -x configure ] || autoreconf -fi
    ./configure --prefix="$cache/hunspell" "${hunspell_options[@]}"
    nice -n 19 make -C src/hunspell -j"$jobs"
    make -C src/hunspell install
    make install-pkgconfDATA
  } >"$cache/logs/hunspell.log" 2>&1
  cd "$top"
  rm -rf "$src"
  mark_done hunspell "$key"
}

# Thread-safe, as Debian builds it; the DLL exports every sqlite3_ function (MinGW exports all
# when none is marked).
sqlite_flags=(-O2 -DSQLITE_THREADSAFE=1)

build_sqlite() {
  local dsc key src
  dsc=$(fetch_source sqlite3)
  key=$(key_of sqlite "$(sha256sum <"$dsc")" "${sqlite_flags[@]}")
  if up_to_date sqlite "$key"; then echo "SQLite pour Windows : déjà construit."; return; fi
  echo "SQLite pour Windows : construction (journal : $cache/logs/sqlite.log)"
  rm -rf "$cache/sqlite" "$cache/build/sqlite"
  src=$(unpack_source "$dsc" sqlite)
  {
    # sqlite3.c is generated by tools built for this machine, then compiled for Windows.
    mkdir -p "$cache/build/sqlite"
    cd "$cache/build/sqlite"
    "$src/configure" --disable-tcl
    nice -n 19 make sqlite3.c
    mkdir -p "$cache/sqlite/bin" "$cache/sqlite/lib" "$cache/sqlite/include" "$cache/sqlite/share"
    nice -n 19 "$host-gcc-posix" "${sqlite_flags[@]}" -shared -o "$cache/sqlite/bin/sqlite3.dll" \
      sqlite3.c -Wl,--out-implib,"$cache/sqlite/lib/libsqlite3.dll.a"
    cp sqlite3.h sqlite3ext.h "$cache/sqlite/include/"
    cp "$src/LICENSE.md" "$cache/sqlite/share/LICENSE.md"
    cp "$src/debian/copyright" "$cache/sqlite/share/copyright"
  } >"$cache/logs/sqlite.log" 2>&1
  cd "$top"
  rm -rf "$src" "$cache/build/sqlite"
  mark_done sqlite "$key"
}

# Only what the programs and their tests use. Debian's tarball has no src/3rdparty/wintab, so
# tablet events are off; direct2d stays on, the windows platform plugin does not link without it.
qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON
  -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=ON
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_harfbuzz=ON
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_doubleconversion=OFF
)

build_qt() {
  local dsc key src
  dsc=$(fetch_source qt6-base)
  key=$(key_of qt "$(sha256sum <"$dsc")" "${qt_options[@]}")
  if up_to_date qt "$key"; then echo "Qt pour Windows : déjà construit."; return; fi
  echo "Qt pour Windows : construction, 30 à 90 minutes (journal : $cache/logs/qt.log)"
  rm -rf "$cache/qt" "$cache/build/qt"
  src=$(unpack_source "$dsc" qt)
  {
    date -u
    cmake -S "$src" -B "$cache/build/qt" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_INSTALL_PREFIX="$cache/qt" \
      -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      "${qt_options[@]}"
    nice -n 19 cmake --build "$cache/build/qt" -j"$jobs"
    cmake --install "$cache/build/qt"
    date -u
  } >"$cache/logs/qt.log" 2>&1
  rm -rf "$src" "$cache/build/qt"
  mark_done qt "$key"
}

# One build of a part at a time: a second run waits for the first and then finds it done.
locked() {
  exec 9>"$cache/$1.lock"
  flock 9
  "build_$1"
  exec 9>&-
}

for part in "${parts[@]}"; do
  case "$part" in
  gtest | hunspell | sqlite | qt) locked "$part" ;;
  *)
    echo "Partie inconnue : $part (gtest, hunspell, sqlite ou qt)" >&2
    exit 2
    ;;
  esac
done
