"""The page in headless Chromium, fed a constant level by Chromium's fake capture device: its
picture equals the native engine's, keys choose, blocks arrive at the sound's pace, a refused
microphone is explained.

Usage: page_test.py SITE_DIR ORVANTA2_RENDER"""
import base64
import io
import os
import subprocess
import sys
import tempfile
import time
import struct
import unittest
import wave

from PIL import Image

from devtools import Browser, served

SITE, RENDER = sys.argv[1], sys.argv[2]
# Not on a rounding edge of the 8-bit rule, so the browser's resampling cannot move it.
LEVEL = 0.25
STYLES = (0, 1, 7)  # the first by the address, then two steps of the Right key and N


def canvas_picture(browser):
    url = browser.evaluate("document.getElementById('pane').toDataURL('image/png')")
    return Image.open(io.BytesIO(base64.b64decode(url.split(',', 1)[1]))).convert('RGB')


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.level = os.path.join(cls.folder.name, 'level.wav')
        # Whole blocks, so the native picture's last block is not filled up with silence; written
        # here, since sox's synthesiser rings even at 0 Hz.
        with wave.open(cls.level, 'wb') as level:
            level.setnchannels(2)
            level.setsampwidth(2)
            level.setframerate(11025)
            level.writeframes(struct.pack('<2h', *[round(LEVEL * 32768)] * 2) * (256 * 128))

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def native_picture(self, style):
        png = os.path.join(self.folder.name, f'style{style}.png')
        subprocess.run([RENDER, '--quiet', '--overwrite', '--style', str(style), self.level, png],
                       check=True)
        return Image.open(png).convert('RGB')

    def open_page(self, browser, site, query):
        browser.call('Page.navigate', url=f'{site}index.html?{query}')
        browser.wait_for("window.orvantaStatus && orvantaStatus.pictures > 0")

    def test_the_level_drawn_as_natively_in_three_styles_chosen_by_address_and_keys(self):
        flags = ['--use-fake-device-for-media-stream', '--use-fake-ui-for-media-stream',
                 f'--use-file-for-fake-audio-capture={self.level}']
        with served(SITE) as site, Browser(flags) as browser:
            self.open_page(browser, site, f'style={STYLES[0]}&source=mic&start=1')
            for style, key in zip(STYLES, (None, ('ArrowRight', 'ArrowRight'), ('KeyN', 'n'))):
                while key and browser.evaluate("+document.getElementById('style').value") < style:
                    browser.press(*key)
                with self.subTest(style=style):
                    expected = self.native_picture(style)
                    self.assertEqual(len(set(expected.getdata())) > 1, True)
                    blocks = browser.evaluate('orvantaStatus.blocks')
                    browser.wait_for(f'orvantaStatus.blocks > {blocks + 10}')
                    time.sleep(0.1)  # an animation frame shows the latest block
                    self.assertEqual(list(canvas_picture(browser).getdata()),
                                     list(expected.getdata()))
            # The fake device plays its file at its pace: 11025 / 256 blocks a second.
            first, started = browser.evaluate('orvantaStatus.blocks'), time.monotonic()
            time.sleep(2)
            rate = (browser.evaluate('orvantaStatus.blocks') - first) / (time.monotonic() - started)
            self.assertAlmostEqual(rate, 11025 / 256, delta=4)

    def test_a_refused_microphone_is_explained_and_the_page_stays_usable(self):
        with served(SITE) as site, Browser(['--use-fake-device-for-media-stream']) as browser:
            browser.call('Browser.setPermission', permission={'name': 'microphone'},
                         setting='denied')
            self.open_page(browser, site, 'style=0&source=mic&start=1')
            browser.wait_for('orvantaStatus.message !== ""')
            self.assertFalse(browser.evaluate("document.getElementById('start').disabled"))
            browser.press('ArrowRight', 'ArrowRight')
            self.assertEqual(browser.evaluate("+document.getElementById('style').value"), 1)


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1])
