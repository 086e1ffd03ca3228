#!/usr/bin/python3
"""Reads live values from a running Korvix project (standard library only).

  live_link_client.py Plant.kvx Temp Level      print the values once
  live_link_client.py --watch Plant.kvx Temp    print each change as it comes
  live_link_client.py --raw Plant.kvx           frames typed on stdin go out
                                                 as they are, frames received
                                                 are printed as they arrive;
                                                 the end of stdin hangs up

--folder FOLDER looks for the program's sockets in FOLDER instead of the usual
place, --service NAME initiates with another service name than "Korvix".
"""
import os
import select
import socket
import sys

SERVICE = "Korvix"
TEXT_FORMAT = "CF_TEXT"
_ESCAPES = {"%": "%25", "\t": "%09", "\r": "%0D", "\n": "%0A"}


def socket_folder():
    """Where running programs of this user put their sockets."""
    runtime = os.environ.get("XDG_RUNTIME_DIR")
    if runtime:
        return os.path.join(runtime, "korvix")
    temp = os.environ.get("TMPDIR") or "/tmp"
    return os.path.join(temp, "korvix-%d" % os.getuid())


def encode(fields):
    """One frame: fields escaped, TAB between them, LF at the end."""
    return ("\t".join("".join(_ESCAPES.get(c, c) for c in field) for field in fields) + "\n").encode("latin-1")


def decode(line):
    """The fields of one received line (bytes, without its LF)."""
    text = line.decode("latin-1").rstrip("\r")
    fields = []
    for field in text.split("\t"):
        out, i = "", 0
        while i < len(field):
            if field[i] == "%":
                out += chr(int(field[i + 1:i + 3], 16))
                i += 3
            else:
                out += field[i]
                i += 1
        fields.append(out)
    return fields


class LiveLink:
    """One conversation with a running project."""

    def __init__(self, sock):
        self.sock = sock
        self.buffer = b""
        self.greeting = None

    @classmethod
    def initiate(cls, topic, service=SERVICE, folder=None, timeout=5.0):
        """Asks every running program; the one that has `topic` open answers."""
        folder = folder or socket_folder()
        try:
            names = sorted(n for n in os.listdir(folder) if n.startswith("dde-") and n.endswith(".sock"))
        except OSError:
            return None
        for name in names:
            sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            sock.settimeout(timeout)
            try:
                sock.connect(os.path.join(folder, name))
            except OSError:
                sock.close()
                continue
            link = cls(sock)
            link.send("INITIATE", service, topic)
            reply = link.receive()
            if reply and reply[:2] == ["ACK", "INITIATE"]:
                link.greeting = reply
                return link
            sock.close()
        return None

    def send(self, *fields):
        self.sock.sendall(encode(fields))

    def send_raw(self, line):
        self.sock.sendall(line)

    def receive_line(self):
        """The next line as bytes without its LF; None once the program closed."""
        while b"\n" not in self.buffer:
            try:
                data = self.sock.recv(65536)
            except (socket.timeout, OSError):
                return None
            if not data:
                return None
            self.buffer += data
        line, self.buffer = self.buffer.split(b"\n", 1)
        return line

    def receive(self):
        line = self.receive_line()
        return None if line is None else decode(line)

    def request(self, item):
        """The value text of `item`, or None for a name the project does not know."""
        self.send("REQUEST", TEXT_FORMAT, item)
        reply = self.receive()
        if reply and reply[0] == "DATA" and len(reply) == 6:
            return reply[5][:-2]
        return None

    def advise(self, item="", defer=False, ack=False):
        """Hot-links `item` (every value for ""): pushed once per change and round."""
        self.send("ADVISE", TEXT_FORMAT, "1" if defer else "0", "1" if ack else "0", item)

    def unadvise(self, item=""):
        self.send("UNADVISE", TEXT_FORMAT, item)

    def terminate(self):
        self.send("TERMINATE")
        self.sock.close()


def _raw(link):
    """Passes stdin's bytes to the program and prints what comes back."""
    out = sys.stdout.buffer
    stdin = sys.stdin.fileno()
    inputs = [stdin, link.sock]
    while True:
        while b"\n" in link.buffer:
            line, link.buffer = link.buffer.split(b"\n", 1)
            out.write(line + b"\n")
            out.flush()
        ready, _, _ = select.select(inputs, [], [])
        if stdin in ready:
            data = os.read(stdin, 65536)
            if not data:
                link.sock.close()
                return 0
            link.send_raw(data)
        if link.sock in ready:
            try:
                data = link.sock.recv(65536)
            except OSError:
                data = b""
            if not data:
                out.write(b"CLOSED\n")
                out.flush()
                return 0
            link.buffer += data


def main(argv):
    folder, service, mode, rest = None, SERVICE, "values", []
    args = iter(argv)
    for arg in args:
        if arg == "--folder":
            folder = next(args)
        elif arg == "--service":
            service = next(args)
        elif arg in ("--watch", "--raw"):
            mode = arg[2:]
        else:
            rest.append(arg)
    if not rest:
        print(__doc__, file=sys.stderr)
        return 2
    link = LiveLink.initiate(rest[0], service, folder)
    if link is None:
        print("No running program has %s open." % rest[0], file=sys.stderr)
        return 1
    link.sock.settimeout(None)
    if mode == "raw":
        sys.stdout.buffer.write(encode(link.greeting))
        sys.stdout.flush()
        return _raw(link)
    if mode == "watch":
        for item in rest[1:] or [""]:
            link.advise(item)
        while True:
            frame = link.receive()
            if frame is None:
                return 0
            if frame[0] == "DATA" and len(frame) == 6:
                print("%s=%s" % (frame[1], frame[5][:-2]), flush=True)
    for item in rest[1:]:
        value = link.request(item)
        print("%s=%s" % (item, "(unknown)" if value is None else value))
    link.terminate()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
