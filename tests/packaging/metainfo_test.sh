#!/usr/bin/env bash
# The AppStream file: valid (also pedantically), and what the validator does
# not look at: each screenshot with an English and a Czech caption, none
# empty, its picture in docs/screenshots/, and the Czech texts whole.
#
#   metainfo_test.sh <metainfo.xml> <docs/screenshots>
set -uo pipefail
metainfo=$1
shots=$2
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"

screenshots=$(grep -c '<screenshot[ >]' "$metainfo")
[ "$screenshots" -ge 1 ] || fail "no screenshot listed"
[ "$(grep -c '<caption>[^<][^<]*</caption>' "$metainfo")" = "$screenshots" ] ||
    fail "not every screenshot has an English caption"
[ "$(grep -c '<caption xml:lang="cs">[^<][^<]*</caption>' "$metainfo")" = "$screenshots" ] ||
    fail "not every screenshot has a Czech caption"
for image in $(sed -n 's|.*<image[^>]*>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo"); do
    [ -f "$shots/$image" ] || fail "screenshot $image is not in $shots"
done
[ "$(grep -c '<p xml:lang="cs">' "$metainfo")" = "$(grep -c '<p>' "$metainfo")" ] ||
    fail "the Czech description has not as many paragraphs as the English one"
for words in 'Procvičování lineárních rovnic' 'Učitelská část chráněná heslem' 'desetinnými'; do
    grep -q "$words" "$metainfo" || fail "the Czech text lost '$words'"
done

[ "$failures" -eq 0 ] || exit 1
echo "metainfo: $screenshots screenshot(s), all checks passed"
