#!/usr/bin/env python3
"""HTTP/1.0 server for the download tests on an ephemeral loopback port: prints
the port, then serves until killed. Each request's head is written to the
file named by the first argument.

  /dl/NAME?size=N[&script=1]   200, N bytes; a "#!" script when script=1
  /slow/NAME?size=N            200, N bytes announced, 1000 bytes every 0.1 s
  /broken/NAME?size=N          200, N bytes announced, half sent, then closed
  /redirect/NAME               302 to /dl/NAME?size=10
  anything else                404
"""
import sys
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit

HEAD_LOG = sys.argv[1]


def body_of(size, script):
    if not script:
        return b"A" * size
    text = b"#!/bin/sh\nexit 0\n"
    return (text + b"#" * max(0, size - len(text) - 1) + b"\n")[:size]


class Handler(BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_GET(self):
        with open(HEAD_LOG, "wb") as log:
            log.write(self.requestline.encode("latin-1") + b"\r\n")
            for name, value in self.headers.items():
                log.write(f"{name}: {value}\r\n".encode("latin-1"))
        url = urlsplit(self.path)
        query = parse_qs(url.query)
        size = int(query.get("size", ["0"])[0])
        kind = url.path.split("/")[1] if url.path.count("/") >= 2 else ""
        if kind in ("dl", "slow", "broken"):
            body = body_of(size, query.get("script") == ["1"])
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(size))
            self.end_headers()
            if kind == "dl":
                self.wfile.write(body)
            elif kind == "broken":
                self.wfile.write(body[: size // 2])
                self.wfile.flush()
                self.close_connection = True
            else:
                try:
                    for start in range(0, size, 1000):
                        self.wfile.write(body[start:start + 1000])
                        self.wfile.flush()
                        time.sleep(0.1)
                except (BrokenPipeError, ConnectionResetError):
                    pass  # the client stopped the download
        elif kind == "redirect":
            self.send_response(302)
            self.send_header("Location", "/dl/" + url.path.split("/")[2] + "?size=10")
            self.send_header("Content-Length", "0")
            self.end_headers()
        else:
            self.send_error(404)


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
