#!/bin/sh
# Rebuilds the draft of data/verbs.txt from the verb list, the generator, the
# model verbs and the reviewed corrections. Review the diff before committing.
set -e
here=$(dirname "$0")
root="$here/../.."
{
  cat "$here/source_header.txt"
  python3 "$here/verbdraft.py" --models "$root/tests/data/verb_models.txt" \
    --corrections "$here/corrections.txt" < "$here/verbs.list"
} > "$root/data/verbs.txt"
