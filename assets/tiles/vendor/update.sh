#!/usr/bin/env bash
# Refreshes the vendored tile pictures from the pinned @iconify-json packages that sources.tsv names:
# one standalone SVG per listed picture, the set's info.json and its version; SVGs no longer listed
# are deleted. Each set's LICENSE is kept as it is.
#   assets/tiles/vendor/update.sh            fetch each package with `npm pack` (needs the registry)
#   assets/tiles/vendor/update.sh --from DIR take iconify-json-<set>-<version>.tgz from DIR instead
# The build itself never runs this: it reads only what is committed here.
set -euo pipefail
vendor=$(cd "$(dirname "$0")" && pwd)
sources="$vendor/../sources.tsv"
from=""
if [ "${1:-}" = "--from" ]; then
  from=$(cd "${2:?--from needs a folder}" && pwd)
fi
command -v python3 >/dev/null || { echo "update.sh: python3 is needed" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# set<TAB>version, one line per set that sources.tsv uses (drawn pictures have no package).
mapfile -t sets < <(awk -F'\t' 'NR > 1 && $3 != "drawn" { print $3 "\t" $4 }' "$sources" | sort -u)
for entry in "${sets[@]}"; do
  set_name=${entry%%$'\t'*}
  version=${entry#*$'\t'}
  tarball="iconify-json-$set_name-$version.tgz"
  if [ -n "$from" ]; then
    cp "$from/$tarball" "$work/"
  else
    (cd "$work" && npm pack --silent "@iconify-json/$set_name@$version" >/dev/null)
  fi
  mkdir -p "$work/$set_name" "$vendor/$set_name"
  tar -xzf "$work/$tarball" -C "$work/$set_name" --strip-components=1 package/icons.json package/info.json package/package.json
done

python3 - "$sources" "$vendor" "$work" <<'PY'
import json, os, sys
sources, vendor, work = sys.argv[1:4]
wanted = {}
with open(sources, encoding='utf-8') as f:
    for number, line in enumerate(f, 1):
        fields = line.rstrip('\n').split('\t')
        if number == 1 or fields[2] == 'drawn':
            continue
        wanted.setdefault((fields[2], fields[3]), set()).add(fields[4])
for (set_name, version), pictures in sorted(wanted.items()):
    folder = os.path.join(work, set_name)
    package = json.load(open(os.path.join(folder, 'package.json')))
    if package['version'] != version:
        sys.exit(f'update.sh: {set_name} is {package["version"]}, sources.tsv pins {version}')
    data = json.load(open(os.path.join(folder, 'icons.json')))
    out = os.path.join(vendor, set_name)
    for picture in sorted(pictures):
        flip = False
        icon = data['icons'].get(picture)
        if icon is None:
            alias = data.get('aliases', {}).get(picture)
            if alias is None:
                sys.exit(f'update.sh: {set_name} {version} has no picture {picture}')
            flip = alias.get('hFlip', False)
            icon = data['icons'][alias['parent']]
        width = icon.get('width', data.get('width', 16))
        height = icon.get('height', data.get('height', 16))
        left, top = icon.get('left', 0), icon.get('top', 0)
        body = icon['body']
        if flip:
            body = f'<g transform="translate({2 * left + width} 0) scale(-1 1)">{body}</g>'
        svg = (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
               f'width="{width}" height="{height}" viewBox="{left} {top} {width} {height}">{body}</svg>\n')
        with open(os.path.join(out, picture + '.svg'), 'w', encoding='utf-8') as svg_file:
            svg_file.write(svg)
    for name in os.listdir(out):
        if name.endswith('.svg') and name[:-4] not in pictures:
            os.remove(os.path.join(out, name))
    with open(os.path.join(out, 'VERSION'), 'w') as version_file:
        version_file.write(f'@iconify-json/{set_name} {version}\n')
    info = json.load(open(os.path.join(folder, 'info.json')))
    with open(os.path.join(out, 'info.json'), 'w', encoding='utf-8') as info_file:
        json.dump({k: info[k] for k in ('prefix', 'name', 'author', 'license') if k in info}, info_file,
                  ensure_ascii=False, indent=1)
        info_file.write('\n')
    print(f'{set_name} {version}: {len(pictures)} pictures')
# Sets no longer used lose their pictures.
used = {s for s, _ in wanted}
for name in os.listdir(vendor):
    path = os.path.join(vendor, name)
    if os.path.isdir(path) and name not in used:
        for item in os.listdir(path):
            if item.endswith('.svg'):
                os.remove(os.path.join(path, item))
PY
