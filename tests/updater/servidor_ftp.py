"""FTP server for the updater's tests: loopback only, on a free port.

Prints "LISTO <port>" once it listens and ends when its standard input closes, so it never
outlives the test that started it.
"""
import argparse
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


class ListaInversa(AbstractedFS):
    """Lists names in reverse order, so a client that sorts on its own shows up in the tests."""

    def listdir(self, path):
        return sorted(super().listdir(path), reverse=True)


class ListaConDuplicados(ListaInversa):
    """Lists every name twice: a listing no sane server gives, to test the client's guard."""

    def listdir(self, path):
        nombres = super().listdir(path)
        return nombres + nombres


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--raiz", required=True)
    p.add_argument("--usuario", required=True)
    p.add_argument("--clave", required=True)
    p.add_argument("--lector", help="user:password with read-only rights")
    p.add_argument("--sin-mlsd", action="store_true", help="answer MLSD/MLST as unknown")
    p.add_argument("--limite", type=int, default=0, help="bytes per second sent to clients")
    p.add_argument("--duplicados", action="store_true")
    a = p.parse_args()

    logging.basicConfig(level=logging.ERROR)
    autorizador = DummyAuthorizer()
    autorizador.add_user(a.usuario, a.clave, a.raiz, perm="elradfmwMT")
    if a.lector:
        nombre, clave = a.lector.split(":", 1)
        autorizador.add_user(nombre, clave, a.raiz, perm="elr")

    class Manejador(FTPHandler):
        pass

    Manejador.authorizer = autorizador
    Manejador.permit_foreign_addresses = False
    Manejador.auth_failed_timeout = 0  # refuse a bad login at once, not after 3 s
    Manejador.abstracted_fs = ListaInversa
    if a.sin_mlsd:
        Manejador.proto_cmds = {k: v for k, v in FTPHandler.proto_cmds.items()
                                if k not in ("MLSD", "MLST")}
    if a.limite:
        class Lento(ThrottledDTPHandler):
            write_limit = a.limite
        Manejador.dtp_handler = Lento
    if a.duplicados:
        Manejador.abstracted_fs = ListaConDuplicados

    servidor = FTPServer(("127.0.0.1", 0), Manejador)

    def vigila_entrada():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=vigila_entrada, daemon=True).start()
    print("LISTO %d" % servidor.address[1], flush=True)
    servidor.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
