#!/usr/bin/env python3
"""A small update server for trying the live update by hand and for the tests.

Answers the simulator's three requests from files of FOLDER:
  getUpdate.php?...&download=NO   -> version.txt     (the newest version)
  getUpdate2.php?...               -> newsletter.zip  (the news package)
  getUpdate.php?...&download=YES  -> patch.zip       (the update package)
and any other path from the file of that name. A missing file answers 404.
Beside an answer file, NAME.status holds another status to answer with,
NAME.hang makes the server never answer, NAME.chunked sends the body without
a length and NAME.redirect holds an address to redirect to.
Prints "port N" once it listens. Binds 127.0.0.1 only.
"""
import argparse
import os
import shutil
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import parse_qs, urlsplit


def answer_file(path, query):
    name = path.lstrip("/")
    if name == "getUpdate.php":
        download = parse_qs(query).get("download", [""])[0]
        return "patch.zip" if download == "YES" else "version.txt"
    if name == "getUpdate2.php":
        return "newsletter.zip"
    return name


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    folder = "."
    log = None
    lock = threading.Lock()

    def log_message(self, *args):
        pass

    def sidecar(self, name, suffix):
        p = os.path.join(self.folder, name + suffix)
        if not os.path.isfile(p):
            return None
        with open(p, "r", encoding="utf-8") as f:
            return f.read().strip()

    def do_GET(self):
        if self.log:
            with self.lock, open(self.log, "a", encoding="utf-8") as f:
                f.write(self.path + "\n")
        parts = urlsplit(self.path)
        name = answer_file(parts.path, parts.query)
        if ".." in name.split("/"):
            return self.plain(404, b"not found")
        if self.sidecar(name, ".hang") is not None:
            time.sleep(3600)
            return
        target = self.sidecar(name, ".redirect")
        if target:
            self.send_response(302)
            self.send_header("Location", target)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        path = os.path.join(self.folder, name)
        if not os.path.isfile(path):
            return self.plain(404, b"not found")
        status = int(self.sidecar(name, ".status") or 200)
        chunked = self.sidecar(name, ".chunked") is not None
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        if chunked:
            self.send_header("Transfer-Encoding", "chunked")
        else:
            self.send_header("Content-Length", str(os.path.getsize(path)))
        self.end_headers()
        with open(path, "rb") as f:
            if not chunked:
                shutil.copyfileobj(f, self.wfile, 1 << 20)
                return
            while True:
                block = f.read(1 << 16)
                if not block:
                    break
                self.wfile.write(b"%x\r\n%s\r\n" % (len(block), block))
            self.wfile.write(b"0\r\n\r\n")

    def plain(self, status, body):
        self.send_response(status)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("folder")
    ap.add_argument("--port", type=int, default=8765, help="0 picks a free port")
    ap.add_argument("--log", help="append every request's path and query to this file")
    args = ap.parse_args()
    Handler.folder = os.path.abspath(args.folder)
    Handler.log = args.log
    server = ThreadingHTTPServer(("127.0.0.1", args.port), Handler)
    server.daemon_threads = True
    print("port %d" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    sys.exit(main())
