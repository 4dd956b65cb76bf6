#!/usr/bin/python3
"""Loopback FTP server for the tests of the version check (pyftpdlib).

Serves --root to one account on 127.0.0.1, prints the port it listens on as the first
line of its output and runs until killed. --log receives one line per command the
client sends (the password hidden), so a test can see passive or active mode and the
transfer type on the server side; --cut NAME sends only the first half of that file,
as a link that drops in the middle of a download.
"""
import argparse
import logging
import os

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

volby = argparse.ArgumentParser()
volby.add_argument("--root", required=True)
volby.add_argument("--user", default="vortek")
volby.add_argument("--password", required=True)
volby.add_argument("--log")
volby.add_argument("--cut")
a = volby.parse_args()
logging.basicConfig(level=logging.WARNING)


class Obsluha(FTPHandler):
    def pre_process_command(self, line, cmd, arg):
        if a.log:
            with open(a.log, "a", encoding="utf-8") as f:
                f.write(("PASS ***" if cmd == "PASS" else line) + "\n")
        super().pre_process_command(line, cmd, arg)

    def ftp_RETR(self, file):
        if a.cut and os.path.basename(file) == a.cut:
            with open(file, "rb") as f:
                data = f.read()
            self.push_dtp_data(data[: len(data) // 2], isproducer=False, cmd="RETR")
            return file
        return super().ftp_RETR(file)


autorizace = DummyAuthorizer()
autorizace.add_user(a.user, a.password, a.root, perm="elr")
Obsluha.authorizer = autorizace
server = FTPServer(("127.0.0.1", 0), Obsluha)
print(server.socket.getsockname()[1], flush=True)
server.serve_forever()
