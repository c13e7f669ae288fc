#!/usr/bin/env python3
"""Makes the program's one self-contained page: the page's own script, emscripten's script and
its module (gzipped), the styles, the window font's faces and the icon, all inline, under a
Content-Security-Policy that lets the page fetch nothing and run only its own two scripts, named
by their hashes."""
import argparse
import base64
import gzip
import hashlib
import io
import json
import os
import pathlib
import re
import subprocess
import tempfile

from fontTools import subset
from fontTools.ttLib import TTFont


def woff2(path, characters=None):
    # The face's own timestamp, not the build's, so the same sources make the same page.
    font = TTFont(path, recalcTimestamp=False)
    options = subset.Options()
    options.flavor = "woff2"
    options.name_IDs = ["*"]  # the copyright and licence travel inside the face too
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = False
    options.layout_features = []
    subsetter = subset.Subsetter(options)
    if characters is None:
        # Every character the face has: whatever a user types, it draws if the face can.
        codes = set(font.getBestCmap())
    else:
        codes = {ord(c) for c in characters}
    subsetter.populate(unicodes=codes)
    subsetter.subset(font)
    out = io.BytesIO()
    font.flavor = "woff2"
    font.save(out)
    return out.getvalue()


def data_uri(kind, data):
    return "data:%s;base64,%s" % (kind, base64.b64encode(data).decode("ascii"))


# The names the page's script may use without declaring them: the language's and the browser's.
# Any other is an import missing or misspelt, which would fail only in a browser, at run time.
GLOBALS = {
    "Boolean", "JSON", "Map", "Math", "Object", "Promise", "String", "Uint8Array",
    "DecompressionStream", "Event", "FontFace", "PerformanceObserver", "ReadableStream", "Response",
    "WebAssembly", "atob", "document", "performance", "requestAnimationFrame", "setTimeout", "window",
}
# Prints the names a script uses without declaring them, with Debian's acorn-globals (node-acorn).
FREE_NAMES = ("const names = require('acorn-globals')(require('fs').readFileSync(0, 'utf8'), {ecmaVersion: 'latest'});"
              "console.log(JSON.stringify(names.map((name) => name.name)));")


def bundled(entry, esbuild, node):
    """The page's own script: its modules, from entry on through what each imports, as one
    minified script whose names stay out of the page's global scope. esbuild fails on an import
    of a file or a name that is not there; a name used but declared and imported nowhere fails
    here. Returns the script and the files it was made from."""
    with tempfile.TemporaryDirectory() as folder:
        out, meta = pathlib.Path(folder, "page.js"), pathlib.Path(folder, "meta.json")
        run = subprocess.run([str(esbuild), entry.name, "--bundle", "--minify", "--format=iife",
                              "--banner:js='use strict';", "--log-level=warning",
                              "--outfile=%s" % out, "--metafile=%s" % meta],
                             cwd=entry.parent, capture_output=True, text=True)
        if run.returncode != 0 or run.stderr.strip():
            raise SystemExit("make_page.py: esbuild on %s:\n%s" % (entry, run.stderr))
        script = out.read_text(encoding="utf-8")
        inputs = [(entry.parent / name).resolve() for name in json.loads(meta.read_text(encoding="utf-8"))["inputs"]]
    env = dict(os.environ, NODE_PATH=os.pathsep.join(filter(None, ("/usr/share/nodejs", os.environ.get("NODE_PATH")))))
    free = json.loads(subprocess.run([node, "-e", FREE_NAMES], input=script, check=True, capture_output=True,
                                     text=True, env=env).stdout)
    unknown = sorted(set(free) - GLOBALS)
    if unknown:
        raise SystemExit("make_page.py: the page's script uses %s, declared nowhere: an import missing or misspelt?"
                         % ", ".join(unknown))
    return script, inputs


def sha256(text):
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii")


def inline(text, tag):
    if re.search(r"</%s|<!--" % tag, text, re.I):
        raise SystemExit("make_page.py: inline %s holds a closing tag or a comment opener" % tag)
    return text


