#!/usr/bin/env python3
"""Writes the hand-made seeds of tests/fuzz/corpus: chart files whose texts are markup that
once made the program render pictures or spin, and the first bytes of special files.

Chart files are made here, not by the program: each field reversed, every byte raised by
85, CR LF after each line. Run from this folder: python3 make_corpus.py
"""
import os
import random

def encode(text):
    return bytes(b + 85 for b in reversed(text.encode("latin-1")))

def chart_file(name, city="New Delhi", state="Delhi", country="India"):
    fields = [name, "15", "June", "1980", "10", "30", "28", "36", "North",
              "77", "13", "East", city, state, country]
    return b"".join(encode(f) + b"\r\n" for f in fields)

seeds = {
    "markup-img-dev-zero.vmx": chart_file('<img src="/dev/zero">'),
    "markup-img-local-picture.vmx": chart_file("Asha", city="<img src=/tmp/local.png>"),
    "markup-heading.vmx": chart_file("<h1>Big", country="<b>India</b>"),
    "markup-nested-tables.vmx": chart_file("<table><tr><td>" * 2000 + "deep"),
    # What reading a device instead of a chart file would hand over.
    "special-dev-zero-start.vmx": bytes(4096),
    "special-dev-urandom-start.vmx": random.Random(16).randbytes(4096),
}
os.makedirs("corpus", exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join("corpus", name), "wb") as out:
        out.write(data)
