#!/usr/bin/env bash
# Installs the Debian packages a command needs (when run as root), then
# configures and builds into ./build. Shared by ./run and ./test.
#
#   tools/setup.sh [--tests] [--developer] [cmake --build arguments...]
#
#   (none)       building and running the program (./run)
#   --tests      also the tests and benchmarks; warnings are errors (./test, CI)
#   --developer  also clang with libFuzzer, a headless browser and Xvfb to look
#                at the report page and the windows, and lintian for the package;
#                implies --tests
set -euo pipefail
cd "$(dirname "$0")/.."

tests=false
developer=false
while [ $# -gt 0 ]; do
  case "$1" in
    --tests) tests=true ;;
    --developer) tests=true developer=true ;;
    *) break ;;
  esac
  shift
done

# Building the program, and what it uses at run time: Arial's metrics
# (Liberation Sans) for pictures and pages, and the desktop tools that "Assign"
# and opening the help and report pages call.
packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev zlib1g-dev libjpeg62-turbo-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libcgal-dev libeigen3-dev libpolyclipping-dev
          fonts-liberation xdg-utils shared-mime-info desktop-file-utils)
# The tests and benchmarks: GoogleTest, Google Benchmark, the profile generator's
# check, PDF reading, the MIME lookup of xdg-mime without a desktop, the desktop
# entry and metadata validators, and what a Debian package build calls
# (dpkg-shlibdeps, file) and the manual page check (man).
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev python3 poppler-utils libfile-mimeinfo-perl
               appstream dpkg-dev file man-db)
# Developers: fuzzing (clang and its libFuzzer runtime), a look at the report
# page in a headless browser and at the windows under Xvfb, the package check,
# and rsvg-convert for the icon's pictures (tools/render_icons.sh).
developer_packages=(clang libclang-rt-14-dev chromium xvfb xauth lintian librsvg2-bin)

$tests && packages+=("${test_packages[@]}")
$developer && packages+=("${developer_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages (run as root to install them): ${missing[*]}" >&2
  fi
fi

# The tests come with a build that has GoogleTest unless told; a test build
# turns every warning into an error.
options=()
$tests && options+=(-DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
command -v ccache >/dev/null 2>&1 && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${options[@]}" ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build build -j"$(nproc)" "$@"
