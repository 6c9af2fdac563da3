#!/bin/sh
# Runs a command under the locale given (LC_ALL), or exits 77, which the test
# counts as skipped, when the system does not have that locale.
locale=$1
shift
want=$(printf '%s' "$locale" | tr 'A-Z' 'a-z' | sed 's/utf-\{0,1\}8$/utf8/')
if ! locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-\{0,1\}8$/utf8/' | grep -qx "$want"; then
  echo "skipped: the locale $locale is not installed here (make test generates it with localedef)"
  exit 77
fi
LC_ALL=$locale exec "$@"
