"""FTP server for the upload tests, on 127.0.0.1 only.

Usage: ftp_peer.py ROOT [PORT] [--stall | --no-final-reply]
Users (password "secret"), all at home in ROOT, which holds the folder "www":
  full      may do everything
  nowrite   may not store files
  nodelete  may not delete files
With --stall, uploads are accepted but never read, as on a hung server.
With --no-final-reply, uploads are read and stored, but the reply that ends
the transfer (226) never comes, as from a server that hangs after the data.
Prints the port it listens on, then serves until stdin closes.
"""
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.log import config_logging, logger
from pyftpdlib.servers import FTPServer


class StallingDTPHandler(DTPHandler):
    def readable(self):
        return False


class NoFinalReplyHandler(FTPHandler):
    def respond(self, resp, logfun=logger.debug):
        if not resp.startswith("226 "):
            super().respond(resp, logfun)


def main():
    config_logging(level=logging.ERROR)
    modes = ("--stall", "--no-final-reply")
    args = [a for a in sys.argv[1:] if a not in modes]
    root = args[0]
    port = int(args[1]) if len(args) > 1 else 0
    os.makedirs(os.path.join(root, "www"), exist_ok=True)
    authorizer = DummyAuthorizer()
    authorizer.add_user("full", "secret", root, perm="elradfmw")
    authorizer.add_user("nowrite", "secret", root, perm="elradfm")
    authorizer.add_user("nodelete", "secret", root, perm="elrafmw")
    handler = NoFinalReplyHandler if "--no-final-reply" in sys.argv else FTPHandler
    handler.authorizer = authorizer
    handler.passive_ports = None
    handler.masquerade_address = None
    if "--stall" in sys.argv:
        handler.dtp_handler = StallingDTPHandler
    server = FTPServer(("127.0.0.1", port), handler)
    print(server.address[1], flush=True)

    def wait_for_close():
        sys.stdin.read()
        server.close_all()

    threading.Thread(target=wait_for_close, daemon=True).start()
    try:
        server.serve_forever(timeout=0.2)
    except (OSError, ValueError):
        pass


if __name__ == "__main__":
    main()
