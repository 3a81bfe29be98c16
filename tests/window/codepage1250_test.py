#!/usr/bin/env python3
"""codepage1250_test.py DUMP: the game's table of code page 1250 against Python's codec, for
all 256 bytes. The five bytes that the codec leaves undefined must stand for the control
character of their own number, as the desktop's converters read them."""
import subprocess
import sys

UNDEFINED = {0x81, 0x83, 0x88, 0x90, 0x98}


def wanted(byte):
    try:
        return ord(bytes([byte]).decode("cp1250"))
    except UnicodeDecodeError:
        assert byte in UNDEFINED, f"Python leaves {byte:#04x} undefined"
        return byte


lines = subprocess.run([sys.argv[1]], check=True, capture_output=True, text=True).stdout.split("\n")
got = dict(tuple(int(field, 16) for field in line.split()) for line in lines if line)
wrong = [f"{b:#04x}: {got.get(b, -1):#06x}, want {wanted(b):#06x}"
         for b in range(256) if got.get(b) != wanted(b)]
print("\n".join(wrong) or "all 256 bytes decode as code page 1250")
sys.exit(1 if wrong or len(got) != 256 else 0)
