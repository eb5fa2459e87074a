#!/usr/bin/env bash
# Each source file the README and docs/ name in backquotes is in the tree, and each program
# message they quote ("trumbel: …") is in the source.
cd "$1" && files=$(git ls-files 2>/dev/null) || { echo "SKIP: not a git checkout"; exit 77; }
status=0
for name in $(grep -oh '`[^`]*`' README.md docs/*.md | tr -d '`' | grep -E '^([a-z]+/)+[A-Za-z]|^[A-Za-z]+\.(h|cpp)$' |
  grep -Ev '^(bin|share|build|sub)/|[<*$ ]' | sort -u); do
  grep -q "^${name%/}\|/$name\$" <<<"$files" || { echo "the docs name \`$name\`, not in the tree"; status=1; }
done
while IFS= read -r quoted; do
  git grep -qF -- "$quoted" -- '*.cpp' '*.h' || { echo "the docs quote \"$quoted\", which no program prints"; status=1; }
done < <(grep -ohE '"trumbel: [^"]*"' README.md docs/*.md | tr -d '"')
exit "$status"
