#!/bin/sh
# The checks of a generated HTML page set that need no browser: every page is parsed by libxml2's
# HTML parser (xmllint --html) without a complaint, every link and image names a file of the set
# (and every "#anchor" an anchor of its page; a "file://" picture names a file where it lies), and
# every JPEG decodes (djpeg).
# Usage: html_set_check.sh <set folder> <least number of pages>. Exits 1 on the first missing
# tool, else with the number of failures (capped at 1).
set -eu

set_dir=$1
least_pages=$2
for tool in xmllint djpeg perl; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "FAILED: $tool is not installed"
    exit 1
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-html-set-XXXXXX")
trap 'rm -rf "$work"' EXIT

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
  [ -f "$page" ] || continue
  pages=$((pages + 1))
  name=$(basename "$page")
  if ! xmllint --html --noout "$page" >"$work/parse.log" 2>&1 || [ -s "$work/parse.log" ]; then
    fail "$name does not parse cleanly"
    cat "$work/parse.log"
  else
    echo "ok: $name parses"
  fi
  # Every href and src of the page, image map areas included.
  xmllint --html --xpath '//a/@href | //img/@src | //area/@href' "$page" 2>/dev/null | tr ' ' '\n' |
    sed -n 's/^\(href\|src\)="\(.*\)"$/\2/p' >"$work/links" || true
  while IFS= read -r link; do
    [ -n "$link" ] || continue
    target=${link%%#*}
    case "$target" in
      # A picture file that the set refers to where it lies.
      file://*)
        file=$(decode_url "${target#file://}")
        if [ -f "$file" ]; then echo "ok: $name -> $link"; else fail "$name refers to '$link', which is no file"; fi
        continue
        ;;
    esac
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
[ "$pages" -ge "$least_pages" ] || fail "$pages pages, at least $least_pages expected"

for picture in "$set_dir"/*.jpg; do
  [ -f "$picture" ] || continue
  if djpeg -outfile "$work/picture.ppm" "$picture" 2>"$work/djpeg.log"; then
    echo "ok: $(basename "$picture") decodes ($(head -c 20 "$work/picture.ppm" | sed -n 2p))"
  else
    fail "$(basename "$picture") does not decode"
    cat "$work/djpeg.log"
  fi
done

[ "$failures" -eq 0 ]
