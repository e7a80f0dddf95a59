#!/usr/bin/env bash
# The Windows program, made on Debian 12: Qt for Windows cross-built from
# Debian's own qtbase source (once; cached outside the clone), Kwindel
# cross-built against it, deployed, packed into a per-user installer and a
# portable zip, and tried under Wine. One short line a step; a failing step
# shows its log.
#   scripts/windows.sh            everything
#   scripts/windows.sh --qt-only  only the cached Qt for Windows
#   scripts/windows.sh --no-test  no Wine
#   scripts/windows.sh --bench [RUNS]  start-up under Wine against Qt's floor
#                                      (bench/wine.sh) instead of the tests
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build-windows
mkdir -p "$out/logs"

step() {
    local title=$1 log
    log="$out/logs/$(tr ' A-Z' '-a-z' <<<"$title").log"
    shift
    printf '%s... ' "$title"
    local t0=$SECONDS rc
    # in a subshell of its own, where a failing command ends the step
    set +e
    (set -e; "$@") >"$log" 2>&1
    rc=$?
    set -e
    if [[ $rc -eq 0 ]]; then
        echo "ok ($((SECONDS - t0)) s)"
    else
        echo "failed; the last lines of $log:"
        tail -n 60 "$log"
        exit 1
    fi
}

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
apt_get() { DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=900 "$@"; }

packages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
    wine wine64 fonts-wine fonts-humor-sans nsis dpkg-dev zip unzip
    cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
    xvfb xauth openbox xdotool xclip x11-utils imagemagick cups cups-client poppler-utils
)
srclist=/etc/apt/sources.list.d/kwindel-debian-src.sources

# deb-src entries for the machine's own Debian deb entries: the same URIs,
# suites and components, so any mirror it is set up with serves the source.
debian_src_entries() {
    apt-get indextargets --format '$(ORIGIN) $(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
        awk '$1 == "Debian" && !seen[$2 FS $3 FS $4]++ {
                 print "Types: deb-src\nURIs: " $2 "\nSuites: " $3 "\nComponents: " $4
                 print "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n"
             }'
}

