# Sourced by the readers' scripts: `expect READER FILE TEXT` says whether a reader's text shows a
# text, and counts what it does not show in `failures`.
failures=0
expect() { # reader text wanted
  if grep -qF -- "$3" "$2"; then
    echo "ok: $1 shows '$3'"
  else
    echo "FAILED: $1 does not show '$3'"
    failures=$((failures + 1))
  fi
}
