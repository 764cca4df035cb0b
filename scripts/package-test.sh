#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, runs tslq-cli from the
# installed location on a data file and a channel list, checks the desktop
# entry, icon, MIME type and help topics, and removes the package again.
# Usage: scripts/package-test.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build="${1:-build-package}"
if [ "$(id -u)" -eq 0 ]; then SUDO=(); else SUDO=(sudo); fi
export DEBIAN_FRONTEND=noninteractive

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTSLQ_TESTS=OFF -DTSLQ_BENCH=OFF
cmake --build "$build" -j "$(nproc)" --target tslq tslq-cli tslq-sim
rm -f "$build"/tslq_*.deb
(cd "$build" && cpack -G DEB)
deb="$(ls "$build"/tslq_*.deb)"
echo "--- package $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,/Description:/p'

"${SUDO[@]}" apt-get install -y -qq "$(realpath "$deb")"
trap '"${SUDO[@]}" apt-get remove -y -qq tslq >/dev/null 2>&1 || true' EXIT

fail() { echo "package test: $*" >&2; exit 1; }
for f in /usr/bin/tslq /usr/bin/tslq-cli /usr/bin/tslq-sim /usr/share/tslq/help/index.html \
         /usr/share/tslq/translations/tslq_de.qm /usr/share/tslq/translations/tslq_ja.qm \
         /usr/share/applications/tslq.desktop /usr/share/icons/hicolor/scalable/apps/tslq.svg \
         /usr/share/mime/packages/tslq.xml; do
  [ -e "$f" ] || fail "$f is not installed"
done
grep -q '^Exec=tslq %f$' /usr/share/applications/tslq.desktop || fail "desktop entry does not pass one file"
if [ -f /usr/share/mime/globs2 ]; then
  grep -q 'application/x-tslq-data:\*\.qx' /usr/share/mime/globs2 || fail ".qx is not in the MIME database"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"; "${SUDO[@]}" apt-get remove -y -qq tslq >/dev/null 2>&1 || true' EXIT
cd "$work"
export HOME="$work" # the command line only reads the profile; keep the caller's out of it
/usr/bin/tslq-cli help | grep -q import-csv || fail "tslq-cli lists no import-csv"
/usr/bin/tslq-cli new --type KK,0F -o new.qx
head -c 27 new.qx | grep -q 'VANTREL Tessaline for ZT-QX' || fail "tslq-cli new wrote no data file"
printf 'Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,TStep\n0,CALL,146.52,,0.6,,88.5,FM,5.00\n1,RPT,146.94,-,0.6,Tone,100.0,FM,5.00\n' > list.csv
/usr/bin/tslq-cli import-csv --type KK,0F --base new.qx list.csv -o list.qx | grep -q '2 row(s) imported' ||
  fail "import-csv did not import the list"
/usr/bin/tslq-cli export-csv --type KK,0F list.qx -o out.csv 2> report.txt
grep -q '^1,RPT,146.940000,-,0.600000,Tone,100.0,' out.csv || fail "export-csv lost a channel"
grep -q '12 channel(s) exported' report.txt || fail "export-csv report: $(cat report.txt)"
cd /

"${SUDO[@]}" apt-get remove -y -qq tslq
[ ! -e /usr/bin/tslq-cli ] || fail "tslq-cli is still there after removal"
[ ! -e /usr/share/tslq ] || fail "/usr/share/tslq is still there after removal"
echo "package test: installed, ran and removed cleanly"
