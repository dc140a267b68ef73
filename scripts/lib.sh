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

BUILD_PACKAGES=(cmake make g++ libgtest-dev googletest g++-mingw-w64-x86-64-posix mingw-w64-tools
                binutils-mingw-w64-x86-64 g++-mingw-w64-i686-posix binutils-mingw-w64-i686)
# fonts-wine brings Marlett, the glyphs of Wine's title-bar buttons.
WINE_PACKAGES=(wine64 xvfb xauth attr fonts-wine)
# libFuzzer comes with clang's runtime libraries.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Debian's 32-bit Wine is an i386 package. It must be there before a prefix is
# booted: a prefix made by wine64 alone has no 32-bit system files.
need_wine32() {
    dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed" && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    # need_packages updates the package lists, which now include i386.
    need_packages wine32:i386
}

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
# scale in DPI (96 unless given). WINEARCH=win32 makes a 32-bit prefix (one
# registry view), otherwise it is 64-bit and runs 32-bit programs under WOW64.
# Wine draws its own window frames (no window manager runs under Xvfb), which
# also spares each hidden window a two-second wait for one.
boot_prefix() {
    need_wine32
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i >/dev/null 2>&1 || true
    local wine=wine64
    [ "${WINEARCH:-}" != win32 ] || wine=wine
    $wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
    if [ -n "${1:-}" ]; then
        $wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 || true
    fi
    # The frame buttons are drawn from Marlett, which a new prefix lacks here.
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"; fi
    wineserver -w
}

# Whether Wine's 32-bit loader, an i386 Linux program, runs here: a kernel whose
# IA-32 emulation is off (ia32_emulation=off) refuses it with "Exec format error".
wine32_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# Boots $WINEPREFIX unless it is there and whole: a 64-bit prefix without
# SysWOW64's system files was booted before wine32 could run and cannot run
# 32-bit programs.
ensure_prefix() {
    local windows="$WINEPREFIX/drive_c/windows"
    if [ -d "$windows/system32" ] &&
        { [ "${WINEARCH:-}" = win32 ] || [ -f "$windows/syswow64/kernel32.dll" ] || ! wine32_runs; }; then
        return 0
    fi
    boot_prefix "$@"
}
