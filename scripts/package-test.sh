#!/usr/bin/env bash
# The Debian package as a user gets it: builds zef_<version>_<arch>.deb with
# CPack, checks what it carries, installs it with apt-get, compares the
# installed zef-plan's report on the examples with the golden one, and starts
# and closes the installed zef as a freshly created unprivileged user under
# Xvfb. Runs as root (it installs a package and creates a user) and removes
# the package again at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "package-test.sh installs a package: run it as root" >&2; exit 1; }

# dpkg-shlibdeps (dpkg-dev) and file compute the dependencies; the other two
# validate the desktop entry and the metainfo; useradd comes with passwd.
scripts/install-deps.sh dpkg-dev file desktop-file-utils appstream passwd
# Quick when scripts/test.sh has built this folder already.
scripts/build.sh
rm -f build/zef_*.deb
(cd build && cpack -G DEB)
debs=(build/zef_*_"$(dpkg --print-architecture)".deb)
deb=${debs[0]}
echo "== $deb"
dpkg-deb --info "$deb"

unpacked=$(mktemp -d)
checks=$(mktemp -d)
user=zefcheck
trap 'rm -rf "$unpacked" "$checks"; apt-get remove -y zef >/dev/null 2>&1 || true' EXIT

dpkg-deb --extract "$deb" "$unpacked"
for file in usr/bin/zef usr/bin/zef-plan usr/share/applications/zef.desktop \
    usr/share/icons/hicolor/scalable/apps/zef.svg usr/share/metainfo/org.example.zef.metainfo.xml \
    usr/share/man/man1/zef.1.gz usr/share/man/man1/zef-plan.1.gz usr/share/doc/zef/copyright; do
    [ -f "$unpacked/$file" ] || { echo "FAIL: the package lacks /$file" >&2; exit 1; }
done
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 ||
    { echo "FAIL: the dependencies do not name Qt: $(dpkg-deb --field "$deb" Depends)" >&2; exit 1; }
desktop-file-validate "$unpacked/usr/share/applications/zef.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/org.example.zef.metainfo.xml"

DEBIAN_FRONTEND=noninteractive apt-get install -y "./$deb"

echo "== the installed zef-plan on the examples"
cmp <(/usr/bin/zef-plan -C examples) tests/golden/examples-report.txt
echo "PASS: the report matches tests/golden/examples-report.txt"

echo "== the installed zef as a new user"
# The check runs as another user, who may not read this checkout: it gets its
# own copy of the test, its helpers and the close request.
cp tests/system/zef_installed_test.sh tests/system/common.sh build/tests/system/zef_close_request "$checks"
chmod -R a+rX "$checks"
id "$user" >/dev/null 2>&1 || useradd --create-home "$user"
# The check starts from a user without settings: drop those of an earlier run.
rm -rf "$(getent passwd "$user" | cut -d: -f6)/.config/ZeF"
runuser --login "$user" --command "sh $checks/zef_installed_test.sh /usr/bin/zef $checks/zef_close_request"

echo "== the installed zef as root, who may write into /usr/bin"
root_home=$(mktemp -d)
HOME=$root_home XDG_CONFIG_HOME= sh "$checks/zef_installed_test.sh" /usr/bin/zef "$checks/zef_close_request"
rm -rf "$root_home"
