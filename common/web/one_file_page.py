"""Makes a game's page into one file that plays when opened from a disk (file://), where a browser fetches nothing beside it.

usage: one_file_page.py PAGE CSS ICON LOADING_JS PROGRAM_JS OUTPUT DATA_FILE...

The page's style, icon and loading script go inside it, the program and its WebAssembly too, and the game's data
files (its word list or dictionary packed as the site has it, cues and help) as base64, which the page's port reads in place
of fetching them. The manifest, the offline worker and the links that fetch ahead are left out: none works from a disk.
"""

import base64
import json
import os
import re
import sys
import zlib


def replace_once(page, pattern, replacement):
    """The page with the one tag matching pattern replaced; a page without it is an error."""
    found = re.findall(pattern, page)
    if len(found) != 1:
        raise SystemExit("one_file_page.py: %r found %d times in the page" % (pattern, len(found)))
    return re.sub(pattern, lambda _: replacement, page)


def inline_script(text):
    # Only "</script" would end an inline script early.
    return "<script>\n%s\n</script>" % text.replace("</script", "<\\/script")


def main():
    if len(sys.argv) < 7:
        print(__doc__, file=sys.stderr)
        return 2
    page_path, css_path, icon_path, loading_path, program_path, output = sys.argv[1:7]
    data_files = sys.argv[7:]
    read = lambda path: open(path, "rb").read()
    page = read(page_path).decode("utf-8")
    program = read(program_path).decode("utf-8")
    # The program's WebAssembly, which the site has packed beside it.
    wasm = zlib.decompress(read(os.path.splitext(program_path)[0] + ".wasm.packed"), -15)
    name = os.path.basename(program_path)

    files = {os.path.basename(path): base64.b64encode(read(path)).decode("ascii") for path in data_files}
    # The loading script has made the Module already, with what it does when the program fails.
    embedded = ("globalThis.embeddedFiles = %s;\n"
                "Module.wasmBinary = Uint8Array.from(atob(%s), (c) => c.charCodeAt(0));"
                % (json.dumps(files), json.dumps(base64.b64encode(wasm).decode("ascii"))))
    icon = "data:image/svg+xml;base64," + base64.b64encode(read(icon_path)).decode("ascii")

    # The program and the words are inside the page: nothing to fetch ahead.
    page, preloads = re.subn(r'(<!--[^>]*-->\n)?<link rel="preload"[^>]*>\n?', "", page)
    if preloads == 0:
        raise SystemExit("one_file_page.py: no preload links found in the page")
    page = replace_once(page, r'<link rel="manifest"[^>]*>\n?', "")
    page = replace_once(page, r'<link rel="icon" href="[^"]*">', '<link rel="icon" href="%s">' % icon)
    page = replace_once(page, r'<link rel="stylesheet" href="[^"]*">',
                        "<style>\n%s</style>" % read(css_path).decode("utf-8"))
    page = replace_once(page, r'<script src="[^"]*offline\.js"></script>\n?', "")
    page = replace_once(page, r'<script src="[^"]*loading\.js"></script>',
                        inline_script(read(loading_path).decode("utf-8")))
    page = replace_once(page, r'<script src="%s"></script>' % re.escape(name),
                        inline_script(embedded) + "\n" + inline_script(program))
    os.makedirs(os.path.dirname(output), exist_ok=True)
    with open(output, "w", encoding="utf-8") as out:
        out.write(page)
    return 0


if __name__ == "__main__":
    sys.exit(main())
