#!/usr/bin/env bash
# Installs what the build needs (Debian packages, when run as root),
# then configures and builds into ./build. Shared by ./run and ./test.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev zlib1g-dev libjpeg62-turbo-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation xvfb xauth
          clang libclang-rt-14-dev libcgal-dev libeigen3-dev libpolyclipping-dev
          xdg-utils shared-mime-info desktop-file-utils libfile-mimeinfo-perl poppler-utils)
# Developers look at the report page in a headless browser; CI does not need it.
[ "${CI:-}" = true ] || packages+=(chromium)
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

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build build -j"$(nproc)" "$@"
