"""Headless Chromium driven over its DevTools protocol, with the page's site served on localhost.

Python and python3-websocket rather than puppeteer: CI installs Debian packages only, and npm's
are not among them."""
import contextlib
import functools
import http.server
import json
import pathlib
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket


@contextlib.contextmanager
def served(site):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    handler = functools.partial(Quiet, directory=site)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        yield f'http://127.0.0.1:{server.server_port}/'
    finally:
        server.shutdown()


class Browser:
    """One headless Chromium with one page; `flags` are added to its command line."""

    def __init__(self, flags=(), binary='chromium'):
        # Chromium's helpers may still be writing the profile as the browser ends.
        self.profile = tempfile.TemporaryDirectory(ignore_cleanup_errors=True)
        self.process = subprocess.Popen(
            [binary, '--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
             '--autoplay-policy=no-user-gesture-required', '--remote-debugging-port=0',
             f'--user-data-dir={self.profile.name}', *flags, 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = pathlib.Path(self.profile.name, 'DevToolsActivePort')
        deadline = time.monotonic() + 20
        while not port_file.exists() or not port_file.read_text().strip():
            if time.monotonic() > deadline:
                raise RuntimeError('chromium did not open its DevTools port')
            time.sleep(0.05)
        port = port_file.read_text().split()[0]
        targets = json.load(urllib.request.urlopen(f'http://127.0.0.1:{port}/json/list'))
        page = next(t for t in targets if t['type'] == 'page')
        self.socket = websocket.create_connection(page['webSocketDebuggerUrl'], timeout=30)
        self.next_id = 0

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({'id': self.next_id, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('id') == self.next_id:
                if 'error' in message:
                    raise RuntimeError(f'{method}: {message["error"]}')
                return message['result']

    def evaluate(self, expression):
        result = self.call('Runtime.evaluate', expression=expression, awaitPromise=True,
                           returnByValue=True)
        if 'exceptionDetails' in result:
            raise RuntimeError(f'{expression}: {result["exceptionDetails"]}')
        return result['result'].get('value')

    def wait_for(self, expression, timeout=10):
        deadline = time.monotonic() + timeout
        while not self.evaluate(expression):
            if time.monotonic() > deadline:
                raise TimeoutError(expression)
            time.sleep(0.05)

    def press(self, code, key):
        for kind in ('keyDown', 'keyUp'):
            self.call('Input.dispatchKeyEvent', type=kind, code=code, key=key)

    def close(self):
        self.socket.close()
        self.process.terminate()
        self.process.wait(timeout=10)
        self.profile.cleanup()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
