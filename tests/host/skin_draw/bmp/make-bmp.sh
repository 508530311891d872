#!/bin/sh
# Remakes the BMP samples of the reader's tests with ImageMagick from three generated
# pictures (13 x 7, an odd width so that every row has padding):
#   colors16.ppm  16 colours, colors40.ppm  40 colours, bilevel.ppm  black and white.
# The tests decode each BMP and compare it with its .ppm.
set -eu
cd "$(dirname "$0")"
python3 - <<'PY'
w, h = 13, 7
def save(name, pick):
    data = bytearray()
    for y in range(h):
        for x in range(w):
            data += bytes(pick(x, y))
    open(name, 'wb').write(b'P6 %d %d 255\n' % (w, h) + data)
c16 = [(255,0,0),(0,255,0),(0,0,255),(255,255,0),(0,255,255),(255,0,255),(255,255,255),(0,0,0),
       (128,64,32),(10,200,90),(250,128,0),(64,64,64),(192,192,192),(33,66,99),(200,20,150),(90,10,240)]
save('colors16.ppm', lambda x, y: c16[(x * 3 + y * 5 + x * y) % 16])
c40 = [((i * 37) % 256, (i * 91 + 13) % 256, (i * 53 + 200) % 256) for i in range(40)]
save('colors40.ppm', lambda x, y: c40[(x + y * 13) % 40])
save('bilevel.ppm', lambda x, y: (255, 255, 255) if (x * x + y) % 3 == 0 else (0, 0, 0))
PY
convert colors16.ppm BMP3:rgb24.bmp
convert colors16.ppm -alpha set -define bmp:format=bmp4 rgb32-bitfields.bmp
convert colors16.ppm -define bmp:subtype=RGB565 rgb565.bmp
convert colors16.ppm -define bmp:subtype=RGB555 rgb555.bmp
convert colors16.ppm -type Palette -compress None BMP3:pal4.bmp
convert colors40.ppm -type Palette -compress None BMP3:pal8.bmp
convert colors40.ppm -type Palette -compress RLE BMP3:rle8.bmp
convert colors40.ppm -type Palette BMP2:pal8-os2.bmp
convert bilevel.ppm -type Bilevel BMP3:mono1.bmp
