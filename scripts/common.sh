# Shared by scripts/run, scripts/test and the other scripts: packages, build, architecture.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# What building and testing the program needs (scripts/run, scripts/test, scripts/bench); the
# program-file check reads programs through python3-pefile.
PACKAGES=(cmake make python3 python3-pefile mingw-w64 wine wine32:i386 wine64 xvfb xauth x11-utils
          imagemagick googletest clang lld clang-format clang-tidy libclang-rt-dev llvm)

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
# lock_tree takes the lock of each test run's display (build/xvfb, build/x64/xvfb), the one
# that `xvfb start` takes, and stops, naming the run, while either has a live owner; the
# locks hold until unlock_tree, so that no run starts its tests while the tree is checked
# and built. scripts/test claims its run's display before it lets go: a second run then
# stops at that owner, and the run's own ctest takes the display over.
TREE_LOCKS=()
lock_tree() {
    local state fd owner
    for state in "$ROOT/build/xvfb" "$ROOT/build/x64/xvfb"; do
        mkdir -p "$state"
        exec {fd}>"$state/.lock"
        TREE_LOCKS+=("$fd")
        flock -n "$fd" || { echo "${0##*/}: waiting for another build of this tree..." >&2; flock "$fd"; }
        if owner=$("$ROOT/tests/support/xvfb" owner "$state"); then
            echo "${0##*/}: $state belongs to a run still going, $owner: let it end first" >&2
            exit 1
        fi
    done
}
unlock_tree() {
    local fd
    for fd in "${TREE_LOCKS[@]}"; do exec {fd}>&-; done
    TREE_LOCKS=()
}

# build_preset PRESET [TARGET...]: configures and builds every target, or these.
build_preset() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" ${1:+--target} "$@"
}
