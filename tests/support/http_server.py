#!/usr/bin/env python3
"""A web server on 127.0.0.1 for the download tests. Binds to a free port, prints it on
a line of its own and serves until it is ended.

  http_server.py files DIR   serves the files of DIR; besides them
                             /headers            answers with the request's first line
                                                 and headers, CR LF ended
                             /redirect/N/NAME    redirects N times, then serves NAME
                             /elsewhere/SCHEME/...  redirects to SCHEME://127.0.0.1:port/
  http_server.py silent      accepts connections and never answers
  http_server.py slow MS N   answers every request with N bytes "x", one each MS ms
"""
import http.server
import socket
import sys
import threading
import time


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def redirect(self, location):
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def do_GET(self):
        parts = self.path.split("/")
        if self.path == "/headers":
            body = (self.requestline + "\r\n" + str(self.headers).replace("\n", "\r\n")).encode()
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
        elif len(parts) == 4 and parts[1] == "redirect":
            hops = int(parts[2])
            if hops == 0:
                self.path = "/" + parts[3]
                super().do_GET()
            else:
                self.redirect("/redirect/%d/%s" % (hops - 1, parts[3]))
        elif len(parts) >= 3 and parts[1] == "elsewhere":
            self.redirect("%s://127.0.0.1:%d/" % (parts[2], self.server.server_port))
        else:
            super().do_GET()


def serve_files(folder):
    handler = lambda *args: Handler(*args, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    print(server.server_port, flush=True)
    server.serve_forever()


def serve_raw(answer):
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    print(listener.getsockname()[1], flush=True)
    while True:
        connection, _ = listener.accept()
        threading.Thread(target=answer, args=(connection,), daemon=True).start()


def silent(connection):
    while connection.recv(4096):
        pass


def slow(interval, count):
    def answer(connection):
        connection.recv(4096)
        connection.sendall(b"HTTP/1.0 200 OK\r\nContent-Length: %d\r\n\r\n" % count)
        for _ in range(count):
            time.sleep(interval)
            connection.sendall(b"x")
        connection.close()
    return answer


if __name__ == "__main__":
    mode = sys.argv[1]
    if mode == "files":
        serve_files(sys.argv[2])
    elif mode == "silent":
        serve_raw(silent)
    elif mode == "slow":
        serve_raw(slow(int(sys.argv[2]) / 1000.0, int(sys.argv[3])))
