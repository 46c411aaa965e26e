#!/usr/bin/python3
"""The page's speed and size, printed (not asserted): drawing one block in WebAssembly in headless
Chromium against the native benchmark (goal: the worst style within 2x), page load to the first
picture on localhost (goal: 1 s), the .wasm and JavaScript gzipped (goal: 150 KB).

Usage: tools/measure/web-speed.py SITE_DIR NATIVE_BENCHMARKS"""
import gzip
import json
import pathlib
import subprocess
import sys
import tempfile
import wave

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / 'tests' / 'web'))
from devtools import Browser, served  # noqa: E402

site, benchmarks = sys.argv[1], sys.argv[2]

# The native benchmark's block (a loud sine over 51 samples, scheme 8, clearing), each style and
# pen width, timed over many blocks; a block goes in as the worklet hands it over.
WASM_TIMING = """(() => {
  const e = window.engine, times = {};
  const address = e._orvOpenSound(11025, 1, 256);
  for (let i = 0; i < 256; ++i)
    e.HEAPF32[address / 4 + i] = (Math.round(128 + 100 * Math.sin(2 * Math.PI * i / 51)) - 128) / 128;
  for (let style = 0; style < 25; ++style) for (const width of [1, 4]) {
    const runs = 400, begin = performance.now();
    for (let r = 0; r < runs; ++r) e._orvTakeSound(256, style, 8, 1, width);
    times[`${style}/${width}`] = (performance.now() - begin) * 1000 / runs;
  }
  return times;
})()"""

native = {}
report = json.loads(subprocess.run(
    [benchmarks, '--benchmark_filter=DrawFrame', '--benchmark_format=json',
     '--benchmark_min_time=0.05'], check=True, capture_output=True, text=True).stdout)
for run in report['benchmarks']:
    name = run['name'].split('/')  # DrawFrame/style:S/width:W
    native[f"{name[1].split(':')[1]}/{name[2].split(':')[1]}"] = run['real_time']

with tempfile.TemporaryDirectory() as folder:
    level = f'{folder}/silence.wav'
    with wave.open(level, 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(11025)
        out.writeframes(b'\0\0' * 11025)
    flags = ['--use-fake-device-for-media-stream', '--use-fake-ui-for-media-stream',
             f'--use-file-for-fake-audio-capture={level}']
    with served(site) as address, Browser(flags) as browser:
        loads = []
        for _ in range(3):
            browser.call('Page.navigate', url=f'{address}index.html?source=mic&start=1')
            browser.wait_for('window.orvantaStatus && orvantaStatus.firstPictureMs !== null')
            loads.append(browser.evaluate('orvantaStatus.firstPictureMs'))
        browser.evaluate('window.engine = null')
        wasm = browser.evaluate('createOrvanta().then((e) => { e._orvCreatePane(); '
                                'window.engine = e; return ' + WASM_TIMING + '; })')

worst_native = max(native, key=native.get)
worst_wasm = max(wasm, key=wasm.get)
print(f'one block, worst style: WebAssembly {wasm[worst_wasm]:.1f} us (style/width {worst_wasm}),'
      f' native {native[worst_native]:.1f} us ({worst_native}):'
      f' {wasm[worst_wasm] / native[worst_native]:.2f}x (goal <= 2x)')
ratios = sorted((wasm[k] / native[k], k) for k in native if native[k] > 1)
print(f'the same style and width, blocks over 1 us natively: {ratios[0][0]:.2f}x ({ratios[0][1]})'
      f' to {ratios[-1][0]:.2f}x ({ratios[-1][1]})')
print(f'page load to first picture: {", ".join(f"{t:.0f}" for t in loads)} ms (goal <= 1000)')
sizes = {p.name: len(gzip.compress(p.read_bytes(), 9))
         for p in pathlib.Path(site).iterdir() if p.suffix in ('.js', '.wasm')}
print(f'gzipped: {", ".join(f"{n} {s / 1024:.1f} KB" for n, s in sorted(sizes.items()))};'
      f' together {sum(sizes.values()) / 1024:.1f} KB (goal <= 150 KB)')
