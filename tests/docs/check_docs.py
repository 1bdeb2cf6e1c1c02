#!/usr/bin/env python3
"""The man page and the bash completion name exactly the options --help names.

Every option that `varnoquil --help` prints (in Chinese and in English) must appear in
varnoquil.1 and in the completion script, and neither may name an option --help does not know;
the short options (-h, -V) must appear in both too, and the completion must offer every value
--help lists for an option ("--extract checked|tree|all", the encodings).
The man page must also say where the settings file lives, and render without warnings.
usage: check_docs.py VARNOQUIL MAN_PAGE COMPLETION
"""
import re
import shutil
import subprocess
import sys

OPTION = re.compile(r"(?<![\w-])--[a-z][a-z0-9-]*")
SHORT = re.compile(r"(?<![\w-])-[a-zA-Z](?![\w-])")
CHOICES = re.compile(r"(--[a-z-]+) ([a-z]+(?:\|[a-z]+)+)")


def help_text(program, language):
    run = subprocess.run([program, "--lang", language, "--help"], capture_output=True, text=True, timeout=30)
    if run.returncode != 0:
        sys.exit(f"{program} --lang {language} --help exited with {run.returncode}: {run.stderr}")
    return run.stdout


def help_values(text):
    """The values --help lists: "a|b|c" after an option, and the encodings on the line after --encoding."""
    values = {value for _, choices in CHOICES.findall(text) for value in choices.split("|")}
    lines = text.splitlines()
    for k, line in enumerate(lines):
        if line.lstrip().startswith("--encoding") and k + 1 < len(lines):
            values |= {name for name in re.split(r"[,\s]+", lines[k + 1]) if name}
    return values


def main():
    program, man_page, completion = sys.argv[1:4]
    chinese_text, english_text = help_text(program, "zh"), help_text(program, "en")
    chinese, english = set(OPTION.findall(chinese_text)), set(OPTION.findall(english_text))
    problems = []
    if chinese != english:
        problems.append(f"--help names other options in Chinese than in English: {sorted(chinese ^ english)}")
    known = chinese | english
    man = open(man_page, encoding="utf-8").read()
    in_man = set(OPTION.findall(man.replace("\\-", "-")))
    in_man_short = set(SHORT.findall(man.replace("\\-", "-")))
    script = open(completion, encoding="utf-8").read()
    in_completion = set(OPTION.findall(script))
    for name, found in (("the man page", in_man), ("the bash completion", in_completion)):
        for option in sorted(known - found):
            problems.append(f"{name} does not know {option}, which --help prints")
        for option in sorted(found - known):
            problems.append(f"{name} names {option}, which --help does not print")
    for option in sorted(set(SHORT.findall(english_text))):
        if option not in in_man_short or option not in script.split():
            problems.append(f"the man page or the bash completion does not know {option}, which --help prints")
    values = help_values(english_text)
    if len(values) < 10:
        problems.append(f"--help lists only these option values: {sorted(values)}")
    for value in sorted(values - set(re.findall(r"[\w-]+", script))):
        problems.append(f"the bash completion does not offer {value}, which --help lists")
    for must in ("tolvry.ini", "XDG_CONFIG_HOME", ".config/varnoquil"):
        if must not in man:
            problems.append(f"the man page does not say where the settings file is ({must})")
    if shutil.which("groff"):
        run = subprocess.run(["groff", "-man", "-ww", "-z", man_page], capture_output=True, text=True)
        if run.returncode != 0 or run.stderr.strip():
            problems.append(f"groff warns about the man page: {run.stderr}")
    if problems:
        print("\n".join(problems))
        print(f"FAILED: {len(problems)} problems")
        return 1
    print(f"{len(known)} options, each in --help, the man page and the completion")
    return 0


if __name__ == "__main__":
    sys.exit(main())
