#!/usr/bin/env python3
"""A stand-in for the retailer's web server, for trying Quarvel offline and for its tests.

It answers the compatible-memory page (/mc/quarvel.asp) with a page listing the values it received,
and the chat page (/support/UserPreChat.aspx) with a short greeting. Every request is logged, one
line each, as its path and query exactly as received.
"""

import argparse
import html
import http.server
import sys
import urllib.parse

PAGE = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>{title}</title>
<style>
body {{ font-family: sans-serif; margin: 12px; color: #222; }}
h1 {{ font-size: 16px; color: #12468f; margin: 0 0 8px; }}
table {{ border-collapse: collapse; font-size: 12px; }}
td, th {{ border: 1px solid #ccd; padding: 2px 8px; text-align: left; }}
th {{ background: #eef3fb; }}
p {{ font-size: 12px; }}
</style></head>
<body><h1>{title}</h1>{body}</body></html>
"""


class StandIn(http.server.BaseHTTPRequestHandler):
    log_file = None

    def do_GET(self):
        if self.log_file:
            self.log_file.write(self.path + "\n")
            self.log_file.flush()
        url = urllib.parse.urlsplit(self.path)
        if url.path == "/mc/quarvel.asp":
            rows = "".join(
                f"<tr><th>{html.escape(key)}</th><td>{html.escape(value)}</td></tr>"
                for key, value in urllib.parse.parse_qsl(url.query, keep_blank_values=True))
            self.answer(200, "Compatible memory upgrades (local stand-in)",
                        "<p>The retailer's page would list the memory that fits this machine. "
                        f"It received:</p><table>{rows}</table>")
        elif url.path == "/support/UserPreChat.aspx":
            self.answer(200, "Live chat (local stand-in)",
                        "<p>A customer representative would greet you here.</p>")
        else:
            self.answer(404, "Not found", f"<p>{html.escape(url.path)}</p>")

    def answer(self, status, title, body):
        content = PAGE.format(title=html.escape(title), body=body).encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(content)))
        self.end_headers()
        self.wfile.write(content)

    def log_message(self, format, *args):
        pass  # the request log above is the one that matters


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, default=0, help="port on 127.0.0.1 (0: any free one)")
    parser.add_argument("--log", help="file that receives one line per request")
    args = parser.parse_args()
    if args.log:
        StandIn.log_file = open(args.log, "a", encoding="utf-8")
    server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port), StandIn)
    print(f"127.0.0.1:{server.server_address[1]}", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
