#!/usr/bin/env bash
# Makes the committed media samples of the preview tests once; needs ffmpeg and
# python3 (the build and the tests need neither).
set -euo pipefail
cd "$(dirname "$0")"

ffmpeg -v error -y -f lavfi -i "color=c=0x3366cc:s=600x400" -frames:v 1 preview-600x400.png
ffmpeg -v error -y -f lavfi -i "testsrc=s=320x240:r=10:d=2" -c:v libvpx -b:v 40k -an preview-320x240-2s.webm
ffmpeg -v error -y -f lavfi -i "sine=f=440:r=16000:d=2" -ac 1 -c:a libmp3lame -b:a 16k \
  -map_metadata -1 -id3v2_version 0 -write_id3v1 0 -write_xing 0 preview-untagged-2s.mp3

# The same audio behind an ID3v2.4 tag with two artists and two genres (the second
# value of a text frame follows the first after a zero byte).
python3 - <<'PY'
def frame(name, *values):
    body = b"\x03" + b"\x00".join(v.encode("utf-8") for v in values)
    return name.encode() + len(body).to_bytes(4, "big") + b"\x00\x00" + body

def syncsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])

frames = (frame("TIT2", "测试 & <Song>") + frame("TPE1", "Alice", "Bob") + frame("TALB", "Album")
          + frame("TDRC", "2021") + frame("TCON", "Rock", "Jazz"))
tag = b"ID3\x04\x00\x00" + syncsafe(len(frames)) + frames
audio = open("preview-untagged-2s.mp3", "rb").read()
open("preview-two-artists.mp3", "wb").write(tag + audio)
PY
