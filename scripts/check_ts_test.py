#!/usr/bin/env python3
"""Faults the catalogue checker must catch, and sound translations it must pass.

Run: python3 scripts/check_ts_test.py
"""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_ts  # noqa: E402


def problems(source, translation, numbered_ok=False):
    return check_ts.check_pair(source, translation, numbered_ok)


class PlaceholderTest(unittest.TestCase):
    def test_printf_order_and_count(self):
        source = 'Line %s of the file cannot be read: "%s"'
        self.assertEqual(problems(source, "Строку %s файла не удается прочитать: «%s»"), [])
        # The core fills printf placeholders one after another: a dropped,
        # added or changed conversion shifts every later argument.
        self.assertTrue(problems(source, "Строку файла не удается прочитать: «%s»"))
        self.assertTrue(problems("%d mV %d sec", "%d мВ %s с"))
        self.assertTrue(problems("R^2^[%s]=%1.4f", "R^2^[%s]=%1.3f"))
        # Numbered forms only where the text is formatted with QString::arg.
        self.assertTrue(problems("Cell %s of %s", "%2: ячейка %1"))
        self.assertEqual(problems("Cell %s of %s", "%2: ячейка %1", numbered_ok=True), [])
        self.assertTrue(problems("Cell %s of %s", "%2: ячейка %2", numbered_ok=True))

    def test_numbered_and_literal_percent(self):
        self.assertEqual(problems("%1 of %2", "%2: %1"), [])
        self.assertTrue(problems("%1 of %2", "%1 из %1"))
        self.assertEqual(problems("$д$, %", "$д$, %"), [])
        self.assertEqual(problems("100%% done", "готово на 100%%"), [])
        # A Cyrillic letter after "%" is no conversion, an ASCII one is.
        self.assertTrue(problems("Error", "Ошибка %x"))


class FormTest(unittest.TestCase):
    def test_accelerators(self):
        self.assertEqual(problems("&Open", "&Открыть"), [])
        self.assertEqual(problems("Save && close", "Сохранить && закрыть"), [])
        self.assertTrue(problems("&Open", "Открыть"))
        self.assertTrue(problems("&Open", "&От&крыть"))
        self.assertEqual(problems("a &lt; b", "a &lt; b"), [])

    def test_edges_breaks_and_markup(self):
        self.assertTrue(problems(" (in cell)", "(в ячейке)"))
        self.assertTrue(problems("X=%s ", "X=%s"))
        self.assertTrue(problems("Loading...", "Загрузка"))
        self.assertTrue(problems("A\nB", "А Б"))
        self.assertTrue(problems("Volume, cm^3^", "Объем, см3"))
        self.assertTrue(problems("X_med_, %s", "Xср, %s"))
        self.assertTrue(problems("<b>Note</b>", "Примечание"))

    def test_file_filters(self):
        source = "Any file|*.*|*.dat|*.dat"
        self.assertEqual(problems(source, "Все файлы|*.*|*.dat|*.dat"), [])
        self.assertTrue(problems(source, "Все файлы|*.*|*.дат|*.dat"))
        self.assertTrue(problems(source, "Все файлы (*.*)|*.dat|*.dat"))
        self.assertTrue(problems("Methods (*.mtd)", "Методики (*.мтд)"))


class CatalogueTest(unittest.TestCase):
    def run_on(self, body):
        text = ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                '<TS version="2.1" language="ru_RU" sourcelanguage="en">\n<context>\n<name>C</name>\n'
                + body + "\n</context>\n</TS>\n")
        with tempfile.NamedTemporaryFile("w", suffix=".ts", delete=False, encoding="utf-8") as f:
            f.write(text)
        try:
            with open(os.devnull, "w") as quiet:
                stdout, sys.stdout = sys.stdout, quiet
                try:
                    return check_ts.check_file(f.name, False)
                finally:
                    sys.stdout = stdout
        finally:
            os.unlink(f.name)

    def test_unfinished_and_empty(self):
        self.assertEqual(self.run_on("<message><source>Open</source><translation>Открыть</translation></message>"), 0)
        self.assertEqual(self.run_on('<message><source>Open</source>'
                                     '<translation type="unfinished">Открыть</translation></message>'), 1)
        self.assertEqual(self.run_on("<message><source>Open</source><translation></translation></message>"), 1)

    def test_plural_forms(self):
        three = "<numerusform>%n пик</numerusform><numerusform>%n пика</numerusform><numerusform>%n пиков</numerusform>"
        self.assertEqual(self.run_on('<message numerus="yes"><source>%n peak(s)</source>'
                                     "<translation>" + three + "</translation></message>"), 0)
        self.assertEqual(self.run_on('<message numerus="yes"><source>%n peak(s)</source><translation>'
                                     "<numerusform>%n пик</numerusform><numerusform>%n пиков</numerusform>"
                                     "</translation></message>"), 1)

    def test_carriage_return_bytes(self):
        # lupdate writes a carriage return as <byte value="xd"/>; it must count as
        # the same character on both sides.
        self.assertEqual(self.run_on('<message><source>A.<byte value="xd"/> B</source>'
                                     '<translation>А.<byte value="xd"/> Б</translation></message>'), 0)
        self.assertEqual(self.run_on('<message><source>Line %s<byte value="xd"/> B</source>'
                                     "<translation>Строка %s Б</translation></message>"), 1)


if __name__ == "__main__":
    unittest.main()
