#!/usr/bin/env bash
# A release, by hand, from a clean tree: everything a user downloads, in
# build-release/: the Debian package, the Windows installer, the portable
# Windows zip and the source tarball, with their SHA256SUMS.
# The version is CMakeLists.txt's project(VERSION); the places that repeat it
# must agree, or nothing is made. The packages are built from the tarball,
# not from git: the Debian package twice, in two folders, and compared; the
# tarball is built and tested once more without a network. One short line a
# step; a failing step shows its log.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build-release
work=$out/work
logs=$out/logs
rm -rf "$out"
source scripts/steps.sh

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
version=$(sed -n 's/^project(Kwindel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
arch=$(dpkg --print-architecture)
name=kwindel-$version
deb=kwindel_${version}_$arch.deb
setup=Kwindel-$version-win64-setup.exe
portable=Kwindel-$version-win64-portable.zip
tarball=$name.tar.gz

clean_tree() {
    git status --porcelain
    [[ -z $(git status --porcelain) ]] || { echo "the tree has changes: a release is made from what is committed"; return 1; }
}

# Each place that names the version, against CMakeLists.txt's.
same_version() {
    local bad=0 v date metainfo=assets/example.vexlo.Kwindel.metainfo.xml
    v=$(dpkg-parsechangelog -S Version)
    [[ $v == "$version" ]] || { echo "debian/changelog: the latest entry is $v, not $version"; bad=1; }
    date=$(date -u -d "$(dpkg-parsechangelog -S Date)" +%F)
    v=$(grep -o -m1 '<release [^>]*>' "$metainfo" || true)
    [[ $v == *"version=\"$version\""* ]] || { echo "$metainfo: the latest <release> is '$v', not version $version"; bad=1; }
    [[ $v == *"date=\"$date\""* ]] || { echo "$metainfo: the latest <release> is '$v', not of $date (debian/changelog)"; bad=1; }
    appstreamcli validate --pedantic --no-net "$metainfo" | tee "$work/appstream"
    ! grep -q '^[EW]:' "$work/appstream" || { echo "$metainfo: appstreamcli warns"; bad=1; }
    grep -q "^\.TH .*\"Kwindel $version\"" docs/kwindel.1 || { echo "docs/kwindel.1: its .TH line is not of Kwindel $version"; bad=1; }
    # A version in an artifact's name goes stale with the next release.
    ! grep -nE '(kwindel_|Kwindel-|kwindel-)[0-9]+\.[0-9]' README.md docs/*.md ||
        { echo "README.md or docs/ name an artifact by its version, not by pattern"; bad=1; }
    return $bad
}

make_tarball() {
    git archive --format=tar.gz --prefix="$name/" -o "$out/$tarball" HEAD
}

# An unpacked copy of the tarball in FOLDER.
unpack() { rm -rf "$1" && mkdir -p "$1" && tar -xzf "$out/$tarball" -C "$1"; }

# The same package from two folders, byte for byte: no folder may reach it.
debian_twice() {
    local a=$work/deb-a b=$work/second/folder/deb-b
    unpack "$a" && unpack "$b"
    (cd "$a/$name" && scripts/deb.sh)
    (cd "$b/$name" && scripts/deb.sh)
    local f
    for f in "$deb" "kwindel-dbgsym_${version}_$arch.deb"; do
        cmp "$a/$name/build-deb/$f" "$b/$name/build-deb/$f"
    done
    cp "$a/$name/build-deb/$deb" "$out/"
    [[ $(dpkg-deb -f "$out/$deb" Version) == "$version" ]]
}

# The installer and the zip; the installer's and the program's version records say the version.
windows() {
    local w=$work/deb-a/$name
    (cd "$w" && scripts/windows.sh --no-test)
    cp "$w/build-windows/$setup" "$w/build-windows/$portable" "$out/"
    local record
    record=$(x86_64-w64-mingw32-windres -i "$out/$setup" -O rc)
    [[ $record == *"VALUE \"ProductVersion\", \"$version\""* ]] || { echo "$setup: its version record is not $version"; return 1; }
    record=$(x86_64-w64-mingw32-windres -i "$w/build-windows/Kwindel/kwindel.exe" -O rc)
    [[ $record == *"FILEVERSION ${version//./, }, 0"* ]] || { echo "kwindel.exe: its version record is not $version"; return 1; }
}

# The README's two commands from the unpacked tarball, with no network: what they need is installed.
tarball_offline() {
    local t=$work/offline
    unpack "$t"
    (cd "$t/$name" &&
        "${sudo[@]}" unshare --net sh -c 'ip link set lo up && exec setpriv --reuid="$0" --regid="$1" --init-groups ./test.sh' \
            "$(id -u)" "$(id -g)")
}

checksums() {
    cd "$out"
    sha256sum "$deb" "$setup" "$portable" "$tarball" >SHA256SUMS
    sha256sum -c SHA256SUMS
}

mkdir -p "$work"
step "Checking the tree is clean" clean_tree
step "Installing packages" sh -c 'scripts/deps.sh && scripts/deps.sh --deb'
step "Checking version $version is named alike" same_version
step "Making the source tarball" make_tarball
step "Building the Debian package in two folders" debian_twice
step "Building the Windows installer and zip" windows
step "Building and testing the tarball offline" tarball_offline
step "Writing SHA256SUMS" checksums
echo "Release $version in ${out#"$root"/}:"
(cd "$out" && ls -l "$deb" "$setup" "$portable" "$tarball" SHA256SUMS | awk '{print "  " $9 " (" int($5 / 1024) " KB)"}')
