#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""Serves a folder of static files on 127.0.0.1, as any web server would serve
the built site, with the media types browsers insist on (application/wasm
for the module above all), and gzip-compressed where the browser takes it,
as web hosts send text and the module.

    serve.py DIR [--port N] [--quiet]
"""
import argparse
import email.utils
import functools
import gzip
import http.server
import io
import os
import sys

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".wasm": "application/wasm",
    ".svg": "image/svg+xml",
    ".png": "image/png",
    ".woff2": "font/woff2",
    ".txt": "text/plain; charset=utf-8",
    ".webmanifest": "application/manifest+json",
}


COMPRESSED = (".html", ".css", ".js", ".wasm", ".svg", ".txt", ".webmanifest", ".json")


class Handler(http.server.SimpleHTTPRequestHandler):
    # Keep-alive: a page's files come over the connections it has open.
    protocol_version = "HTTP/1.1"
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}
    quiet = False
    compressed = {}  # path -> (modification time, gzip's bytes)

    def send_head(self):
        """The file gzip-compressed where the browser accepts gzip and the
        file is text or the module; anything else as the standard handler
        sends it."""
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if ("gzip" not in self.headers.get("Accept-Encoding", "") or
                not path.endswith(COMPRESSED) or not os.path.isfile(path)):
            return super().send_head()
        modified = os.stat(path).st_mtime
        cached = self.compressed.get(path)
        if cached is None or cached[0] != modified:
            with open(path, "rb") as f:
                cached = (modified, gzip.compress(f.read(), mtime=0))
            self.compressed[path] = cached
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Content-Length", str(len(cached[1])))
        self.send_header("Last-Modified", email.utils.formatdate(modified, usegmt=True))
        self.end_headers()
        return io.BytesIO(cached[1])

    def log_message(self, format, *args):
        if not self.quiet:
            super().log_message(format, *args)


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        """A browser that goes away with a connection open is no error."""
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def main():
    parser = argparse.ArgumentParser(description="Serve a static site on 127.0.0.1.")
    parser.add_argument("directory")
    parser.add_argument("--port", type=int, default=8000)
    parser.add_argument("--quiet", action="store_true")
    options = parser.parse_args()
    Handler.quiet = options.quiet
    handler = functools.partial(Handler, directory=options.directory)
    server = Server(("127.0.0.1", options.port), handler)
    print(f"Serving {options.directory} on http://127.0.0.1:{server.server_port}/", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
