#!/usr/bin/env python3
"""Writes a mail account directory that is hard on indexers and viewers.

    make_hostile_account.py OUTDIR [--crowd N]

OUTDIR becomes the account directory (give it spaces, parentheses and
Shift-JIS characters whose trail byte is 0x5C in its name to make it harder
still). Its folders, titled with 表, ソ and 予:

    user001.box  N mails (default 5,000); the last one is odd
    user002.box  an ordinary mail and one of 5 MB
    user003.box  a mail with bare CR line ends, one without the empty line
                 between header and body, and an ordinary one
    user004.box  a container holding a container ... 20 folders deep; the
                 deepest, user023.box, is a mail folder with one odd mail

Every odd mail is plain ASCII and the only one holding its word, quill +
what is odd about it, in its body (quillcrowd, quillbulky, quilllonecr,
quilldeep; quillplain for the ordinary mail of user003.box), so that a
search for the word finds it alone. The mail without the empty line has
quillnoblank in its subject and quillunseen where its body would begin.
Ordinary mails come from make_sample_mailbox.py.
"""

import argparse
import os

from make_sample_mailbox import Folder, order_of, write_ini, write_mails

DEPTH = 20
FIVE_MEGABYTES = 5 * 1024 * 1024


def odd_mail(word, subject="An odd mail", line_end="\r\n", separator=True, body_lines=()):
    headers = [
        "Date: Mon, 01 Jan 2001 09:00:00 +0900",
        "From: odd@example.jp",
        "To: reader@example.jp",
        "Subject: " + subject,
        "Message-Id: <%s@hostile.example.jp>" % word[::-1],
        "MIME-Version: 1.0",
        "Content-Type: text/plain; charset=us-ascii",
    ]
    body = ["The word %s stands in this mail alone." % word] + list(body_lines)
    lines = headers + ([""] if separator else []) + body
    return (line_end.join(lines) + line_end).encode("ascii")


def bulky_mail(word):
    filler = "All work and no play makes a very long mail of plain text lines."
    count = FIVE_MEGABYTES // (len(filler) + 2) + 1
    return odd_mail(word, body_lines=[filler] * count)


def deep_chain():
    """user004.box holding user005.box ... down to the mail folder user023.box."""
    deepest = Folder(4 + DEPTH - 1, "最深の表 (ソ)")
    folder = deepest
    for number in range(4 + DEPTH - 2, 3, -1):
        folder = Folder(number, "階層 %d 予" % (number - 3), [folder])
    return folder


def write_folder_ini(directory, folder):
    values = [("Title", folder.title)]
    if folder.is_container:
        values += [("Type", "Subfolder"), ("Order", order_of(folder.children))]
    else:
        values += [("Type", "Mail")]
    write_ini(os.path.join(directory, "entry.ini"), values)


def write_file(path, data):
    with open(path, "wb") as f:
        f.write(data)


def write_account(outdir, crowd):
    top_deep = deep_chain()
    folders = [Folder(1, "表計算 (大量)"), Folder(2, "予定表 (大きい)"),
               Folder(3, "ソフト (壊れた)"), top_deep]
    os.makedirs(outdir, exist_ok=True)
    write_ini(os.path.join(outdir, "account.ini"), [("Order", "IO" + order_of(folders) + "T")])
    for special in ["inbox.box", "outbox.box"]:
        os.makedirs(os.path.join(outdir, special), exist_ok=True)
        write_mails(os.path.join(outdir, special), special, "hostile", 2)

    for folder in folders[:3]:
        directory = os.path.join(outdir, folder.name)
        os.makedirs(directory, exist_ok=True)
        write_folder_ini(directory, folder)

    crowd_dir = os.path.join(outdir, "user001.box")
    write_mails(crowd_dir, "user001.box", "hostile", crowd - 1)
    write_file(os.path.join(crowd_dir, "%d.alm" % crowd), odd_mail("quillcrowd"))

    bulky_dir = os.path.join(outdir, "user002.box")
    write_mails(bulky_dir, "user002.box", "hostile", 1)
    write_file(os.path.join(bulky_dir, "2.alm"), bulky_mail("quillbulky"))

    broken_dir = os.path.join(outdir, "user003.box")
    write_file(os.path.join(broken_dir, "1.alm"), odd_mail("quilllonecr", line_end="\r"))
    write_file(os.path.join(broken_dir, "2.alm"), odd_mail("quillunseen", subject="quillnoblank mail", separator=False))
    write_file(os.path.join(broken_dir, "3.alm"), odd_mail("quillplain"))

    directory = outdir
    folder = top_deep
    while True:
        directory = os.path.join(directory, folder.name)
        os.makedirs(directory, exist_ok=True)
        write_folder_ini(directory, folder)
        if not folder.is_container:
            break
        folder = folder.children[0]
    write_file(os.path.join(directory, "1.alm"), odd_mail("quilldeep"))


def main():
    parser = argparse.ArgumentParser(description="Write a hostile AL-Mail32 account directory.")
    parser.add_argument("outdir")
    parser.add_argument("--crowd", type=int, default=5000,
                        help="mails in the crowded folder (default 5000)")
    args = parser.parse_args()
    write_account(args.outdir, args.crowd)


if __name__ == "__main__":
    main()
