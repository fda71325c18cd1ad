#!/bin/sh
# The stand-in host's template editor driven by the example script: the script builds a template
# on the sample model from the module's available items and saves it as an XML template document
# (xmllint reads it when it is installed); a second edit closes the editor with Esc; the host
# generates RTF from the saved template and pandoc reads the report. The host's record shows the
# editor's frame and title, and the frame closing at Esc.
# Usage: rpthost_edit_readers.sh <rpthost program> <examples folder>. Exits 77 (skipped) only when
# pandoc is missing, after the edit and the generation have passed.
set -eu

program=$1
examples=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/varod9-rpthost-edit-XXXXXX")
trap 'rm -rf "$work"' EXIT
saved="$work/edited.rtp"
report="$work/edited.rtf"

failures=0
expect() { # what text-file text
  if grep -qF -- "$3" "$2"; then
    echo "ok: $1 shows '$3'"
  else
    echo "FAILED: $1 does not show '$3'"
    failures=$((failures + 1))
  fi
}

"$program" edit "$saved" --script "$examples/edit-sample.script" --verbose >"$work/edit.log"
cat "$work/edit.log"
test -s "$saved" || { echo "the edited template was not saved"; exit 1; }
# The template editor's frame under its caption, titled after the report, and the Tab key.
expect "the host's record" "$work/edit.log" "host: CreateViewFrame Report Template"
expect "the host's record" "$work/edit.log" "host: SetTitle Report Template, Online shop"
expect "the host's record" "$work/edit.log" "host: Fire 6101"
expect "the edit" "$work/edit.log" "(7 items)"

# The template is the XML document that the templates folder and the editor read.
head -c 5 "$saved" >"$work/head.txt"
expect "the saved template" "$work/head.txt" "<?xml"
if command -v xmllint >/dev/null 2>&1; then
  xmllint --noout "$saved" || { echo "FAILED: xmllint does not read the saved template"; failures=$((failures + 1)); }
fi

# A second edit of the saved template opens it again; Esc closes the editor, which saves it
# unchanged in content.
printf 'model %s\nkey esc\n' "$examples/sample-model.xml" >"$work/esc.script"
"$program" edit "$saved" --script "$work/esc.script" --verbose >"$work/again.log"
expect "the second edit" "$work/again.log" "(7 items)"
grep -A1 -F "host: Fire 122" "$work/again.log" >"$work/closed.txt" || true
expect "the host's record" "$work/closed.txt" "host: Close Report Template"

"$program" generate --model "$examples/sample-model.xml" --template "$saved" -o "$report"
test -s "$report" || { echo "no report was written from the edited template"; exit 1; }

if ! command -v pandoc >/dev/null 2>&1; then
  echo "skipped: pandoc is not installed"
  [ "$failures" -eq 0 ] || exit 1
  exit 77
fi
pandoc -f rtf -t plain --wrap=none "$report" -o "$work/report.txt"
# The title page, the contents, the entity list, and the card and attributes of the first and
# last entities: every item the script dropped.
for text in "Online shop" "Table of contents" "Relationships" "A person or company that places orders" \
  "places -> Order (0..n)" "CustomerId" "AuditEntry"; do
  expect pandoc "$work/report.txt" "$text"
done

[ "$failures" -eq 0 ] || exit 1
