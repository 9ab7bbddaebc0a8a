#!/usr/bin/env python3
"""Fails, naming each entry, when a .ts file holds an unfinished or empty translation, or one that
drops a placeholder (%1 ... %9) or an access key of its source."""
import re
import sys
import xml.etree.ElementTree as ET


def text_of(element):
    # lupdate writes a carriage return as <byte value="xd"/>.
    parts = [element.text or '']
    for child in element:
        parts.append('\r' if child.tag == 'byte' else '')
        parts.append(child.tail or '')
    return ''.join(parts)


def problems(path):
    found = []
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            source = text_of(message.find('source'))
            translation = message.find('translation')
            where = f'{path}: {name}: {source!r}'
            if translation is None or translation.get('type') in ('unfinished', 'vanished', 'obsolete'):
                found.append(f'{where}: not finished')
                continue
            shown = text_of(translation)
            if not shown.strip():
                found.append(f'{where}: empty')
            if sorted(set(re.findall(r'%[1-9]', source))) != sorted(set(re.findall(r'%[1-9]', shown))):
                found.append(f'{where}: placeholders differ in {shown!r}')
            # Theme and pack captions are rewritten around their "(&X)"; other captions may put
            # the access key on any letter of their own.
            if name == 'Themes' or source.count('(') >= 2:
                if re.findall(r'\(&.\)', source) != re.findall(r'\(&.\)', shown):
                    found.append(f'{where}: access key "(&X)" differs in {shown!r}')
            elif '&' in source and '&' not in shown:
                found.append(f'{where}: no access key in {shown!r}')
    return found


def main(paths):
    if not paths:
        print('no .ts file given', file=sys.stderr)
        return 2
    found = [p for path in paths for p in problems(path)]
    for problem in found:
        print(problem, file=sys.stderr)
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
