#!/usr/bin/env python3
"""Checks a Qt Linguist catalogue for translations that would break at run time.

For every message it compares the translation with its source:
  * finished: no "unfinished"/"vanished"/"obsolete" mark, no empty text, and for
    numerus messages the count of plural forms the language needs;
  * placeholders: printf-style ones ("%s", "%d", "%1.4f"; the core substitutes
    them one after another, so their order must stay) and numbered ones ("%1",
    "%L2", "%n", which may move);
  * "&" accelerators: the same count, at most one ("&&" is a literal ampersand);
  * leading and trailing blanks, line breaks, a trailing ":" or "...";
  * HTML tags, caption markup ("^" superscript, "_" subscript, "$" Greek);
  * file filters: the patterns of "Description|*.ext|..." lists and of
    "Description (*.ext)", and every "*.ext" anywhere, stay as they are.

Usage: check_ts.py [--numbered-ok] FILE.ts...
--numbered-ok accepts "%1".."%k" in a translation in place of the k printf
placeholders of its source (for texts formatted with QString::arg).
Exit status 0 when every file is clean, 1 otherwise.
"""

import re
import sys
import xml.etree.ElementTree as ET

# Plural forms a numerus message needs, by language prefix.
PLURAL_FORMS = {"ru": 3, "uk": 3, "be": 3, "pl": 3, "cs": 3, "en": 2, "de": 2, "fr": 2}

# One placeholder: "%%" (a literal percent sign), a numbered one ("%n",
# "%L1", "%12") or a printf conversion as the core's substitution reads it
# (flags, width and precision, then one ASCII letter: "%s", "%1.4f").
TOKEN = re.compile(r"%%|%L?n|%L[1-9][0-9]?|%[-0-9.:]*[A-Za-z]|%[1-9][0-9]?")
NUMBERED = re.compile(r"%L?(?:n|[1-9][0-9]?)")
ENTITY = re.compile(r"&(?:[A-Za-z]+|#[0-9]+|#x[0-9A-Fa-f]+);")
TAG = re.compile(r"</?[A-Za-z][^<>]*>")
FILTER_PATTERN = re.compile(r"\((\*[^()]*)\)")
WILDCARD = re.compile(r"\*\.[A-Za-z0-9*]+")


def placeholders(text):
    """Returns the printf placeholders in order and the numbered ones of the text."""
    printf, numbered = [], []
    for token in TOKEN.findall(text):
        if token == "%%":
            continue
        (numbered if NUMBERED.fullmatch(token) else printf).append(token)
    return printf, numbered


def accelerators(text):
    text = ENTITY.sub("", text).replace("&&", "")
    return text.count("&")


def edge_blanks(text):
    return re.match(r"\s*", text).group(0), re.search(r"\s*$", text).group(0)


def markup_counts(text):
    return tuple(text.count(c) for c in "^_$")


def check_pair(source, translation, numbered_ok):
    """Returns a list of problems of one translation against its source."""
    problems = []
    sp, sn = placeholders(source)
    tp, tn = placeholders(translation)
    if sp != tp:
        renumbered = numbered_ok and not tp and sorted(tn) == sorted(sn + ["%" + str(k + 1) for k in range(len(sp))])
        if not renumbered:
            problems.append(f"printf placeholders {sp} became {tp}")
    elif sorted(sn) != sorted(tn):
        problems.append(f"numbered placeholders {sorted(sn)} became {sorted(tn)}")
    sa, ta = accelerators(source), accelerators(translation)
    if sa != ta or ta > 1:
        problems.append(f"{sa} accelerator(s) in the source, {ta} in the translation")
    if edge_blanks(source) != edge_blanks(translation):
        problems.append("leading or trailing blanks differ")
    if any(source.count(c) != translation.count(c) for c in "\n\r"):
        problems.append("line breaks differ")
    for ending in ("...", ":"):
        if source.rstrip().endswith(ending) != translation.rstrip().endswith(ending):
            problems.append(f'trailing "{ending}" differs')
    if sorted(TAG.findall(source)) != sorted(TAG.findall(translation)):
        problems.append("HTML tags differ")
    if markup_counts(source) != markup_counts(translation):
        problems.append("caption markup (^ _ $) differs")
    if "|" in source or "|" in translation:
        s_parts, t_parts = source.split("|"), translation.split("|")
        if len(s_parts) != len(t_parts) or s_parts[1::2] != t_parts[1::2]:
            problems.append("file filter patterns differ")
    if sorted(WILDCARD.findall(source)) != sorted(WILDCARD.findall(translation)):
        problems.append("file name patterns differ")
    if FILTER_PATTERN.findall(source) != FILTER_PATTERN.findall(translation):
        problems.append("file filter patterns in parentheses differ")
    return problems


def read_catalogue(path):
    """Parses a .ts file; <byte value="x.."/> elements become their characters."""
    with open(path, encoding="utf-8") as f:
        raw = f.read()

    def byte(m):
        v = m.group(1)
        value = int(v[1:], 16) if v.startswith("x") else int(v)
        return f"&#x{value:X};" if value in (9, 10, 13) or value >= 32 else f"&#x{0xE000 + value:X};"

    raw = re.sub(r'<byte value="(x?[0-9A-Fa-f]+)"\s*/>', byte, raw)
    return ET.fromstring(raw)


def check_file(path, numbered_ok):
    root = read_catalogue(path)
    language = (root.get("language") or "").split("_")[0]
    forms = PLURAL_FORMS.get(language)
    failures = 0
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            node = message.find("translation")
            problems = []
            if node is None:
                problems.append("no translation")
            else:
                kind = node.get("type")
                if kind in ("unfinished", "vanished", "obsolete"):
                    problems.append(f"marked {kind}")
                if message.get("numerus") == "yes":
                    texts = [f.text or "" for f in node.iter("numerusform")]
                    if forms is not None and len(texts) != forms:
                        problems.append(f"{len(texts)} plural forms where {forms} are needed")
                else:
                    texts = [node.text or ""]
                for text in texts:
                    if not text:
                        problems.append("empty translation")
                    else:
                        problems += check_pair(source, text, numbered_ok)
            for problem in problems:
                print(f"{path}: [{name}] {source[:60]!r}: {problem}")
            failures += bool(problems)
    return failures


def main(argv):
    numbered_ok = "--numbered-ok" in argv
    files = [a for a in argv if not a.startswith("--")]
    if not files:
        print(__doc__)
        return 2
    failures = sum(check_file(f, numbered_ok) for f in files)
    print(f"{failures} message(s) with problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
