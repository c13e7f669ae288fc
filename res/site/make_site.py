#!/usr/bin/env python3
"""Makes the site for phones: a folder to copy to any static host, from which a phone installs
Yarno on its home screen and plays it offline. index.html is the single page with a manifest, a
home-screen icon, its colours and description, a service worker that keeps the site on the
device, and a policy that admits those from the site's own origin and nothing more."""
import argparse
import base64
import hashlib
import json
import pathlib
import re
import shutil

IOS_ICON = "apple-touch-icon.png"  # the name iOS also looks for on its own


def sha256(text):
    return "'sha256-%s'" % base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii")


def served_policy(policy, register):
    """The single page's policy, plus the manifest, the worker and the icons from the site itself."""
    directives = dict((d.split(None, 1) + [""])[:2] for d in (p.strip() for p in policy.split(";")) if d)
    for needed in ("script-src", "img-src", "connect-src"):
        if needed not in directives:
            raise SystemExit("make_site.py: the page's policy has no %s" % needed)
    directives["script-src"] += " " + sha256(register)
    directives["img-src"] = "'self' " + directives["img-src"]
    directives["manifest-src"] = "'self'"
    directives["worker-src"] = "'self'"
    return "; ".join("%s %s" % item for item in directives.items())


def replace_once(page, old, new):
    if page.count(old) < 1:
        raise SystemExit("make_site.py: the page has no %r" % old)
    return page.replace(old, new, 1)


def served_page(page, manifest, register):
    policy = re.search(r'<meta http-equiv="Content-Security-Policy" content="([^"]*)">', page)
    if not policy:
        raise SystemExit("make_site.py: the page has no policy")
    page = page[:policy.start(1)] + served_policy(policy.group(1), register) + page[policy.end(1):]
    # The page names its bar's colour for each scheme; the manifest's one colour is the light one.
    light = '<meta name="theme-color" media="(prefers-color-scheme: light)" content="%s">' % manifest["theme_color"]
    if light not in page:
        raise SystemExit("make_site.py: the page's light theme-color is not the manifest's %s" % manifest["theme_color"])
    head = "".join((
        '<meta name="description" content="%s">\n' % manifest["description"],
        '<link rel="manifest" href="manifest.webmanifest">\n',
        '<link rel="apple-touch-icon" href="%s">\n' % IOS_ICON,
    ))
    page = replace_once(page, "</title>\n", "</title>\n" + head)
    end = page.rfind("</body>")
    if end < 0:
        raise SystemExit("make_site.py: the page has no </body>")
    return page[:end] + "<script>%s</script>\n" % register + page[end:]


def main():
    parser = argparse.ArgumentParser()
    for option in ("page", "manifest", "icons", "worker", "register", "robots", "output"):
        parser.add_argument("--" + option, required=True, type=pathlib.Path)
    args = parser.parse_args()

    out = args.output
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    manifest_text = args.manifest.read_text(encoding="utf-8")
    manifest = json.loads(manifest_text)
    register = args.register.read_text(encoding="utf-8")
    page = served_page(args.page.read_text(encoding="utf-8"), manifest, register)
    (out / "index.html").write_text(page, encoding="utf-8")
    (out / "manifest.webmanifest").write_text(manifest_text, encoding="utf-8")
    icons = sorted(p.name for p in args.icons.glob("*.png"))
    named = [icon["src"] for icon in manifest["icons"]] + [IOS_ICON]
    if sorted(set(named)) != icons:
        raise SystemExit("make_site.py: the icons drawn, %s, are not those named, %s" % (icons, sorted(set(named))))
    for icon in icons:
        shutil.copyfile(args.icons / icon, out / icon)
    shutil.copyfile(args.robots, out / "robots.txt")

    # What the worker keeps: every file the page shows, named as the page asks for it.
    kept = ["index.html", "manifest.webmanifest"] + icons
    digest = hashlib.sha256()
    for name in kept:
        digest.update(name.encode("utf-8") + b"\0" + (out / name).read_bytes())
    files = ["./"] + kept[1:]
    worker = args.worker.read_text(encoding="utf-8")
    worker = replace_once(worker, "{{HASH}}", digest.hexdigest()[:16])
    worker = replace_once(worker, "{{FILES}}", json.dumps(files))
    (out / "sw.js").write_text(worker, encoding="utf-8")


if __name__ == "__main__":
    main()
