#!/usr/bin/env python3
"""Serves one folder over FTP on 127.0.0.1 for the network tests.

    ftp_server.py ROOT USER PASSWORD CONTROL_DIR LIFETIME_SECONDS [LINK:TARGET...]

Makes each symbolic link LINK (in ROOT) to TARGET, listens on a free port and writes it to
CONTROL_DIR/port once it accepts connections. Ends when CONTROL_DIR/stop appears or the
lifetime has passed, whichever comes first, so a test that dies cannot leave it running;
then removes its links and the port file, which tells the test it is gone.
"""
import os
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    root, user, password, control, lifetime = sys.argv[1:6]
    links = [os.path.join(root, arg.split(":", 1)[0]) for arg in sys.argv[6:]]
    for arg, link in zip(sys.argv[6:], links):
        os.symlink(arg.split(":", 1)[1], link)
    # Started by a test under CTest: keep none of its pipes open past our own end.
    null = os.open(os.devnull, os.O_RDWR)
    for fd in (0, 1, 2):
        os.dup2(null, fd)

    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmwMT")
    # A wrong password is answered at once, not after the usual pause against guessing.
    handler = type("Handler", (FTPHandler,), {"authorizer": authorizer, "auth_failed_timeout": 0})
    server = FTPServer(("127.0.0.1", 0), handler)

    port_file = os.path.join(control, "port")
    with open(port_file + ".tmp", "w") as f:
        f.write(str(server.socket.getsockname()[1]))
    os.replace(port_file + ".tmp", port_file)

    deadline = time.monotonic() + float(lifetime)
    stop_file = os.path.join(control, "stop")
    while time.monotonic() < deadline and not os.path.exists(stop_file):
        server.serve_forever(timeout=0.1, blocking=False)
    server.close_all()
    for link in links:
        os.remove(link)
    os.remove(port_file)


if __name__ == "__main__":
    main()