def main():
    parser = argparse.ArgumentParser()
    for option in ("script", "module", "template", "style", "fonts", "icon", "output"):
        parser.add_argument("--" + option, required=True, type=pathlib.Path)
    # The page's own script: the module it starts from, and the bundler.
    parser.add_argument("--page-script", required=True, type=pathlib.Path)
    parser.add_argument("--esbuild", required=True, type=pathlib.Path)
    # Where to list, for the build, the files the page's script was made from.
    parser.add_argument("--depfile", type=pathlib.Path)
    # The program built for the page's build-time platform (ui/web/page_facts.cpp), and what runs it.
    parser.add_argument("--facts", type=pathlib.Path)
    # The program that prints the sizes the style draws with (ui/web/print_page_style.cpp).
    parser.add_argument("--sizes", required=True, type=pathlib.Path)
    parser.add_argument("--node", default="node")
    args = parser.parse_args()
    fonts = args.fonts

    # Without them (the test pages), a window flows on any screen narrower than a phone's.
    facts = {"flow": "(max-width:479.99px)", "written": {"css": "", "html": ""}, "faces": []}
    if args.facts:
        facts = json.loads(subprocess.run([args.node, str(args.facts)], check=True, capture_output=True, text=True).stdout)
    sizes = subprocess.run([args.node, str(args.sizes)], check=True, capture_output=True, text=True).stdout

    # The window face comes in through start.js, from bytes, so the first window's first layout
    # already has it; the bold faces load from CSS when a window drawn in them needs them, each
    # with only the characters it draws.
    window_face = base64.b64encode(woff2(fonts / "ms_sans_serif_13.ttf")).decode("ascii")
    faces = []
    for face in facts["faces"]:
        if not face["bold"]:
            continue
        path = fonts / ("ms_sans_serif_bold_%d.ttf" % face["cell"])
        faces.append('@font-face{font-family:"%s";font-weight:700;src:url(%s) format("woff2")}'
                     % (face["family"], data_uri("font/woff2", woff2(path, set(face["text"]) | {" "}))))

    icon = data_uri("image/png", args.icon.read_bytes())
    written_css, written_html = facts["written"]["css"], facts["written"]["html"]
    style = inline("\n".join(faces) + "\n" + sizes + args.style.read_text(encoding="utf-8").replace("{{FLOW}}", facts["flow"])
                   + ".titlebar .icon{background:url(%s) 0 0/16px 16px}\n" % icon + written_css, "style")
    page_script, modules = bundled(args.page_script, args.esbuild, args.node)
    if page_script.count("{{WINDOW_FACE}}") != 1:
        raise SystemExit("make_page.py: the page's script does not name the window face once")
    page_script = inline(page_script.replace("{{WINDOW_FACE}}", window_face), "script")
    script = inline(args.script.read_text(encoding="utf-8"), "script")
    module = base64.b64encode(gzip.compress(args.module.read_bytes(), compresslevel=9, mtime=0)).decode("ascii")
    csp = "; ".join([
        "default-src 'none'",
        "connect-src 'none'",
        "script-src %s %s 'wasm-unsafe-eval'" % (sha256(page_script), sha256(script)),
        "style-src %s" % sha256(style),
        "font-src data:",
        "img-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    notice = "\n\n".join((fonts / name).read_text(encoding="utf-8") for name in ("README", "LGPL-2.1.txt"))
    notice = notice.replace("--", "- -").replace("<", "&lt;").replace(">", "&gt;")
    page = args.template.read_text(encoding="utf-8")
    for key, value in (("NOTICE", notice), ("CSP", csp), ("ICON", icon), ("STYLE", style),
                       ("WRITTEN", written_html.strip()), ("PAGE_SCRIPT", page_script), ("SCRIPT", script),
                       ("MODULE", module)):
        page = page.replace("{{%s}}" % key, value, 1)
    args.output.write_text(page, encoding="utf-8")
    if args.depfile:
        args.depfile.write_text("%s: %s\n" % (args.output, " ".join(str(path) for path in modules)), encoding="utf-8")


if __name__ == "__main__":
    main()
