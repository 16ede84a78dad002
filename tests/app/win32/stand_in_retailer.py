#!/usr/bin/env python3
"""A stand-in for the retailer's web host: answers every GET with a small page and appends the
request's path and query, as received, to a log file, one line each."""
import http.server
import sys


class Handler(http.server.BaseHTTPRequestHandler):
    log_path = ""

    def do_GET(self):
        with open(self.log_path, "a", encoding="utf-8") as log:
            log.write(self.path + "\n")
        body = b"<html><body><h1>Stand-in retailer</h1></body></html>"
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def main():
    port, Handler.log_path = int(sys.argv[1]), sys.argv[2]
    http.server.HTTPServer(("127.0.0.1", port), Handler).serve_forever()


if __name__ == "__main__":
    main()
