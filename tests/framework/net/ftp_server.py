#!/usr/bin/env python3
"""Serves one folder over FTP on 127.0.0.1 for the network tests.

    ftp_server.py [--encoding=NAME] ROOT USER PASSWORD CONTROL_DIR LIFETIME_SECONDS [LINK:TARGET...]

Names travel in UTF-8 unless an encoding is given: with --encoding=gbk commands are read,
and replies and LIST and MLSD listings written, in GBK, as the servers our users reach do.
Makes each symbolic link LINK (in ROOT) to TARGET, listens on a free port and writes it to
CONTROL_DIR/port once it accepts connections. Ends when CONTROL_DIR/stop appears or the
lifetime has passed, whichever comes first, so a test that dies cannot leave it running;
then removes its links and the port file, which tells the test it is gone.
"""
import os
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def handler_class(authorizer, encoding):
    """The handler: commands decoded, replies and listings encoded in the given encoding."""
    # A wrong password is answered at once, not after the usual pause against guessing.
    members = {"authorizer": authorizer, "auth_failed_timeout": 0}
    if encoding.lower().replace("-", "") not in ("utf8", ""):
        def transcode(lines):
            for line in lines:
                yield line.decode("utf8").encode(encoding, "replace")

        class Filesystem(AbstractedFS):
            def format_list(self, *args, **kwargs):
                return transcode(super().format_list(*args, **kwargs))

            def format_mlsx(self, *args, **kwargs):
                return transcode(super().format_mlsx(*args, **kwargs))

        members["abstracted_fs"] = Filesystem
        members["decode"] = lambda self, data: data.decode(encoding, self.unicode_errors)
        members["push"] = lambda self, text: super(FTPHandler, self).push(text.encode(encoding, "replace"))
    return type("Handler", (FTPHandler,), members)


def main():
    args = sys.argv[1:]
    encoding = "utf8"
    if args and args[0].startswith("--encoding="):
        encoding = args.pop(0).split("=", 1)[1]
    root, user, password, control, lifetime = args[0:5]
    links = [os.path.join(root, arg.split(":", 1)[0]) for arg in args[5:]]
    for arg, link in zip(args[5:], links):
        os.symlink(arg.split(":", 1)[1], link)
    # Started by a test under CTest: keep none of its pipes open past our own end.
    null = os.open(os.devnull, os.O_RDWR)
    for fd in (0, 1, 2):
        os.dup2(null, fd)

    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, root, perm="elradfmwMT")
    handler = handler_class(authorizer, encoding)
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
