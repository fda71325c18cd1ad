#!/bin/sh
# Real readers of a generated HTML page set: every page is parsed by libxml2's HTML parser
# (xmllint --html) without a complaint, every link and image names a file of the set (and every
# "#anchor" an anchor of its page), every JPEG decodes (djpeg), and a headless Chromium takes a
# screenshot of the contents page and of the first page into the output folder. The set comes
# from the module test program's sample test: two templates, titles in the contents, a page
# break, mark-up characters and a euro sign, a blank in the file name.
# Usage: html_readers.sh <test_rpt_module program> <output folder>. Exits 77 (skipped) only when
# Chromium is missing, after every other check has passed.
set -eu

program=$1
out=$2
for tool in xmllint djpeg; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "FAILED: $tool is not installed"
    exit 1
  fi
done

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

# Turns the %XX of a URL back into bytes.
decode_url() {
  printf '%s' "$1" | perl -pe 's/%([0-9A-Fa-f]{2})/chr(hex($1))/ge'
}

pages=0
for page in "$set_dir"/*.htm; do
  pages=$((pages + 1))
  name=$(basename "$page")
  if ! xmllint --html --noout "$page" >"$work/parse.log" 2>&1 || [ -s "$work/parse.log" ]; then
    fail "$name does not parse cleanly"
    cat "$work/parse.log"
  else
    echo "ok: $name parses"
  fi
  # Every href and src of the page.
  xmllint --html --xpath '//a/@href | //img/@src' "$page" 2>/dev/null | tr ' ' '\n' |
    sed -n 's/^\(href\|src\)="\(.*\)"$/\2/p' >"$work/links" || true
  while IFS= read -r link; do
    [ -n "$link" ] || continue
    target=${link%%#*}
    file=$(decode_url "$target")
    if [ ! -f "$set_dir/$file" ]; then
      fail "$name links to '$link', which is no file of the set"
      continue
    fi
    case "$link" in
      *#*)
        anchor=${link#*#}
        if xmllint --html --xpath "//a[@name='$anchor']" "$set_dir/$file" >/dev/null 2>&1; then
          echo "ok: $name -> $link"
        else
          fail "$name links to '$link', whose page has no such anchor"
        fi
        ;;
      *) echo "ok: $name -> $link" ;;
    esac
  done <"$work/links"
done
[ "$pages" -ge 4 ] || fail "$pages pages, at least 4 expected (contents and three pages)"

for picture in "$set_dir"/*.jpg; do
  if djpeg -outfile "$work/picture.ppm" "$picture" 2>"$work/djpeg.log"; then
    echo "ok: $(basename "$picture") decodes ($(head -c 20 "$work/picture.ppm" | sed -n 2p))"
  else
    fail "$(basename "$picture") does not decode"
    cat "$work/djpeg.log"
  fi
done

# The texts as a browser shows them: no mark-up character escaped twice, none left raw.
grep -qF 'Net &lt;gross&gt; &amp; tax &#8364;<br />' "$set_dir/Samp1.htm" || fail "the text's escapes are not as written"

[ "$failures" -eq 0 ] || exit 1

for browser in chromium chromium-browser; do
  if command -v "$browser" >/dev/null 2>&1; then
    mkdir -p "$out"
    for shot in "Sample Report.htm:contents.png" "Samp1.htm:page1.png"; do
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
