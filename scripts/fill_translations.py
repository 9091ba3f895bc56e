#!/usr/bin/env python3
"""Fills unfinished entries of Qt translation catalogues (.ts) from dictionaries.

A dictionary folder holds one file per language, <code>.json, for example zh.json:
    {"texts": {"Back": "返回", ...},
     "contexts": {"QObject": {"Open Folder": "选择文件夹"}}}
A text with a count (%n) may be given as a list, one text per plural form of the
language in Qt's order (Russian: 1, 2-4, 5+).
"contexts" holds translations that apply to one class only and win over "texts".
A file without a "texts" key is read as a plain map of source text to translation.

The catalogue's language comes from its name (qt_<code>.ts). Unfinished English
entries get their source text, unless en.json corrects what users see (a misspelt
source text that must stay as it is in the code). A finished English entry that
differs from its source is such a correction: it stays unless --overwrite is given. The files are edited in place, entry by entry, so that the
layout lupdate wrote stays as it is. Entries still untranslated are listed.

Usage: fill_translations.py [--dict FOLDER] [--overwrite] CATALOGUE.ts...
  --overwrite  also replace finished translations that differ from the dictionary
"""
import argparse
import html
import json
import os
import re
import sys
import xml.etree.ElementTree as ElementTree

CONTEXT_RE = re.compile(r"<context>.*?</context>", re.S)
NAME_RE = re.compile(r"<name>(.*?)</name>", re.S)
MESSAGE_RE = re.compile(r"<message(?P<attrs>[^>]*)>(?P<body>.*?)</message>", re.S)
SOURCE_RE = re.compile(r"<source>(.*?)</source>", re.S)
NUMERUS_RE = re.compile(r"<numerusform>(.*?)</numerusform>", re.S)
TRANSLATION_RE = re.compile(r"<translation(?P<attrs>[^>]*?)(?:/>|>(?P<text>.*?)</translation>)", re.S)


NAMED = {"&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;", "'": "&apos;"}


def escape(text):
    """Escapes a text the way lupdate writes it: control characters and
    non-ASCII blanks (such as the no-break space) as numeric references."""
    out = []
    for ch in text:
        if ch in NAMED:
            out.append(NAMED[ch])
        elif (ord(ch) < 0x20 and ch not in "\r\n\t") or (ord(ch) > 0x7f and ch.isspace()):
            out.append("&#x%x;" % ord(ch))
        else:
            out.append(ch)
    return "".join(out)


def unescape(text):
    return html.unescape(text)


def language_of(path):
    match = re.match(r"qt_(\w+)\.ts$", os.path.basename(path))
    return match.group(1) if match else None


def load_dictionary(folder, language):
    if not folder:
        return {}, {}
    path = os.path.join(folder, language + ".json")
    if not os.path.exists(path):
        return {}, {}
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    if "texts" in data:
        return data.get("texts", {}), data.get("contexts", {})
    return data, {}


def edges(text):
    """Leading and trailing blanks and line breaks, which a translation must keep."""
    return re.match(r"[ \n]*", text).group(0), re.search(r"[ \n]*$", text).group(0)


def mismatch(source, translation):
    """Names what a translation fails to keep of its source, or None."""
    if edges(source) != edges(translation):
        return "leading or trailing blanks differ"
    if source.count("\n") != translation.count("\n"):
        return "number of line breaks differs"
    if sorted(re.findall(r"%(?:\d+|n)", source)) != sorted(re.findall(r"%(?:\d+|n)", translation)):
        return "placeholders differ"
    if re.search(r"&\w", source.replace("&&", "")) and not re.search(r"&\w", translation.replace("&&", "")):
        return "accelerator lost"
    return None


