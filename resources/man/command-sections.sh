#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints a help2man include with a section for each command of korvisel-cli: its own --help text,
# kept as laid out. Usage: command-sections.sh KORVISEL-CLI OUT.h2m
set -euo pipefail
cli="$1"
out="$2"
{
    echo "[COMMANDS]"
    for command in info check convert ports read write verify diff report apply; do
        echo ".SS $command"
        echo ".nf"
        # Backslashes and lines that start with a dot or quote would be read as roff.
        "$cli" "$command" --help | sed -e 's/\\/\\e/g' -e "s/^\([.']\)/\\\\\&\1/"
        echo ".fi"
    done
} >"$out.tmp"
mv "$out.tmp" "$out"
