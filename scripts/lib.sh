# Shared by scripts/test, scripts/run and scripts/fuzz: installs what is
# missing and sets up Wine.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

need_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

BUILD_PACKAGES=(cmake make g++ libgtest-dev googletest g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64)
# fonts-wine brings Marlett, the glyphs of Wine's title-bar buttons.
WINE_PACKAGES=(wine64 xvfb xauth attr fonts-wine)

use_wine() {
    export PATH="/usr/lib/wine:$PATH"
    export WINEDEBUG=-all
    # No Mono or Gecko prompts, no desktop menu entries.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

build_preset() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j"$(nproc)"
}

# A fresh prefix in $WINEPREFIX, booted once; an argument sets its display
# scale in DPI (96 unless given). Wine draws its own window frames
# (no window manager runs under Xvfb), which also spares each hidden window a
# two-second wait for one.
boot_prefix() {
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
    if [ -n "${1:-}" ]; then
        wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 || true
    fi
    # The frame buttons are drawn from Marlett, which a new prefix lacks here.
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"; fi
    wineserver -w
}
