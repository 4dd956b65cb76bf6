#!/usr/bin/env python3
"""Writes tools/KOTR.DBF, a stand-in for the hand-over table that the external pallet-label
program installs: the fields the module fills, all of them text, empty. The widths are ours;
the real installation fixes its own."""
import os
import struct

POLE = [  # every value is written as text
    ("DRUH", 40), ("ODRUDA", 40), ("STUPEN", 10), ("PARTIE", 16), ("LOMENI", 5),
    ("VAHA", 60), ("DATUMBAL", 10), ("CISLO", 10), ("MISTO", 15),
    ("NAZEV", 40), ("NAZEVA", 40), ("NAZEVL", 40), ("NAZEVN", 40), ("NAZEVF", 40),
]

popisy = b"".join(
    jmeno.encode("ascii").ljust(11, b"\0") + b"C" + b"\0" * 4 + bytes([sirka, 0]) + b"\0" * 14
    for jmeno, sirka in POLE)
delka_hlavicky = 32 + len(popisy) + 1
delka_zaznamu = 1 + sum(s for _, s in POLE)
hlavicka = struct.pack("<B3BIHH", 0x03, 126, 1, 1, 0, delka_hlavicky, delka_zaznamu)
hlavicka += b"\0" * 17 + b"\xc8" + b"\0" * 2  # language driver byte 29: Windows-1250
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "KOTR.DBF"), "wb") as f:
    f.write(hlavicka + popisy + b"\r" + b"\x1a")
