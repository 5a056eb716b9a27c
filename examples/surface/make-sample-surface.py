#!/usr/bin/env python3
"""Writes the bundled sample surface: sample.tmt, its background bitmap
paper.bmp and the icons of a few keys, all drawn here from simple shapes."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp24(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b), y counted from the top."""
    stride = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows += row + bytes(stride - len(row))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 3780, 3780, 0, 0)
    with open(path, 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', 14 + 40 + len(rows), 0, 0, 54) + header + rows)


def ico32(path, size, pixel):
    """pixel(x, y) -> (r, g, b, a), y counted from the top."""
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            r, g, b, a = pixel(x, y)
            xor += bytes((b, g, r, a))
    mask = bytes(((size + 31) // 32) * 4 * size)
    image = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0) + xor + mask
    entry = struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, 1) + entry + image)


def paper(x, y):
    # A light, slightly blue squared paper.
    if x % 32 == 0 or y % 32 == 0:
        return (205, 220, 240)
    return (246, 249, 255)


def inside_round(x, y, size, inset, radius):
    lo, hi = inset, size - 1 - inset
    if x < lo or x > hi or y < lo or y > hi:
        return False
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def icon_save(x, y):  # a floppy disk
    s = 32
    if not inside_round(x, y, s, 3, 3):
        return (0, 0, 0, 0)
    if 8 <= x <= 23 and 4 <= y <= 12:
        return (230, 230, 230, 255)
    if 9 <= x <= 22 and 18 <= y <= 27:
        return (250, 250, 250, 255)
    return (40, 90, 170, 255)


def icon_copy(x, y):  # two overlapping sheets
    def sheet(ox, oy):
        return ox <= x <= ox + 15 and oy <= y <= oy + 19
    if sheet(12, 10):
        edge = x in (12, 27) or y in (10, 29)
        return (60, 60, 60, 255) if edge else (255, 255, 255, 255)
    if sheet(4, 3):
        edge = x in (4, 19) or y in (3, 22)
        return (60, 60, 60, 255) if edge else (220, 235, 255, 255)
    return (0, 0, 0, 0)


def icon_undo(x, y):  # a curved arrow pointing left
    cx, cy = 17, 18
    d2 = (x - cx) ** 2 + (y - cy) ** 2
    if 64 <= d2 <= 121 and (y <= cy or x >= cx):
        return (200, 70, 40, 255)
    if 3 <= x <= 12 and abs(y - 12) <= (x - 3) * 0.8 and y <= 18:
        return (200, 70, 40, 255)
    return (0, 0, 0, 0)


def icon_pen(x, y):  # a diagonal pen
    d = x - (31 - y)
    if abs(d) <= 2 and 4 <= x <= 27:
        return (30, 30, 30, 255) if x < 8 else (240, 180, 30, 255)
    return (0, 0, 0, 0)


def main():
    bmp24(os.path.join(HERE, 'paper.bmp'), 64, 64, paper)
    ico32(os.path.join(HERE, 'save.ico'), 32, icon_save)
    ico32(os.path.join(HERE, 'copy.ico'), 32, icon_copy)
    ico32(os.path.join(HERE, 'undo.ico'), 32, icon_undo)
    ico32(os.path.join(HERE, 'pen.ico'), 32, icon_pen)

    # A tablet 6000 by 4500 units at 1000 units per inch, margins 600 all
    # round; four tall keys on the left, four on the right, four wide keys
    # along the top.  Labels are placed as the driver layout places them.
    W, H, margin = 6000, 4500, 600
    cells = []
    tall = [('Save', 'save.ico', 'Ctrl+S'), ('Copy', 'copy.ico', 'Ctrl+C'), ('Undo', 'undo.ico', 'Ctrl+Z'),
            ('Pen', 'pen.ico', None)]
    for i, (label, icon, keys) in enumerate(tall):
        top = 3500 - i * 900
        l, t, r, b = 150, top - 700, 450, top
        w, h = r - l, b - t
        ll = l + margin * 7 // 10
        lt = t + h // 2 - w // 2
        cells.append(dict(label=label, icon=icon, active=(l, t, r, b), text=(ll, lt, ll + h, lt + w), align=0,
                          keys=keys))
    right = [('Paste', 'Ctrl+V'), ('Select All', 'Ctrl+A'), ('撤销 / 復原', 'Ctrl+Z'), ('실행 취소', 'Ctrl+Z')]
    for i, (label, keys) in enumerate(right):
        top = 3500 - i * 900
        l, t, r, b = W - 450, top - 700, W - 150, top
        w, h = r - l, b - t
        rr = r - margin * 7 // 10
        lt = t + h // 2 - w // 2
        cells.append(dict(label=label, icon=None, active=(l, t, r, b), text=(rr - h, lt, rr, lt + w), align=1,
                          keys=keys))
    top_keys = [('Zoom In', 'Ctrl+Shift+Z'), ('Zoom Out', 'Ctrl+Shift+X'), ('Pan', None), ('Fit to Window', 'Ctrl+0')]
    for i, (label, keys) in enumerate(top_keys):
        l = 1200 + i * 950
        t, r, b = H - 450, l + 800, H - 150
        cells.append(dict(label=label, icon=None, active=(l, t, r, b),
                          text=(l, t - margin * 7 // 10, r, b - margin * 7 // 10), align=3, keys=keys))

    lines = ['[Template]',
             'Dimention=%d,%d' % (W, H),
             'Resolution=1000',
             'InnerRectangle=%d,%d,%d,%d' % (margin, margin, W - margin, H - margin),
             'Count=%d' % len(cells),
             'Style=11',
             'BkgndBmp=paper.bmp',
             'BkgndBmpContainer=%d,%d,%d,%d' % (margin, margin, W - margin, H - margin),
             'DefaultFont=DejaVu Sans,10,700,0,0,0,0',
             'DefaultTextColor=20,40,90',
             '']
    for i, c in enumerate(cells):
        lines.append('[FKey.%02d]' % (i + 1))
        lines.append('ID=%d' % (101 + i))
        lines.append('TextColor=20,40,90')
        lines.append('TextRect=%d,%d,%d,%d' % c['text'])
        lines.append('ActiveRect=%d,%d,%d,%d' % c['active'])
        lines.append('Alignment=%d' % c['align'])
        if c['icon']:
            lines.append('IconFile=%s,0' % c['icon'])
        lines.append('Alias=%s' % c['label'])
        keys = c['keys']
        lines.append('Count=%d' % (1 if keys else 0))
        lines.append('')
        if keys:
            # One hot-key action: the modifiers and the key's character.
            parts = keys.split('+')
            lines.append('[FKey.%02d.01]' % (i + 1))
            lines.append('Type=3')
            lines.append('ExtraType=0')
            lines.append('Ctrl=%d' % ('Ctrl' in parts))
            lines.append('Alt=%d' % ('Alt' in parts))
            lines.append('Shift=%d' % ('Shift' in parts))
            lines.append('char=%d' % ord(parts[-1]))
            lines.append('')
    with open(os.path.join(HERE, 'sample.tmt'), 'w', encoding='utf-8', newline='\r\n') as f:
        f.write('\n'.join(lines))


if __name__ == '__main__':
    main()
