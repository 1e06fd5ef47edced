#!/usr/bin/env python3
"""Writes a mail account whose folder holds a mail of every MIME class.

    make_mime_account.py OUTDIR

OUTDIR becomes the account directory; its folder user001.box (今どきのメール)
holds one mail per entry of CLASSES, in that order as 1.alm, 2.alm, ...
Each body holds its class's own ASCII word (mime + the class name) and,
where the charset can write Japanese, the sentence JAPANESE, whose 会議室 and
申し上げます stand in no header. Headers are ASCII; their subjects say
nothing of the words. The mails are written by hand here, not taken from
anyone's mailbox.
"""

import argparse
import base64
import os
import quopri

from make_sample_mailbox import Folder, order_of, write_ini, write_mails

JAPANESE = "会議室の予約について、よろしくお願い申し上げます。"
BOUNDARY = "=_part_boundary_1"
INNER = "=_inner_boundary_2"


def crlf(data):
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def transfer(data, encoding):
    if encoding == "base64":
        return crlf(base64.encodebytes(data))
    if encoding == "quoted-printable":
        return crlf(quopri.encodestring(data))
    return crlf(data)


def text(word, charset):
    if charset in ("us-ascii", "iso-8859-1"):
        extra = "Caf\u00e9 cr\u00e8me, na\u00efve." if charset == "iso-8859-1" else "Plain words."
        return "The word %s stands here. %s\n" % (word, extra)
    return "%s\nThe word %s stands here.\n" % (JAPANESE, word)


def part(content_type, encoding, body):
    head = "Content-Type: %s\r\nContent-Transfer-Encoding: %s\r\n\r\n" % (content_type, encoding)
    return head.encode("ascii") + body


def leaf(kind, charset, encoding, word):
    words = text(word, charset)
    if kind == "html":
        words = "<html><head><style>p { color: red }</style></head><body><p>%s</p></body></html>\n" % (
            words.replace("\n", "<br>&nbsp;"))
    content_type = "text/%s; charset=%s" % (kind, charset.upper())
    return content_type, encoding, transfer(words.encode(charset), encoding)


def multipart(subtype, boundary, parts):
    body = b"This is a multi-part message in MIME format.\r\n\r\n"
    for content_type, encoding, data in parts:
        body += b"--" + boundary.encode() + b"\r\n" + part(content_type, encoding, data)
        if not data.endswith(b"\r\n"):
            body += b"\r\n"
    body += b"--" + boundary.encode() + b"--\r\n"
    return "multipart/%s; boundary=\"%s\"" % (subtype, boundary), "7bit", body


def attachment():
    data = bytes(range(256)) * 4
    return ("application/octet-stream; name=\"table.bin\"", "base64", transfer(data, "base64"))


# (class name, how the mail is made from its word)
CLASSES = [
    ("jis7bit", lambda w: leaf("plain", "iso-2022-jp", "7bit", w)),
    ("jisbase", lambda w: leaf("plain", "iso-2022-jp", "base64", w)),
    ("jisqp", lambda w: leaf("plain", "iso-2022-jp", "quoted-printable", w)),
    ("sjisbase", lambda w: leaf("plain", "shift_jis", "base64", w)),
    ("sjisqp", lambda w: leaf("plain", "shift_jis", "quoted-printable", w)),
    ("eucbase", lambda w: leaf("plain", "euc-jp", "base64", w)),
    ("eucqp", lambda w: leaf("plain", "euc-jp", "quoted-printable", w)),
    ("utfbase", lambda w: leaf("plain", "utf-8", "base64", w)),
    ("utfqp", lambda w: leaf("plain", "utf-8", "quoted-printable", w)),
    ("asciiqp", lambda w: leaf("plain", "us-ascii", "quoted-printable", w)),
    ("latinqp", lambda w: leaf("plain", "iso-8859-1", "quoted-printable", w)),
    ("latinbase", lambda w: leaf("plain", "iso-8859-1", "base64", w)),
    ("htmlbase", lambda w: leaf("html", "utf-8", "base64", w)),
    ("htmlqp", lambda w: leaf("html", "iso-2022-jp", "quoted-printable", w)),
    # multipart/alternative: plain in US-ASCII quoted-printable, HTML in UTF-8 base64
    ("altplain", lambda w: multipart("alternative", BOUNDARY, [
        leaf("plain", "us-ascii", "quoted-printable", w),
        leaf("html", "utf-8", "base64", "mimealthtml")])),
    # multipart/mixed: a UTF-8 base64 text and a binary attachment
    ("mixedbase", lambda w: multipart("mixed", BOUNDARY, [
        leaf("plain", "utf-8", "base64", w), attachment()])),
    # multipart/mixed holding multipart/alternative in ISO-2022-JP quoted-printable
    ("nestedqp", lambda w: multipart("mixed", BOUNDARY, [
        multipart("alternative", INNER, [
            leaf("plain", "iso-2022-jp", "quoted-printable", w),
            leaf("html", "iso-2022-jp", "quoted-printable", "mimenestedhtml")]),
        attachment()])),
]


def mail(number, name, make):
    content_type, encoding, body = make("mime" + name)
    headers = [
        "Date: Mon, 04 Nov 2024 10:%02d:00 +0900" % number,
        "From: sender%d@example.jp" % number,
        "To: reader@example.jp",
        "Subject: Mail number %d" % number,
        "Message-Id: <%d.mime@example.jp>" % number,
        "MIME-Version: 1.0",
        "Content-Type: " + content_type,
        "Content-Transfer-Encoding: " + encoding,
    ]
    return ("\r\n".join(headers) + "\r\n\r\n").encode("ascii") + body


def write_account(outdir):
    folder = Folder(1, "今どきのメール")
    os.makedirs(outdir, exist_ok=True)
    write_ini(os.path.join(outdir, "account.ini"), [("Order", "IO" + order_of([folder]) + "T")])
    for special in ["inbox.box", "outbox.box"]:
        os.makedirs(os.path.join(outdir, special), exist_ok=True)
        write_mails(os.path.join(outdir, special), special, "mime", 2)
    directory = os.path.join(outdir, folder.name)
    os.makedirs(directory, exist_ok=True)
    write_ini(os.path.join(directory, "entry.ini"), [("Title", folder.title), ("Type", "Mail")])
    for number, (name, make) in enumerate(CLASSES, 1):
        with open(os.path.join(directory, "%d.alm" % number), "wb") as f:
            f.write(mail(number, name, make))


def main():
    parser = argparse.ArgumentParser(description="Write an account with a mail of every MIME class.")
    parser.add_argument("outdir")
    write_account(parser.parse_args().outdir)


if __name__ == "__main__":
    main()
