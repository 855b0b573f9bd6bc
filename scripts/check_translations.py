#!/usr/bin/env python3
"""Fails when a shipped language lacks a translation.

Usage: check_translations.py SOURCE_ROOT LUPDATE

Runs lupdate over the sources into copies of translations/brimfold_*.ts, so a
text that is new in the code and missing from a catalog counts as missing;
then checks each catalog has every message finished, with the same %1-style
arguments as its source, and that the desktop entry and the AppStream
metainfo speak every shipped language.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

XML_LANG = '{http://www.w3.org/XML/1998/namespace}lang'


def arguments(text):
    return sorted(set(re.findall(r'%(?:L?\d+|n)', text or '')))


def catalog_problems(path, language):
    problems = []
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source')
            translation = message.find('translation')
            kind = translation.get('type') if translation is not None else 'missing'
            if kind in ('vanished', 'obsolete'):
                continue
            where = f'{language}: {name}: "{source}"'
            texts = [n.text for n in translation.iter('numerusform')] if message.get('numerus') == 'yes' \
                else [translation.text]
            if kind == 'unfinished' or any(not t for t in texts):
                problems.append(f'{where} is not translated')
            elif any(arguments(t) != arguments(source) for t in texts):
                problems.append(f'{where} has the arguments {arguments(texts[0])}, its source {arguments(source)}')
    return problems


def desktop_problems(path, languages):
    keys = {line.split('=', 1)[0] for line in open(path, encoding='utf-8') if '=' in line}
    return [f'{os.path.basename(path)}: no {key}[{language}]'
            for key in ('Name', 'GenericName', 'Comment', 'Keywords') if key in keys
            for language in languages if f'{key}[{language}]' not in keys]


def metainfo_problems(path, languages):
    problems = []

    def walk(parent):
        children = list(parent)
        for tag in ('summary', 'caption', 'p', 'li'):  # the product's name stays
            english = [c for c in children if c.tag == tag and XML_LANG not in c.attrib]
            for language in languages:
                translated = [c for c in children if c.tag == tag and c.get(XML_LANG) == language]
                if len(translated) != len(english):
                    problems.append(f'{os.path.basename(path)}: {len(english)} <{tag}> in English, '
                                    f'{len(translated)} in {language} under <{parent.tag}>')
        for child in children:
            walk(child)

    walk(ET.parse(path).getroot())
    return problems


def main():
    root, lupdate = sys.argv[1], sys.argv[2]
    catalogs = sorted(glob.glob(os.path.join(root, 'translations', 'brimfold_*.ts')))
    languages = [re.sub(r'^brimfold_|\.ts$', '', os.path.basename(c)) for c in catalogs]
    problems = [] if catalogs else ['no catalogs in translations/']
    with tempfile.TemporaryDirectory() as scratch:
        copies = [shutil.copy(c, scratch) for c in catalogs]
        subprocess.run([lupdate, '-silent', '-locations', 'none', '-no-obsolete',
                        os.path.join(root, 'src'), '-ts', *copies], check=True)
        for copy, language in zip(copies, languages):
            problems += catalog_problems(copy, language)
    problems += desktop_problems(os.path.join(root, 'packaging', 'brimfold.desktop.in'), languages)
    problems += metainfo_problems(os.path.join(root, 'packaging', 'brimfold.metainfo.xml'), languages)
    for problem in problems:
        print(problem)
    print(f'{len(problems)} problems in {len(languages)} languages: {" ".join(languages)}')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