install_packages() {
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [[ ! -e $srclist ]]; then
        # Qt for Windows is built from Debian's source package.
        [[ -n $(debian_src_entries) ]] || apt_get update -qq
        debian_src_entries | "${sudo[@]}" tee "$srclist.new" >/dev/null
        [[ -s $srclist.new ]] || { echo "no Debian deb entries in the machine's apt sources" >&2; return 1; }
        "${sudo[@]}" mv "$srclist.new" "$srclist"
        apt_get update -qq
    elif [[ ${#missing[@]} -gt 0 ]]; then
        apt_get update -qq
    fi
    [[ ${#missing[@]} -eq 0 ]] || apt_get install -y -qq --no-install-recommends "${missing[@]}"
}

# --- Qt for Windows --------------------------------------------------------
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/kwindel
qt_options=(
    -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_printsupport=ON
    -DINPUT_opengl=no -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
    -DFEATURE_xml=OFF -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_style_windows=ON -DFEATURE_style_windowsvista=ON
    -DFEATURE_png=ON -DFEATURE_jpeg=ON -DFEATURE_ico=ON -DFEATURE_gif=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_zlib=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_direct2d1_1=OFF -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF
)
qt_patches='cve-*'          # Debian's security patches
own_patches=(scripts/qt-patches/*.patch)
toolchain_text='set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
'

# The source version and its Debian tarball (which holds the patches), the
# patches taken and our own (scripts/qt-patches), the options, the
# toolchain, the compilers and the host Qt.
qt_key() {
    local uris
    # the source of the host Qt's own version: its tools build this Qt
    uris=$(apt-get source --print-uris -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)")
    qt_version=$(sed -n "s/.*qt6-base_\([^']*\)\.dsc.*/\1/p" <<<"$uris")
    [[ -n $qt_version ]] || { echo "no qt6-base source package found" >&2; return 1; }
    {
        echo "$qt_version"
        grep -E "debian\.tar|\.dsc" <<<"$uris" | awk '{print $2, $4}'
        echo "$qt_patches"
        cat "${own_patches[@]}"
        printf '%s\n' "${qt_options[@]}"
        echo "$toolchain_text"
        x86_64-w64-mingw32-g++-posix --version | head -n 1
        dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev qt6-base-dev qt6-base-dev-tools
    } | sha256sum | cut -c1-16 | tr '\n' ' '
    echo "$qt_version"
}

build_qt() {
    local src=$1 build=$2 prefix=$3
    rm -rf "$src" "$build" "$prefix"
    mkdir -p "$src" "$build" "$prefix"
    (cd "$src" && apt-get source --download-only -qq "qt6-base=$qt_version")
    dpkg-source --skip-patches -x "$src"/qt6-base_*.dsc "$src/qtbase"
    local p
    while read -r p; do
        # shellcheck disable=SC2053
        [[ $p == $qt_patches ]] || continue
        echo "applying $p"
        patch -d "$src/qtbase" -p1 --forward --batch <"$src/qtbase/debian/patches/$p"
    done < <(grep -v '^#' "$src/qtbase/debian/patches/series" | awk 'NF {print $1}')
    for p in "${own_patches[@]}"; do
        echo "applying $p"
        patch -d "$src/qtbase" -p1 --forward --batch <"$root/$p"
    done
    printf '%s' "$toolchain_text" >"$prefix/toolchain-mingw.cmake"
    cmake -S "$src/qtbase" -B "$build" "${qt_options[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/toolchain-mingw.cmake" -DCMAKE_INSTALL_PREFIX="$prefix"
    nice -n 10 cmake --build "$build" --parallel 2
    cmake --install "$build"
    ls "$prefix"/plugins/{platforms/qwindows,styles/qwindowsvistastyle,imageformats/qjpeg}.dll
    touch "$prefix/.complete"   # only a whole build counts as cached
    rm -rf "$src" "$build"
}

step "Installing packages" install_packages
qt_key >"$out/qt-key"
read -r key qt_version <"$out/qt-key"
qt=$cache_root/qt-win-$key
if [[ -e $qt/.complete ]]; then
    echo "Qt for Windows $qt_version: cached in $qt"
else
    step "Building Qt for Windows $qt_version (about 20 minutes; once)" \
        build_qt "$cache_root/qt-win-src-$key" "$cache_root/qt-win-build-$key" "$qt"
fi
[[ "${1:-}" == "--qt-only" ]] && exit 0

# --- Kwindel for Windows ---------------------------------------------------
version=$(sed -n 's/^project(Kwindel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
app_id=$(sed -n 's/^set(KWINDEL_APP_ID "\(.*\)")/\1/p' CMakeLists.txt)
deployed=$out/Kwindel
setup=$out/Kwindel-$version-win64-setup.exe
portable=$out/Kwindel-$version-win64-portable.zip
# The upgrade under Wine: the same binaries as the next version, short of Qt's Dutch texts.
later=$out/later
later_version=${version%.*}.$((${version##*.} + 1))
mingw_runtime=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix/{libstdc++-6,libgcc_s_seh-1}.dll
               /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll)

build_kwindel() {
    rm -f "$out/CMakeCache.txt" # the toolchain (and so the Qt) may have changed
    cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKWINDEL_TESTS=OFF -DKWINDEL_WERROR=ON \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    nice -n 10 cmake --build "$out"
}

# The program's folder as installed: the print module, Qt and the plugins
# it uses, the MinGW runtime and Qt's Dutch texts.
deploy() {
    rm -rf "$deployed"
    mkdir -p "$deployed"/{platforms,styles,imageformats,translations}
    cp "$out/kwindel.exe" "$out/kwindel_print.dll" "$qt"/bin/Qt6{Core,Gui,Widgets,PrintSupport}.dll "${mingw_runtime[@]}" "$deployed/"
    cp "$qt/plugins/platforms/qwindows.dll" "$deployed/platforms/"
    cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$deployed/styles/"
    cp "$qt"/plugins/imageformats/q{ico,jpeg}.dll "$deployed/imageformats/"
    cp /usr/share/qt6/translations/qtbase_nl.qm "$deployed/translations/"
    printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n' >"$deployed/qt.conf"
    find "$deployed" \( -name '*.dll' -o -name '*.exe' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
    # Each DLL that is imported is deployed or part of Windows (as Wine has
    # it, or one of Windows' API sets).
    local dll missing=0
    for dll in $(find "$deployed" \( -name '*.dll' -o -name '*.exe' \) -exec x86_64-w64-mingw32-objdump -p {} + |
                 awk '/DLL Name:/ {print tolower($3)}' | sort -u); do
        [[ -n $(find "$deployed" -maxdepth 1 -iname "$dll") || -e /usr/lib/x86_64-linux-gnu/wine/x86_64-windows/$dll ||
           $dll == api-ms-win-* ]] ||
            { echo "not deployed: $dll"; missing=1; }
    done
    # The changelog entry's time on every file, which the installer and the zip keep.
    find "$deployed" -exec touch -h -d "@${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -S Timestamp)}" {} +
    return $missing
}

# The installer of FOLDER as VERSION, into SETUP. Its file lists come from the folder: the uninstaller
# removes exactly what was installed.
make_installer() {
    local folder=$1 version=$2 setup=$3 files=$out/installer-files.nsh remove=$out/installer-remove.nsh f d
    (
        cd "$folder"
        find . -type d | sort | sed 's|^\.||' | while read -r d; do
            printf 'SetOutPath "$INSTDIR%s"\nFile "%s%s/*.*"\n' "${d//\//\\}" "$folder" "$d"
        done >"$files"
        find . -type f | sort | sed 's|^\./||' | while read -r f; do printf 'Delete "$INSTDIR\\%s"\n' "${f//\//\\}"; done >"$remove"
        find . -mindepth 1 -depth -type d | sed 's|^\./||' | while read -r d; do printf 'RMDir "$INSTDIR\\%s"\n' "${d//\//\\}"; done >>"$remove"
    )
    rm -f "$setup"
    makensis -V2 -DVERSION="$version" -DFILES="$files" -DREMOVE="$remove" \
        -DSIZE_KB="$(du -sk "$folder" | cut -f1)" -DICON="$root/assets/kwindel.ico" -DOUTFILE="$setup" -DAPP_ID="$app_id" \
        scripts/windows-installer.nsi
    [[ -s $setup ]]
}

make_later() {
    rm -rf "$later" && mkdir -p "$later"
    cp -a "$deployed" "$later/Kwindel"
    rm -r "$later/Kwindel/translations"
    make_installer "$later/Kwindel" "$later_version" "$later/Kwindel-$later_version-win64-setup.exe"
}

# The deployed folder as it is, to be unpacked anywhere and run from there: names in order, no owners.
make_portable() {
    rm -f "$portable"
    (cd "$out" && find Kwindel | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ "$portable")
}

step "Building Kwindel for Windows" build_kwindel
step "Deploying beside kwindel.exe" deploy
step "Making the installer" make_installer "$deployed" "$version" "$setup"
step "Making the portable zip" make_portable
echo "Installer: ${setup#"$root"/} ($(du -k "$setup" | cut -f1) KB)"
echo "Portable: ${portable#"$root"/} ($(du -k "$portable" | cut -f1) KB)"
[[ "${1:-}" == "--no-test" ]] && exit 0

# --- Under Wine --------------------------------------------------------------
# Wine is kept away from the host: a home and a prefix in a scratch folder,
# no menu entries, an X server and a CUPS scheduler of its own.
scratch=$out/wine
rm -rf "$scratch"
mkdir -p "$scratch"/{home,bin}
export HOME=$scratch/home WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
export KWINDEL_OPENED=$scratch/opened PATH=$scratch/bin:$PATH
export CUPS_SERVER=$scratch/cups/cups.sock KWINDEL_JOBS=$scratch/cups/jobs
for n in $(seq 70 99); do [[ -e /tmp/.X$n-lock ]] || break; done
export DISPLAY=:$n
stop_all() {
    wineserver -k 2>/dev/null
    [[ -e $scratch/pids ]] && kill $(cat "$scratch/pids") 2>/dev/null
    return 0
}
trap stop_all EXIT

start_x() {
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! >>"$scratch/pids"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    # The start-up timer watches windows mapped on the root, as no window manager frames them.
    [[ "${1:-}" == "--bench" ]] && return
    openbox --sm-disable >/dev/null 2>&1 &
    echo $! >>"$scratch/pids"
}

# A scheduler of our own on a socket in the scratch folder, with one queue
# whose backend keeps each job as it arrives (PostScript from Wine), and
# whose page is all printable, so positions count from the page's corner.
start_cups() {
    local c=$scratch/cups f
    mkdir -p "$c"/{spool,cache,state,tmp,log,jobs,bin/backend}
    for f in /usr/lib/cups/*; do [[ $f == */backend ]] || ln -s "$f" "$c/bin/"; done
    printf '%s\n' '#!/bin/sh' \
        '[ $# -eq 0 ] && { echo "direct keep \"Unknown\" \"keeps each job\""; exit 0; }' \
        'd=${DEVICE_URI#keep:}; cat "${6:--}" >"$d/.job-$1" && mv "$d/.job-$1" "$d/job-$1.ps"' >"$c/bin/backend/keep"
    chmod 0700 "$c/bin/backend/keep"
    printf '%s\n' "ServerRoot $c" "RequestRoot $c/spool" "CacheDir $c/cache" "StateDir $c/state" "TempDir $c/tmp" \
        "ServerBin $c/bin" "ErrorLog $c/log/error_log" "AccessLog $c/log/access_log" "PageLog $c/log/page_log" \
        >"$c/cups-files.conf"
    printf '%s\n' "Listen $c/cups.sock" 'Browsing Off' 'LogLevel warn' \
        '<Location />' 'Order allow,deny' 'Allow all' '</Location>' \
        '<Policy default>' '<Limit All>' 'Order deny,allow' '</Limit>' '</Policy>' >"$c/cupsd.conf"
    local a4='<</PageSize[595 842]/ImagingBBox null>>setpagedevice'
    printf '%s\n' '*PPD-Adobe: "4.3"' '*FormatVersion: "4.3"' '*FileVersion: "1.0"' '*LanguageVersion: English' \
        '*LanguageEncoding: ISOLatin1' '*PCFileName: "KWINDEL.PPD"' '*Manufacturer: "Kwindel"' \
        '*Product: "(Kwindel test printer)"' '*ModelName: "Kwindel test printer"' \
        '*ShortNickName: "Kwindel test printer"' '*NickName: "Kwindel test printer"' '*PSVersion: "(3010.000) 0"' \
        '*LanguageLevel: "3"' '*ColorDevice: False' '*DefaultColorSpace: Gray' '*FileSystem: False' \
        '*Throughput: "1"' '*LandscapeOrientation: Plus90' '*TTRasterizer: Type42' \
        '*OpenUI *PageSize: PickOne' '*DefaultPageSize: A4' "*PageSize A4/A4: \"$a4\"" '*CloseUI: *PageSize' \
        '*OpenUI *PageRegion: PickOne' '*DefaultPageRegion: A4' "*PageRegion A4/A4: \"$a4\"" '*CloseUI: *PageRegion' \
        '*DefaultImageableArea: A4' '*ImageableArea A4/A4: "0 0 595 842"' \
        '*DefaultPaperDimension: A4' '*PaperDimension A4/A4: "595 842"' '*DefaultFont: Courier' >"$c/kwindel.ppd"
    /usr/sbin/cupsd -f -c "$c/cupsd.conf" -s "$c/cups-files.conf" &
    echo $! >>"$scratch/pids"
    for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
    lpadmin -p Kwindel -E -v "keep:$c/jobs" -P "$c/kwindel.ppd"
    lpadmin -d Kwindel
}

# Mshtml stays on: without it Wine drops the .htm association. Wine's own
# fonts go into the prefix, where "MS Sans Serif" is the bitmap face, as on
# Windows. Its browser helper may only reach the stand-in openers.
start_wine() {
    cp tests/support/bin/xdg-open "$scratch/bin/xdg-open"
    cp tests/support/bin/xdg-open "$scratch/bin/xdg-email"
    start_x "$@"
    start_cups
    wineboot -i
    wineserver -w
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d xdg-open /f
    wine reg add 'HKCU\Software\Wine\WineBrowser' /v Mailers /d xdg-email /f
    wineserver -w
    x86_64-w64-mingw32-gcc-posix -O2 -Wall -Werror tests/windows/layered.c -o "$scratch/layered.exe"
}

step "Preparing Wine" start_wine "$@"
if [[ "${1:-}" == "--bench" ]]; then
    bench/wine.sh "$deployed" "$scratch" "$qt" "${2:-15}"
    exit 0
fi
step "Making version $later_version for the upgrade" make_later
step "Testing under Wine" env LC_ALL=C.UTF-8 tests/windows/wine.sh "$setup" "$scratch/layered.exe" \
    "$later/Kwindel-$later_version-win64-setup.exe" "$later/Kwindel" "$portable"
