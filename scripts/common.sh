# Shared by scripts/run, scripts/test and the other scripts: packages, build, architecture.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# What building and testing the program needs (scripts/run, scripts/test, scripts/bench).
PACKAGES=(cmake make python3 mingw-w64 wine wine32:i386 wine64 xvfb xauth x11-utils imagemagick
          googletest clang lld clang-format clang-tidy libclang-rt-dev llvm)

# ensure_packages NAME...: installs those of the named packages that are missing; quick
# and silent when everything is there.
ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The program ships as a 32-bit executable. Where this machine's kernel cannot run
# 32-bit code (and so no 32-bit Wine), the same sources are tested as a 64-bit build.
test_preset() {
    if /lib/ld-linux.so.2 --help >/dev/null 2>&1; then echo win32; else echo win64; fi
}

# A tree whose tests are running is neither configured nor built: its programs are in use.
# Stops, naming that run, while the display of a test run (build/xvfb, build/x64/xvfb) has a
# live owner, before anything under build/ changes.
refuse_busy_tree() {
    local state owner
    for state in "$ROOT/build/xvfb" "$ROOT/build/x64/xvfb"; do
        if owner=$("$ROOT/tests/support/xvfb" owner "$state"); then
            echo "${0##*/}: $state belongs to a run still going, $owner: let it end first" >&2
            exit 1
        fi
    done
}

build_preset() {
    refuse_busy_tree
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}
