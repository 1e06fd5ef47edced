#!/usr/bin/env python3
"""Checks the release archive that scripts/package builds, as a user gets it.

The user unpacks it, copies one DLL and reads readme.txt in Notepad on a
Japanese Windows. So the archive holds exactly the DLL, readme.txt and
license.txt; the DLL passes the shipped-DLL check and carries the version the
archive is named after; both texts are code page 932 with CR LF line ends; and
every message that readme.txt quotes is one the plug-in's code can show.

readme.txt quotes a message line by line, each line starting with "> ";
"〈...〉" stands for a part that varies (a path, a number), and the fixed
parts around it must stand in one text of the code.
"""
import os
import re
import struct
import subprocess
import sys
import tempfile
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ARCHIVE_FILES = {"tarnwick.dll", "readme.txt", "license.txt"}
ABOUT_TITLE = "tarnwick for Namazu AL-Mail Plug-in Version "
FIXED_VERSION_SIGNATURE = struct.pack("<I", 0xFEEF04BD)
PLACEHOLDER = re.compile("〈[^〉]*〉")

TOKENS = re.compile(r'''
    (?P<skip>\s+|//[^\n]*|/\*.*?\*/|\#[^\n]*)
  | (?P<raw>(?:u8|[uUL])?R"(?P<delimiter>[^(\s]*)\((?P<body>.*?)\)(?P=delimiter)")
  | (?P<string>(?:u8|[uUL])?"(?:[^"\\\n]|\\.)*")
  | (?P<char>(?:u8|[uUL])?'(?:[^'\\\n]|\\.)*')
  | (?P<name>[A-Za-z_]\w*(?:::[A-Za-z_]\w*)*)
  | (?P<other>.)
''', re.VERBOSE | re.DOTALL)
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "0": "\0"}


def tokens_of(source):
    tokens = []
    for match in TOKENS.finditer(source):
        kind = match.lastgroup
        if kind in ("skip", "char"):
            continue
        if kind == "raw":
            tokens.append(("string", match.group("body")))
        elif kind == "string":
            body = match.group()[match.group().index('"') + 1:-1]
            tokens.append(("string", re.sub(r"\\(.)", lambda m: ESCAPES.get(m[1], m[1]), body)))
        else:
            tokens.append((kind, match.group()))
    return tokens


def strings_at(tokens, i):
    """Adjacent literals from i on, joined as the compiler joins them."""
    pieces = []
    while i < len(tokens) and tokens[i][0] == "string":
        pieces.append(tokens[i][1])
        i += 1
    return ("".join(pieces) if pieces else None), i


def operand_at(tokens, i, constants):
    """A literal, a named text constant, or std::string of either, at i."""
    text, j = strings_at(tokens, i)
    if text is not None:
        return text, j
    if tokens[i:i + 2] == [("name", "std::string"), ("other", "(")]:
        text, j = operand_at(tokens, i + 2, constants)
        if text is not None and tokens[j:j + 1] == [("other", ")")]:
            return text, j + 1
        return None, i
    if i < len(tokens) and tokens[i][0] == "name" and tokens[i][1] in constants:
        return constants[tokens[i][1]], i + 1
    return None, i


def constants_of(tokens):
    """Texts named by `char NAME[] = "...";` or `std::string NAME = "...";`."""
    constants = {}
    for i, (kind, name) in enumerate(tokens):
        if kind != "name":
            continue
        j = i + 1
        if tokens[j:j + 2] == [("other", "["), ("other", "]")]:
            j += 2
        elif i == 0 or tokens[i - 1] != ("name", "std::string"):
            continue
        if tokens[j:j + 1] != [("other", "=")]:
            continue
        text, j = strings_at(tokens, j + 1)
        if text is not None and tokens[j:j + 1] == [("other", ";")]:
            constants[name] = text
    return constants


def texts_of(tokens, constants):
    """Each run of texts joined by +, as one text; a variable ends the run."""
    texts = []
    i = 0
    while i < len(tokens):
        text, j = operand_at(tokens, i, constants)
        if text is None:
            i += 1
            continue
        pieces = [text]
        while tokens[j:j + 1] == [("other", "+")]:
            more, k = operand_at(tokens, j + 1, constants)
            if more is None:
                break
            pieces.append(more)
            j = k
        texts.append("".join(pieces))
        i = j
    return texts


def code_texts(source_dir):
    sources = []
    for folder, _, files in os.walk(source_dir):
        for name in sorted(files):
            if name.endswith((".cpp", ".h")):
                with open(os.path.join(folder, name), encoding="utf-8") as source:
                    sources.append(tokens_of(source.read()))
    constants = {}
    for tokens in sources:
        constants.update(constants_of(tokens))
    return [text for tokens in sources for text in texts_of(tokens, constants)]


def quoted_message_lines(readme):
    return [line[2:] for line in readme.split("\r\n") if line.startswith(">")]


