#!/usr/bin/env python3
"""Checks a Qt Linguist file: every message translated, and every translation
keeps the formatting of its source text (placeholders, accelerators, line
breaks, leading/trailing blanks, HTML tags, caption markup).

Usage: check_ts_translation.py FILE.ts [FILE.ts ...]; exit status 1 on faults.
"""
import re
import sys
import xml.etree.ElementTree as ET
from collections import Counter

PRINTF = re.compile(r"%(?:%|[-+ 0#]*(?:\d+|\*)?(?:\.(?:\d+|\*))?(?:hh|h|ll|l|L|z)?[sdifgGeEuxXcp])")
NUMBERED = re.compile(r"%L?(\d{1,2})")
TAG = re.compile(r"</?([A-Za-z][A-Za-z0-9]*)\b[^>]*>")
ENTITY = re.compile(r"&(?:#\d+|#x[0-9A-Fa-f]+|[A-Za-z]+);")


def placeholders(text):
    """The printf placeholders (in order, %% left out), the numbered ones
    (as a multiset) and whether %n occurs."""
    printf = [p for p in PRINTF.findall(text) if p != "%%"]
    rest = PRINTF.sub("", text)
    numbered = Counter(NUMBERED.findall(rest))
    return printf, numbered, "%n" in rest


def accelerators(text):
    """Single '&' markers: '&&' and HTML entities are not accelerators."""
    text = ENTITY.sub("", text).replace("&&", "")
    return text.count("&")


def placeholder_faults(source, translation):
    s_printf, s_num, s_n = placeholders(source)
    t_printf, t_num, t_n = placeholders(translation)
    if s_n != t_n:
        return ["%n kept in only one of source and translation"]
    if s_num:
        if t_printf or t_num != s_num:
            return ["numbered placeholders differ: %s vs %s" % (dict(s_num), dict(t_num))]
        return []
    if Counter(s_printf) == Counter(t_printf) and not t_num:
        if s_printf != t_printf:
            return ["printf placeholders reordered without numbering: %s vs %s" % (s_printf, t_printf)]
        return []
    # Reordered arguments: the translation numbers them %1..%k instead.
    if s_printf and not t_printf and t_num == Counter(str(i) for i in range(1, len(s_printf) + 1)):
        return []
    return ["placeholders differ: %s vs %s" % (s_printf + sorted(s_num.elements()), t_printf + sorted(t_num.elements()))]


def form_faults(source, translation):
    faults = placeholder_faults(source, translation)
    a, b = accelerators(source), accelerators(translation)
    if a > 1 or a != b:
        faults.append("accelerators: %d in source, %d in translation" % (a, b))
    checks = [
        ("'&&'", source.count("&&"), translation.count("&&")),
        ("line breaks", source.count("\n"), translation.count("\n")),
        ("leading blanks", len(source) - len(source.lstrip(" ")), len(translation) - len(translation.lstrip(" "))),
        ("trailing blanks", len(source) - len(source.rstrip(" ")), len(translation) - len(translation.rstrip(" "))),
        ("trailing colon", source.rstrip().endswith(":"), translation.rstrip().endswith(":")),
        ("trailing '...'", source.rstrip().endswith("..."), translation.rstrip().endswith("...")),
        ("'^' markers", source.count("^"), translation.count("^")),
        ("'_' markers", source.count("_"), translation.count("_")),
        ("'$' markers", source.count("$"), translation.count("$")),
        ("HTML tags", Counter(TAG.findall(source)), Counter(TAG.findall(translation))),
        ("HTML entities", Counter(ENTITY.findall(source)), Counter(ENTITY.findall(translation))),
    ]
    faults += ["%s differ" % name for name, x, y in checks if x != y]
    return faults


def check_file(path):
    faults = []
    root = ET.parse(path).getroot()
    if root.get("version") != "2.1" or not root.get("language"):
        faults.append("%s: not a TS 2.1 file with a language" % path)
    count = 0
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            count += 1
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = "%s: %s: %r" % (path, name, source[:60])
            if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
                faults.append(where + ": not finished")
                continue
            if message.get("numerus") == "yes":
                forms = [f.text or "" for f in translation.findall("numerusform")]
                if len(forms) != 3:
                    faults.append(where + ": %d plural forms instead of 3" % len(forms))
            else:
                forms = [translation.text or ""]
            for form in forms:
                if not form.strip():
                    faults.append(where + ": empty translation")
                    continue
                faults += ["%s: %s" % (where, f) for f in form_faults(source, form)]
    return count, faults


def main(paths):
    bad = False
    for path in paths:
        count, faults = check_file(path)
        for f in faults:
            print(f)
        print("%s: %d messages, %d faults" % (path, count, len(faults)))
        bad = bad or bool(faults)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
