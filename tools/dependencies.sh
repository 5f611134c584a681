# The Debian packages the project needs, and how to install the missing ones. Sourced by
# play.sh (what building and running the game takes) and test.sh (that and the test tools).

GAME_PACKAGES=(build-essential cmake pkg-config libsdl2-dev libfreetype-dev libfontconfig-dev libx11-dev libxext-dev zlib1g-dev
               fonts-dejavu-core fonts-liberation2)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev
               g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
               xvfb x11-utils openbox xdotool imagemagick)

# install_missing_packages <package...>: installs with apt-get (sudo when not root) the ones
# not installed yet; false when that fails.
install_missing_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "== Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
        $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
