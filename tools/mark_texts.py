#!/usr/bin/env python3
"""Marks every Chinese text of the *Texts.h headers under src/ for translation.

A constant written as `inline constexpr const char* kName = "中文";` (or an array, or an errno
pair) becomes `inline constexpr Phrase kName = VQ_TEXT("中文");`, which lupdate finds and the
program shows in the chosen language. Texts already marked, and texts with no Chinese in them,
are left as they are. Run it after adding texts, then update the translation file:
    tools/mark_texts.py && tools/update_translations.sh
"""
import pathlib
import re
import sys

SRC = pathlib.Path(__file__).resolve().parent.parent / "src"
CJK = re.compile(r"[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]")
LITERAL = r'"(?:[^"\\]|\\.)*"'
# Texts that read the same in every language: each language's own name.
KEEP = {"kLanguageNames"}


def mark_constant(m):
    name, body = m.group(1), m.group(2)
    if not CJK.search(body):
        return m.group(0)
    stripped = body.lstrip()
    return f"inline constexpr Phrase {name} ={body[:len(body) - len(stripped)]}VQ_TEXT({stripped});"


def mark_array(m):
    name, size, body = m.groups()
    if name in KEEP or not CJK.search(body):
        return m.group(0)
    body = re.sub(f"({LITERAL})", r"VQ_TEXT(\1)", body)
    return f"inline constexpr Phrase {name}[{size}] = {{{body}}};"


def mark(text):
    text = re.sub(rf"inline constexpr const char\* (k\w+) =((?:\s*{LITERAL})+);", mark_constant, text)
    text = re.sub(r"inline constexpr const char\* (k\w+)\[(\d*)\] = \{(.*?)\};", mark_array, text, flags=re.S)
    text = text.replace("std::pair<int, const char*> kErrnoTexts[]", "std::pair<int, Phrase> kErrnoTexts[]")
    return re.sub(rf"(\{{E[A-Z]+, )({LITERAL})\}}", r"\1VQ_TEXT(\2)}", text)


def main():
    paths = [pathlib.Path(a) for a in sys.argv[1:]] or sorted(SRC.glob("**/*Texts.h"))
    for path in paths:
        old = path.read_text(encoding="utf-8")
        new = mark(old)
        if new != old:
            path.write_text(new, encoding="utf-8")
            print(f"marked the new Chinese texts of {path}")


if __name__ == "__main__":
    main()
