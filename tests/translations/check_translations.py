#!/usr/bin/env python3
"""Every Chinese text of the program has a finished English translation.

1. Every string literal in src/ that holds Chinese is marked with VQ_TEXT (or is one of the few
   texts that read the same in every language), so that lupdate finds it.
2. lupdate, run over src/ into a scratch .ts, finds no text that resources/translations/
   varnoquil_en.ts lacks, and the file keeps no text that is gone from the sources.
3. Each translation is finished, not empty, holds no Chinese, and keeps the source's %S/%s/%d
   in order, its line breaks, and one accelerator (&X) where the source has one.
Fix a failure with tools/mark_texts.py and tools/update_translations.sh, then translate.
usage: check_translations.py SOURCE_DIR LUPDATE
"""
import pathlib
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

CJK = re.compile(r"[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]")
# Texts that read the same in every language: a language's own name, the default font's face
# name as the settings file writes it.
SAME_IN_EVERY_LANGUAGE = {"简体中文", "宋体", "宋体,134,,9,"}
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'|VQ_TEXT\s*\(|[()]', re.S)


def unmarked_chinese(path):
    """String literals with Chinese outside VQ_TEXT(...), comments left aside."""
    text = path.read_text(encoding="utf-8")
    found = []
    depth = 0  # parentheses open inside the innermost VQ_TEXT
    marked = 0
    for m in TOKEN.finditer(text):
        token = m.group(0)
        if token.startswith("VQ_TEXT"):
            marked, depth = marked + 1, 1 if marked == 0 else depth + 1
        elif token == "(" and marked:
            depth += 1
        elif token == ")" and marked:
            depth -= 1
            if depth == 0:
                marked = 0
        elif token.startswith('"') and CJK.search(token) and not marked:
            literal = token[1:-1]
            if literal not in SAME_IN_EVERY_LANGUAGE:
                line = text.count("\n", 0, m.start()) + 1
                found.append(f"{path}:{line}: {token}")
    return found


def messages(ts):
    out = {}
    for context in ET.parse(ts).getroot().iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            out[source] = translation
    return out


def placeholders(text):
    return re.findall(r"%[Ssd]", text.replace("%%", ""))


def accelerators(text):
    return len(re.findall(r"&(?!&)[^\s]", text.replace("&&", "")))


def main():
    source_dir, lupdate = pathlib.Path(sys.argv[1]), sys.argv[2]
    problems = []
    for path in sorted(source_dir.joinpath("src").rglob("*")):
        if path.suffix in (".h", ".cpp", ".in"):
            problems += [f"not marked for translation (VQ_TEXT): {p}" for p in unmarked_chinese(path)]

    ts = source_dir / "resources/translations/varnoquil_en.ts"
    with tempfile.TemporaryDirectory() as scratch:
        fresh = pathlib.Path(scratch) / "fresh_en.ts"
        run = subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", "-tr-function-alias",
                              "QT_TR_NOOP=VQ_TEXT,tr=VQ_NOT_OURS,translate=VQ_NOT_OURS", "-source-language", "zh_CN",
                              "-target-language", "en", str(source_dir / "src"), "-ts", str(fresh)],
                             capture_output=True, text=True)
        if run.returncode != 0:
            sys.exit(f"lupdate failed: {run.stderr}")
        found = messages(fresh)
    kept = messages(ts)
    if len(found) < 200:
        problems.append(f"lupdate found only {len(found)} texts in src/: is VQ_TEXT still read as QT_TR_NOOP?")
    for source in found:
        if source not in kept:
            problems.append(f"no English in varnoquil_en.ts for: {source!r}")
    for source, translation in kept.items():
        english = translation.text or "" if translation is not None else ""
        if source not in found:
            problems.append(f"varnoquil_en.ts keeps a text the program no longer has: {source!r}")
        elif translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
            problems.append(f"unfinished translation of {source!r}")
        elif not english.strip():
            problems.append(f"empty translation of {source!r}")
        elif CJK.search(english):
            problems.append(f"the English of {source!r} is still Chinese: {english!r}")
        elif placeholders(source) != placeholders(english):
            problems.append(f"{source!r} and {english!r} differ in %S/%s/%d")
        elif source.count("\n") and not english.count("\n"):
            problems.append(f"{english!r} lost the line breaks of {source!r}")
        elif accelerators(source) != accelerators(english):
            problems.append(f"{source!r} and {english!r} differ in their &-accelerators")
    if problems:
        print("\n".join(problems))
        print(f"FAILED: {len(problems)} problems")
        return 1
    print(f"{len(found)} texts, each with a finished English translation")
    return 0


if __name__ == "__main__":
    sys.exit(main())
