#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, once; later calls are quick.
set -euo pipefail

packages=(cmake make g++ clang libclang-rt-14-dev googletest
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine64 fonts-wine python3 xvfb xdotool x11-utils imagemagick gifsicle giflib-tools locales tzdata)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then echo "setup: run as root to install packages" >&2; exit 1; fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Both locales the Windows suites run in.
for loc in en_US ru_RU; do
    if ! locale -a 2>/dev/null | grep -qi "^${loc}\.utf-\?8$"; then
        [ "$(id -u)" -eq 0 ] || { echo "setup: run as root to generate $loc.UTF-8" >&2; exit 1; }
        sed -i "s/^# *\(${loc}.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -q "^${loc}.UTF-8 UTF-8" /etc/locale.gen || echo "${loc}.UTF-8 UTF-8" >> /etc/locale.gen
        regen=1
    fi
done
if [ "${regen:-0}" = 1 ]; then locale-gen >/dev/null; fi

# Wine running as root opens read-only files for writing, so tests run as this user.
if [ "$(id -u)" -eq 0 ] && ! id velmortest >/dev/null 2>&1; then
    useradd --system --no-create-home --shell /usr/sbin/nologin velmortest
fi
