#!/bin/sh
# Real readers of a generated HTML page set: the checks of html_set_check.sh (every page parses,
# every link and image names a file and anchor of the set, every JPEG decodes), the texts as
# written, the list pages and image maps, and a headless Chromium takes a screenshot of the
# contents page, of the first page and of the pictures' page into the output folder. The set
# comes from the module test program's sample test: two templates, titles in the contents, a page
# break, mark-up characters and a euro sign, a blank in the file name, a list over three list
# pages whose cells link to a form, a drawing in two tiles with image maps and a picture file.
# Usage: html_readers.sh <test_rpt_module program> <output folder>. Exits 77 (skipped) only when
# Chromium is missing, after every other check has passed.
set -eu

program=$1
out=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-html-readers-XXXXXX")
trap 'rm -rf "$work"' EXIT
set_dir="$work/set"
mkdir "$set_dir"

VAROD9_HTML_SAMPLE_DIR="$set_dir" "$program" --gtest_filter=RptGenerateReportHtml.SampleForTheReaders
test -s "$set_dir/Sample Report.htm" || { echo "no page set was written"; exit 1; }

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# The parse, link and picture checks: the contents page and three pages at least.
sh "$(dirname "$0")/html_set_check.sh" "$set_dir" 4 || fail "the page set does not pass its checks"

# The texts as a browser shows them: no mark-up character escaped twice, none left raw.
grep -qF 'Net &lt;gross&gt; &amp; tax &#8364;<br />' "$set_dir/Samp1.htm" || fail "the text's escapes are not as written"

# A list paged over list pages, and every image map that a tile uses on its page with its areas.
[ -f "$set_dir/Samp4_2.htm" ] || fail "the list was not paged over its list pages"
maps=0
for page in "$set_dir"/*.htm; do
  xmllint --html --xpath '//img/@usemap' "$page" 2>/dev/null | tr ' ' '\n' |
    sed -n 's/^usemap="#\(.*\)"$/\1/p' >"$work/maps" || true
  while IFS= read -r map; do
    maps=$((maps + 1))
    if xmllint --html --xpath "//map[@name='$map']/area" "$page" >/dev/null 2>&1; then
      echo "ok: $(basename "$page") has the map $map with its areas"
    else
      fail "$(basename "$page") uses the map $map, which it does not hold with areas"
    fi
  done <"$work/maps"
done
[ "$maps" -ge 2 ] || fail "$maps image maps, the two tiles of the drawing expected"

[ "$failures" -eq 0 ] || exit 1

for browser in chromium chromium-browser; do
  if command -v "$browser" >/dev/null 2>&1; then
    mkdir -p "$out"
    for shot in "Sample Report.htm:contents.png" "Samp1.htm:page1.png" "Samp5.htm:pictures.png"; do
      page=${shot%%:*}
      png="$out/${shot#*:}"
      rm -f "$png"
      "$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=900,700 \
        --user-data-dir="$work/profile" --screenshot="$png" "file://$(printf '%s' "$set_dir/$page" | sed 's/ /%20/g')" \
        >"$work/browser.log" 2>&1 || true
      if [ -s "$png" ]; then
        echo "ok: screenshot of $page in $png"
      else
        echo "FAILED: no screenshot of $page"
        cat "$work/browser.log"
        exit 1
      fi
    done
    exit 0
  fi
done
echo "skipped: chromium is not installed"
exit 77
