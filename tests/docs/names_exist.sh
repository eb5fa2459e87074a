#!/usr/bin/env bash
# The README and docs/ name files and messages of this source tree: each file they name in
# backquotes is there, and each program message they quote ("trumbel: …") is in the source.
set -u
cd "$1" || exit 1
files=$(git ls-files 2>/dev/null) || {
  echo "SKIP: not a git checkout"
  exit 77
}
status=0
while IFS=: read -r doc name; do
  case $name in
  *'<'* | *'*'* | *' '* | *'$'*) continue ;;
  */*) grep -q "^${name%/}" <<<"$files" ;;
  *) grep -q "/$name\$\|^$name\$" <<<"$files" ;;
  esac || {
    echo "$doc names \`$name\`, which is not in the tree"
    status=1
  }
done < <(grep -o '`[^`]*`' README.md docs/*.md | sed 's/`//g' |
  grep -E ':((base|platform|resources|settings|measure|skin|tray|menus|functions|clock|about|options|core|tools|tests|bench|packaging|scripts|cmake)/|[A-Za-z]+\.(h|cpp)$)')
while IFS= read -r quoted; do
  git grep -qF -- "$quoted" -- '*.cpp' '*.h' || {
    echo "the docs quote \"$quoted\", which no program prints"
    status=1
  }
done < <(grep -ohE '"trumbel: [^"]*"' README.md docs/*.md | tr -d '"')
exit "$status"
