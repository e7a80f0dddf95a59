#!/usr/bin/env bash
# Builds the Debian package with Debian's own tools, dpkg-buildpackage and
# debhelper (debian/), from a copy of the sources in build-deb/:
# build-deb/kwindel_VERSION_ARCH.deb. Installs what it needs with apt-get.
# Debhelper rather than CPack's DEB generator: it strips, finds the library
# dependencies and compresses the changelog and manual page as Debian asks,
# where CPack leaves each of these to us.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/steps.sh
out=build-deb

step "Installing packages" scripts/deps.sh --deb
version=$(sed -n 's/^project(Kwindel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[[ $(dpkg-parsechangelog -S Version) == "$version" ]] ||
    { echo "debian/changelog has no entry for version $version (CMakeLists.txt)" >&2; exit 1; }
src=$out/kwindel-$version
# dpkg-buildpackage leaves the package beside the sources it builds, so
# these are copied: the clone's own parent stays untouched.
copy_sources() {
    rm -rf "$out" && mkdir -p "$src"
    tar -c --exclude='./build*' --exclude=./.git . | tar -x -C "$src"
}
build_package() { (cd "$src" && nice dpkg-buildpackage -b -uc -us -J2); }
step "Copying the sources" copy_sources
step "Building the package" build_package
deb=$out/kwindel_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] && echo "$deb"
