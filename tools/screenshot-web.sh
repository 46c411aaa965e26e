#!/usr/bin/env bash
# A picture of the page at work in headless Chromium: the demo tones (tools/tones.py) fed to
# Chromium's fake microphone, the page started by its address, the tab saved as a PNG after
# about two seconds.
#
# Usage: tools/screenshot-web.sh [OUT.png] [QUERY]
# Default: build the site (tools/build-web.sh) and write docs/web-screenshot.png of style 13,
# scheme 8, pen 2.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
png=${1:-$root/docs/web-screenshot.png}
query=${2:-style=13&scheme=8&penWidth=2}
"$root/tools/build-web.sh" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/tools/tones.py" "$work/tones.u8"
sox -t u8 -r 11025 -c 1 "$work/tones.u8" -b 16 "$work/tones.wav"
/usr/bin/python3 - "$root" "$png" "$query" "$work/tones.wav" <<'PY'
import base64, sys, time
root, png, query, sound = sys.argv[1:]
sys.path.insert(0, f'{root}/tests/web')
from devtools import Browser, served
flags = ['--use-fake-device-for-media-stream', '--use-fake-ui-for-media-stream',
         f'--use-file-for-fake-audio-capture={sound}', '--window-size=1000,800']
with served(f'{root}/build/web') as site, Browser(flags) as browser:
    browser.call('Page.navigate', url=f'{site}index.html?{query}&source=mic&start=1')
    browser.wait_for('window.orvantaStatus && orvantaStatus.blocks > 0')
    time.sleep(2)
    shot = browser.call('Page.captureScreenshot', format='png')['data']
with open(png, 'wb') as out:
    out.write(base64.b64decode(shot))
print(f'screenshot-web: {png}')
PY
