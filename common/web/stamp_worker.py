"""Writes the site's offline worker for one build: every file of the site with its hash, and the build's id made from them.

usage: stamp_worker.py SITE_FOLDER WORKER_SOURCE

The worker (service-worker.js in SITE_FOLDER) is WORKER_SOURCE with its line "const build = ...;"
filled in. A build whose files differ in any byte gets another id, and so another worker, which
the browser installs on a player's next visit; the worker keeps each build in a cache of its own
and checks every file it stores against its hash, so that the files of two builds are never mixed.
"""

import hashlib
import json
import os
import re
import sys

WORKER = "service-worker.js"
BUILD_LINE = re.compile(r"^const build = .*;$", re.MULTILINE)


def site_files(folder):
    """Each file of the site but the worker, by its path from the site's folder, with its SHA-256."""
    files = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            relative = os.path.relpath(path, folder).replace(os.sep, "/")
            if relative != WORKER:
                with open(path, "rb") as content:
                    files[relative] = hashlib.sha256(content.read()).hexdigest()
    return dict(sorted(files.items()))


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    folder, source = sys.argv[1:3]
    files = site_files(folder)
    build_id = hashlib.sha256("".join("%s %s\n" % item for item in files.items()).encode()).hexdigest()[:16]
    with open(source, encoding="utf-8") as template:
        worker, found = BUILD_LINE.subn(
            lambda _: "const build = %s;" % json.dumps({"id": build_id, "files": files}), template.read())
    if found != 1:
        raise SystemExit("stamp_worker.py: no line 'const build = ...;' in %s" % source)
    target = os.path.join(folder, WORKER)
    # Written only when it changes, so that an unchanged build leaves the site as it was.
    if os.path.exists(target):
        with open(target, encoding="utf-8") as current:
            if current.read() == worker:
                return 0
    with open(target, "w", encoding="utf-8") as out:
        out.write(worker)
    return 0


if __name__ == "__main__":
    sys.exit(main())
