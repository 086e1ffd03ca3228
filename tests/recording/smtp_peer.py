"""A loopback SMTP server for the mail tests.

Prints "READY <port>" once it listens and runs until its standard input is
closed (or 60 s have passed). Every message it takes is written to
OUTDIR/<n>.msg: the MAIL FROM address, the recipients, an empty line, then
the content bytes as received. The recipient refused@test.invalid is refused,
with the reply given by --refusal.
Mode "silent" accepts connections and never answers.
"""
import argparse
import logging
import socket
import ssl
import sys
import threading
import warnings

REFUSED = "refused@test.invalid"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def silent(port):
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", port))
    server.listen(8)
    held = []

    def accept():
        while True:
            try:
                held.append(server.accept()[0])
            except OSError:
                return

    threading.Thread(target=accept, daemon=True).start()
    return server.close


def smtp(args, port):
    from aiosmtpd.controller import Controller
    from aiosmtpd.smtp import AuthResult

    count = [0]

    class Handler:
        async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
            if address == REFUSED:
                return args.refusal
            envelope.rcpt_tos.append(address)
            return "250 OK"

        async def handle_DATA(self, server, session, envelope):
            count[0] += 1
            with open(f"{args.outdir}/{count[0]}.msg", "wb") as out:
                out.write(envelope.mail_from.encode() + b"\n")
                out.write(",".join(envelope.rcpt_tos).encode() + b"\n\n")
                out.write(envelope.original_content)
            return "250 Message accepted"

    def authenticate(server, session, envelope, mechanism, auth_data):
        if auth_data.login == args.user.encode() and auth_data.password == args.password.encode():
            return AuthResult(success=True)
        return AuthResult(success=False, handled=False, message="535 5.7.8 Authentication credentials invalid")

    context = None
    if args.mode != "none":
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)
    options = dict(hostname="127.0.0.1", port=port, decode_data=False)
    if args.user:
        options.update(authenticator=authenticate, auth_require_tls=False, auth_required=True)
    if args.mode == "starttls":
        options.update(tls_context=context, require_starttls=True)
    elif args.mode == "tls":
        options.update(ssl_context=context)
    controller = Controller(Handler(), **options)
    controller.start()
    return controller.stop


def main():
    warnings.simplefilter("ignore")
    logging.disable(logging.CRITICAL)
    parser = argparse.ArgumentParser()
    parser.add_argument("mode", choices=["none", "starttls", "tls", "silent"])
    parser.add_argument("outdir")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--user", default="")
    parser.add_argument("--password", default="")
    parser.add_argument("--refusal", default="550 Server refused; try later")
    args = parser.parse_args()
    port = free_port()
    stop = silent(port) if args.mode == "silent" else smtp(args, port)
    print(f"READY {port}", flush=True)
    done = threading.Event()
    threading.Thread(target=lambda: (sys.stdin.read(), done.set()), daemon=True).start()
    done.wait(60)
    stop()


if __name__ == "__main__":
    main()
