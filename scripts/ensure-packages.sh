#!/usr/bin/env bash
# Installs the Debian packages named as arguments when any of them is missing.
# Safe to run again: nothing happens when everything is there already.
set -euo pipefail

missing=()
for package in "$@"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing Debian packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "error: these Debian packages are missing and this user cannot install them: ${missing[*]}" >&2
    echo "       run as root, or install sudo, or ask an administrator to run: apt-get install ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ! "${as_root[@]}" apt-get update -q; then
    echo "error: apt-get update failed; check the network and /etc/apt/sources.list" >&2
    exit 1
fi
if ! "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    echo "error: could not install: ${missing[*]}" >&2
    exit 1
fi