class Catalogue:
    def __init__(self, path, language, texts, contexts, overwrite):
        self.path = path
        self.language = language
        self.texts = texts
        self.contexts = contexts
        self.overwrite = overwrite
        self.total = 0
        self.filled = 0
        self.untranslated = []
        self.warnings = []

    def wanted(self, context, source):
        in_context = self.contexts.get(context, {})
        if source in in_context:
            return in_context[source]
        if self.language == "en":
            return self.texts.get(source, source)
        return self.texts.get(source)

    def message(self, context, match):
        attrs, body = match.group("attrs"), match.group("body")
        self.total += 1
        source_match = SOURCE_RE.search(body)
        translation_match = TRANSLATION_RE.search(body)
        if not source_match or not translation_match:
            self.untranslated.append((context, unescape(source_match.group(1)) if source_match else "?"))
            return match.group(0)
        source = unescape(source_match.group(1))
        numerus = 'numerus="yes"' in attrs
        inner = translation_match.group("text") or ""
        current = [unescape(f) for f in NUMERUS_RE.findall(inner)] if numerus else [unescape(inner)]
        unfinished = "unfinished" in translation_match.group("attrs")
        wanted = self.wanted(context, source)
        if wanted is not None:
            wanted = self.forms(wanted, len(current)) if numerus else [wanted]
            if wanted is None:
                self.warnings.append(f"{context}: {source!r}: dictionary gives the wrong number of plural forms "
                                     f"({len(current)} wanted)")
        if wanted is not None and (unfinished or (self.overwrite and wanted != current)):
            problem = next(filter(None, (mismatch(source, form) for form in wanted)), None)
            if problem:
                self.warnings.append(f"{context}: {source!r}: dictionary translation skipped, {problem}")
            elif unfinished or wanted != current:
                body = body[:translation_match.start()] + self.translation_element(wanted, numerus) \
                    + body[translation_match.end():]
                self.filled += 1
                unfinished = False
                current = wanted
        if unfinished or not all(current):
            self.untranslated.append((context, source))
        else:
            problem = next(filter(None, (mismatch(source, form) for form in current)), None)
            if problem:
                self.warnings.append(f"{context}: {source!r}: {problem}")
        return "<message" + attrs + ">" + body + "</message>"

    def forms(self, wanted, count):
        """The plural forms for a message with a count (%n): a dictionary gives
        a list, one text per form of the language; a single text serves all."""
        if self.language == "en" or isinstance(wanted, str):
            return [wanted if isinstance(wanted, str) else wanted[0]] * max(count, 1)
        return list(wanted) if len(wanted) == count else None

    @staticmethod
    def translation_element(forms, numerus):
        if not numerus:
            return "<translation>" + escape(forms[0]) + "</translation>"
        inner = "".join("\n            <numerusform>" + escape(form) + "</numerusform>" for form in forms)
        return "<translation>" + inner + "\n        </translation>"

    def context(self, match):
        block = match.group(0)
        name = unescape(NAME_RE.search(block).group(1))
        return MESSAGE_RE.sub(lambda m: self.message(name, m), block)

    def process(self):
        with open(self.path, encoding="utf-8") as f:
            text = f.read()
        updated = CONTEXT_RE.sub(self.context, text)
        ElementTree.fromstring(updated.encode("utf-8"))  # still well-formed
        if updated != text:
            with open(self.path, "w", encoding="utf-8") as f:
                f.write(updated)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--dict", dest="folder")
    parser.add_argument("--overwrite", action="store_true")
    parser.add_argument("catalogues", nargs="+")
    args = parser.parse_args()
    if args.folder and not os.path.isdir(args.folder):
        sys.exit(f"fill_translations: no dictionary folder {args.folder}")
    missing = {}  # (context, source) -> languages that lack it
    for path in args.catalogues:
        language = language_of(path)
        if not language:
            print(f"{path}: not named qt_<language>.ts, skipped")
            continue
        texts, contexts = load_dictionary(args.folder, language)
        catalogue = Catalogue(path, language, texts, contexts, args.overwrite)
        catalogue.process()
        done = catalogue.total - len(catalogue.untranslated)
        print(f"{os.path.basename(path)}: {done}/{catalogue.total} translated, {catalogue.filled} filled now, "
              f"{len(catalogue.untranslated)} untranslated")
        for warning in catalogue.warnings:
            print(f"    warning  {warning}")
        for entry in catalogue.untranslated:
            missing.setdefault(entry, []).append(language)
    for (context, source), languages in missing.items():
        print(f"untranslated  {context}: {source!r}  [{' '.join(languages)}]")
    print(f"{sum(len(languages) for languages in missing.values())} entries untranslated in all")

if __name__ == "__main__":
    main()
