#!/usr/bin/env python3
"""Fetches one pinned package from the npm registry, without npm itself.

    fetch.py NAME VERSION DESTINATION      (a .tgz; its bytes are checked by the caller)
    fetch.py --reachable NAME VERSION      exit 0 when the registry answers for it

The registry is npm's own, or the one npm_config_registry names, as npm would.
"""
import os
import sys
import urllib.request

REGISTRY = os.environ.get("npm_config_registry", "https://registry.npmjs.org/").rstrip("/")


def tarball_url(name, version):
    # Unscoped names only: the pinned packages have no scope.
    return f"{REGISTRY}/{name}/-/{name}-{version}.tgz"


def main(argv):
    if len(argv) == 4 and argv[1] == "--reachable":
        try:
            with urllib.request.urlopen(f"{REGISTRY}/{argv[2]}/{argv[3]}", timeout=60) as answer:
                return 0 if answer.status == 200 else 1
        except OSError:
            return 1
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    name, version, destination = argv[1:]
    partial = destination + ".part"
    try:
        with urllib.request.urlopen(tarball_url(name, version), timeout=120) as answer, \
                open(partial, "wb") as out:
            while block := answer.read(1 << 20):
                out.write(block)
        os.replace(partial, destination)
    except OSError as error:
        if os.path.exists(partial):
            os.remove(partial)
        print(f"fetch.py: {name} {version} could not be fetched: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
