#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
"""Serves a folder of static files on 127.0.0.1, as any web server would serve
the built site, with the media types browsers insist on (application/wasm
for the module above all).

    serve.py DIR [--port N] [--quiet]
"""
import argparse
import functools
import http.server
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


class Handler(http.server.SimpleHTTPRequestHandler):
    # Keep-alive: a page's files come over the connections it has open.
    protocol_version = "HTTP/1.1"
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}
    quiet = False

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
