#!/usr/bin/env bash
# Installs everything the build, the tests and the benchmarks need on Debian 12.
# Idempotent: packages already present are skipped, so it costs ~1 s on a ready machine.
set -euo pipefail

packages=(
  # build
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
  # Qt's own dialog texts (print, save) in Italian: qtbase_it.qm
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  # exact arithmetic (Boost.Multiprecision, header-only)
  libboost-dev
  # fuzzing and sanitizers (clang + its runtime for libFuzzer)
  clang libclang-rt-dev
  # the window under test
  xvfb xdotool x11-utils imagemagick
  # a window manager for the window tests that need one: a frame, maximising, full screen
  openbox
  # a dark desktop colour scheme (qt6ct "darker") the window must not follow
  qt6ct
  # the figure: the clipboard read back, the saved PDF rendered and read
  xclip poppler-utils
  dbus at-spi2-core python3-pyatspi
  # fonts: DejaVu Sans is the form font's fallback family (closest widths)
  fonts-dejavu-core fonts-liberation fontconfig
  # desktop integration checks and packaging
  appstream desktop-file-utils dpkg-dev file librsvg2-bin lintian
  # the tests run under an Italian and an English locale
  locales
  # start-up and memory measurement
  time
  # the browser page: emscripten (with node and its acorn module) builds the
  # WebAssembly; fonttools with brotli subsets the form font to a woff2
  emscripten nodejs node-acorn python3-fonttools python3-brotli
  # the browser page's suite and benchmark: headless Chromium driven by Selenium
  chromium chromium-driver python3-selenium
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # One apt at a time on a machine where several builds install at once.
  flock /tmp/pr-apt.lock apt-get update -qq
  flock /tmp/pr-apt.lock apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Locales for the number-format tests; generated only when missing.
wanted_locales=(it_IT.UTF-8 en_US.UTF-8)
for loc in "${wanted_locales[@]}"; do
  if ! locale -a 2>/dev/null | grep -qix "${loc/UTF-8/utf8}"; then
    sed -i "s/^# *\(${loc} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${loc} UTF-8" /etc/locale.gen || echo "${loc} UTF-8" >> /etc/locale.gen
    need_locale_gen=1
  fi
done
if [ -n "${need_locale_gen:-}" ]; then
  locale-gen >/dev/null
fi
