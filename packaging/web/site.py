#!/usr/bin/env python3
"""Assembles the browser build's static site from the compiled game and its data.

The title's picture comes first and alone, for the page to show at once. What
the game's first frame needs besides (the code and the pictures) is stored
gzipped, so that a host which sends files as they are still sends a third of
the bytes; the page undoes it. The sounds follow as one gzipped pack, the
music as its own Ogg files (which do not compress). Every file but the page,
its service worker, manifest, icons and the help page is named after its
content, so one version's code never meets another's data, and the page lists
them all.
"""
import argparse
import gzip
import hashlib
import json
import shutil
from pathlib import Path

# The pictures the game loads before its first frame, and the late files in the
# order the page fetches them: the effects, the menu's tune, the game's tunes.
FIRST_FOLDERS = ['bmp']
# The title's picture comes on its own, first: the page shows it the moment it
# lands, while the code and the other pictures still load.
TITLE_PICTURE = 'bmp/GameGo.jpg'
LATE_GROUPS = [('sounds', ['sound'])]
ICON_SIZES = [48, 128, 256]
THEME_COLOUR = '#2b1d14'


def digest(data):
    return hashlib.sha256(data).hexdigest()[:12]


def write_named(out, stem, suffix, data):
    """Writes data under a name that carries its digest; returns that name."""
    name = f'{stem}.{digest(data)}{suffix}'
    (out / name).parent.mkdir(parents=True, exist_ok=True)
    (out / name).write_bytes(data)
    return name


def squeezed(data):
    # mtime=0 keeps the bytes, and so the names, the same for the same input.
    return gzip.compress(data, compresslevel=9, mtime=0)


def pack(out, stem, data_dir, folders, leave_out=()):
    """All files of the folders, one after another, gzipped; the list says where each begins."""
    files = []
    body = bytearray()
    for folder in folders:
        for path in sorted((data_dir / folder).iterdir()):
            if path.is_file() and f'{folder}/{path.name}' not in leave_out:
                content = path.read_bytes()
                files.append([f'{folder}/{path.name}', len(content)])
                body += content
    squeezed_body = squeezed(bytes(body))
    name = write_named(out, stem, '.pack.gz', squeezed_body)
    return {'url': name, 'bytes': len(squeezed_body), 'gzip': True, 'files': files}


def build(args):
    out = Path(args.out)
    data_dir = Path(args.data)
    page_dir = Path(__file__).resolve().parent
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)

    code = squeezed(Path(args.js).read_bytes())
    wasm = squeezed(Path(args.wasm).read_bytes())
    # A JPEG does not shrink, so the title's picture goes as it is.
    title = (data_dir / TITLE_PICTURE).read_bytes()
    site = {
        'title': {'url': write_named(out, 'title', '.jpg', title), 'bytes': len(title), 'gzip': False,
                  'files': [[TITLE_PICTURE, len(title)]]},
        'code': {'url': write_named(out, 'plumbrix', '.js.gz', code), 'bytes': len(code), 'gzip': True},
        'wasm': {'url': write_named(out, 'plumbrix', '.wasm.gz', wasm), 'bytes': len(wasm), 'gzip': True},
        'first': [pack(out, 'pictures', data_dir, FIRST_FOLDERS, leave_out={TITLE_PICTURE})],
        'late': [pack(out, stem, data_dir, folders) for stem, folders in LATE_GROUPS],
    }
    for track in sorted((data_dir / 'music').glob('*.ogg')):
        content = track.read_bytes()
        name = write_named(out, f'music/{track.stem}', '.ogg', content)
        site['late'].append({'url': name, 'bytes': len(content), 'gzip': False,
                             'files': [[f'music/{track.name}', len(content)]]})
    # The help page opens in a tab of its own; the page keeps it for offline use.
    shutil.copy(data_dir / 'ReadMe.htm', out / 'ReadMe.htm')
    site['late'].append({'url': 'ReadMe.htm', 'bytes': (out / 'ReadMe.htm').stat().st_size, 'gzip': False,
                         'files': []})

    icons = []
    for size in ICON_SIZES:
        name = f'icon-{size}.png'
        shutil.copy(Path(args.icons) / f'{size}x{size}' / 'apps' / 'plumbrix.png', out / name)
        icons.append({'src': name, 'sizes': f'{size}x{size}', 'type': 'image/png', 'purpose': 'any'})
    manifest = {
        'name': 'Plumbrix', 'short_name': 'Plumbrix',
        'description': 'Swap neighbouring pieces to line up three or more of a kind.',
        'start_url': './', 'scope': './', 'id': './',
        'display': 'fullscreen', 'orientation': 'landscape',
        'background_color': THEME_COLOUR, 'theme_color': THEME_COLOUR, 'icons': icons,
    }
    (out / 'manifest.webmanifest').write_text(json.dumps(manifest, indent=1) + '\n')
    site['late'] += [{'url': name, 'bytes': (out / name).stat().st_size, 'gzip': False, 'files': []}
                     for name in ['manifest.webmanifest'] + [icon['src'] for icon in icons]]

    # The version is the digest of every file the page lists.
    everything = hashlib.sha256()
    for path in sorted(out.rglob('*')):
        if path.is_file():
            everything.update(path.name.encode() + b'\0' + path.read_bytes())
    site['version'] = everything.hexdigest()[:12]
    page = (page_dir / 'index.html').read_text()
    marker = '/*SITE*/null'
    if marker not in page:
        raise SystemExit('index.html lost its site marker')
    page = page.replace(marker, json.dumps(site, separators=(',', ':')))
    # The title's picture is asked for while the page is still read; the page
    # asks for the rest once it shows, so that on a slow line it comes alone.
    preload = f'<link rel="preload" href="{site["title"]["url"]}" as="fetch" crossorigin="anonymous">\n'
    page = page.replace('<!--PRELOAD-->\n', preload)
    (out / 'index.html').write_text(page)
    shutil.copy(page_dir / 'sw.js', out / 'sw.js')


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--js', required=True)
    parser.add_argument('--wasm', required=True)
    parser.add_argument('--data', required=True, help='the generated data folder (bmp/, sound/, music/)')
    parser.add_argument('--icons', required=True, help='the hicolor icon theme folder')
    parser.add_argument('--out', required=True)
    build(parser.parse_args())


if __name__ == '__main__':
    main()
