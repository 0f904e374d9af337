#!/usr/bin/env bash
# Checks for the Debian packages the build needs and installs the missing ones.
# Does nothing when everything is present.
set -euo pipefail

packages=(
    g++ cmake ninja-build make pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    nlohmann-json3-dev
    # Floating-point text: {fmt} writes (shortest round trip, fixed and general with a precision),
    # fast_float reads; both used header-only, so the browser build shares them.
    libfmt-dev libfast-float-dev
    fonts-dejavu-core fonts-liberation
    poppler-utils dpkg-dev file desktop-file-utils
    libcups2-dev
    # The real print queue test: its own CUPS scheduler with a CUPS-PDF queue (never the machine's).
    cups printer-driver-cups-pdf
    # The package checks: Debian's own checker and the software-centre listing's validator.
    lintian appstream
    # The desktop tests under a real X server and window manager.
    xvfb openbox x11-utils xdotool
    # The independent float32 rating model the catalog tests are checked against, and make mutants.
    python3
    # The browser edition: built with emscripten, tested in chromium (headless, driven from Node).
    emscripten chromium
)
# Node and npm may come from elsewhere than Debian (a newer Node with its own npm, which Debian's
# npm package conflicts with): Debian's are asked for only when the commands are missing.
command -v node >/dev/null 2>&1 || packages+=(nodejs)
command -v npm >/dev/null 2>&1 || packages+=(npm)
# Optional extras for the targets that need them, asked for by name: KORVELD_EXTRA_PACKAGES="clang xvfb"
if [[ -n "${KORVELD_EXTRA_PACKAGES:-}" ]]; then
    read -r -a extra <<<"$KORVELD_EXTRA_PACKAGES"
    packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo apt-get update -q
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
else
    echo "Cannot install packages without root. Run this, then try again:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
