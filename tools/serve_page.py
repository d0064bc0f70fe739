#!/usr/bin/env python3
"""Serves the browser page's folder on 127.0.0.1 only, at port 8000 when it is
free and at any free port otherwise, and prints the page's address.

    serve_page.py FOLDER
"""

import functools
import http.server
import sys

PREFERRED_PORT = 8000


def main(folder):
    handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=folder)
    try:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", PREFERRED_PORT), handler)
    except OSError:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    with server:
        print(f"korTalwind in a browser: http://127.0.0.1:{server.server_port}/kortalwind.html"
              " (Ctrl+C stops the server)", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main(sys.argv[1])