# A quoted line's own start and end are those of a line of the message, so
# that a quote cut short is no quote.
def part_pattern(part, starts_line, ends_line):
    return re.compile(("(?<![^\n])" if starts_line else "") + re.escape(part) +
                      ("(?![^\r\n])" if ends_line else ""))


def message_faults(readme, texts):
    lines = quoted_message_lines(readme)
    if not lines:
        return ["readme.txt quotes no message (lines starting with \"> \")"]
    faults = []
    for line in lines:
        parts = PLACEHOLDER.split(line)
        for n, part in enumerate(parts):
            if not part:
                continue
            pattern = part_pattern(part, n == 0, n == len(parts) - 1)
            if not any(pattern.search(text) for text in texts):
                faults.append("readme.txt quotes a message the code does not show: %r in %r"
                              % (part, line))
    return faults


def windows_text_faults(name, data):
    try:
        data.decode("cp932")
    except UnicodeDecodeError as error:
        return ["%s is not code page 932: %s" % (name, error)]
    unpaired = data.replace(b"\r\n", b"")
    if b"\r" in unpaired or b"\n" in unpaired or not data.endswith(b"\r\n"):
        return ["%s has line ends other than CR LF" % name]
    return []


def string_value(dll, key):
    """A VERSIONINFO string: the UTF-16 text after its key and padding."""
    at = dll.find(key.encode("utf-16-le") + b"\0\0")
    if at < 0:
        return None
    at += 2 * len(key)
    while dll[at:at + 2] == b"\0\0":
        at += 2
    end = at
    while end < len(dll) and dll[end:end + 2] != b"\0\0":
        end += 2
    return dll[at:end].decode("utf-16-le")


def version_faults(dll, version):
    numbers = ([int(n) for n in version.split(".")] + [0, 0, 0])[:4]
    faults = []
    at = dll.find(FIXED_VERSION_SIGNATURE)
    packed = (numbers[0] << 16 | numbers[1], numbers[2] << 16 | numbers[3])
    if at < 0 or struct.unpack_from("<4I", dll, at + 8) != packed + packed:
        faults.append("the DLL's file and product version numbers are not %s" % numbers)
    for key, value in (("FileVersion", ".".join(map(str, numbers))), ("ProductVersion", version)):
        found = string_value(dll, key)
        if found != value:
            faults.append("the DLL's %s is %r, not %r" % (key, found, value))
    title = ABOUT_TITLE + version
    if title.encode("utf-16-le") + b"\0\0" not in dll:
        faults.append("the about box does not read %r" % title)
    return faults


def shipped_dll_faults(dll):
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "tarnwick.dll")
        with open(path, "wb") as file:
            file.write(dll)
        check = subprocess.run(
            [sys.executable, os.path.join(ROOT, "tests", "dll", "check_shipped_dll.py"), path],
            capture_output=True, text=True)
    if check.returncode != 0:
        report = check.stdout.strip() or check.stderr.strip().splitlines()[-1]
        return ["the DLL fails the shipped-DLL check: " + report]
    return []


def faults_of(archive_path, version, texts):
    """The faults found, and the number of message lines readme.txt quotes."""
    expected_name = "tarnwick-%s.zip" % version
    if os.path.basename(archive_path) != expected_name:
        return ["the archive is not named %s" % expected_name], 0
    with zipfile.ZipFile(archive_path) as archive:
        names = set(archive.namelist())
        if names != ARCHIVE_FILES:
            return ["the archive holds %s, not %s" % (sorted(names), sorted(ARCHIVE_FILES))], 0
        files = {name: archive.read(name) for name in names}
    faults = shipped_dll_faults(files["tarnwick.dll"])
    faults += version_faults(files["tarnwick.dll"], version)
    for name in ("readme.txt", "license.txt"):
        faults += windows_text_faults(name, files[name])
    if faults:
        return faults, 0
    readme = files["readme.txt"].decode("cp932")
    if "バージョン %s" % version not in readme or "@VERSION@" in readme:
        faults.append("readme.txt does not name version %s" % version)
    return faults + message_faults(readme, texts), len(quoted_message_lines(readme))


def main():
    archive_path = sys.argv[1]
    with open(os.path.join(ROOT, "VERSION"), encoding="ascii") as file:
        version = file.read().strip()
    texts = code_texts(os.path.join(ROOT, "src"))
    faults, quoted = faults_of(archive_path, version, texts)
    for fault in faults:
        print("%s: %s" % (archive_path, fault))
    if faults:
        return 1
    print("%s: %s; the DLL passes its check and is version %s; code page 932 texts with "
          "CR LF; the %d message lines readme.txt quotes are in the code"
          % (archive_path, ", ".join(sorted(ARCHIVE_FILES)), version, quoted))
    return 0


if __name__ == "__main__":
    sys.exit(main())
