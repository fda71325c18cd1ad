# Sourced by the readers' scripts: each check says what it found and counts what it did not find
# in `failures`. `expect READER FILE TEXT` says whether a reader's text shows a text.
failures=0
expect() { # reader text wanted
  if grep -qF -- "$3" "$2"; then
    echo "ok: $1 shows '$3'"
  else
    echo "FAILED: $1 does not show '$3'"
    failures=$((failures + 1))
  fi
}
# `expect_pages READER PDF LEAST` says whether a PDF has at least LEAST pages; it leaves their
# number in `pages`.
expect_pages() { # reader pdf least
  pages=$(pdfinfo "$2" | sed -n 's/^Pages:[[:space:]]*//p')
  if [ "${pages:-0}" -ge "$3" ]; then
    echo "ok: $1 has $pages pages"
  else
    echo "FAILED: $1 has ${pages:-no} pages, at least $3 expected"
    failures=$((failures + 1))
  fi
}
# `require_readers TOOL...` skips the script (exit 77) when a reader it needs is not installed.
require_readers() { # tool...
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "skipped: $tool is not installed"
      exit 77
    fi
  done
}
