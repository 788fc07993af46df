"""The colour conversions re-derived from their arithmetic rules, as an
oracle for pixels read off the screen: every operation in 64-bit floats
(Python's), stored working values rounded to 32-bit floats, integer results
rounded half to even (Python's round) or truncated."""
import struct


def stored(value):
    return struct.unpack("f", struct.pack("f", value))[0]


def hue_to_channel(p, q, h):
    if h > 360:
        h = stored(h + -360)
    if h < 0:
        h = stored(h + 360)
    if h < 60:
        v = stored(p + ((q - p) * h) / 60)
    elif h < 180:
        v = q
    elif h < 240:
        v = stored(p + ((q - p) * (240 - h)) / 60)
    else:
        v = p
    return round(v * 255)


def hsl_to_rgb(hue, lightness, saturation):
    h = stored((stored(hue) * 360) / 255)
    l = stored(stored(lightness) / 255)
    s = stored(stored(saturation) / 255)
    if s == 0:
        grey = round(l * 255)
        return grey, grey, grey
    q = stored(l + l * s) if l <= 0.5 else stored((l + s) - l * s)
    p = stored(l * 2 - q)
    return (hue_to_channel(p, q, stored(h + 120)), hue_to_channel(p, q, h),
            hue_to_channel(p, q, stored(h + -120)))


def rgb_to_hsl(red, green, blue):
    low, high = min(red, green, blue), max(red, green, blue)
    delta, total = high - low, high + low
    l = stored(total / 510)
    h = s = 0.0
    if high != low:
        rd, gd, bd = (stored((high - c) / delta) for c in (red, green, blue))
        s = stored(delta / (510 - total)) if l > 0.5 else stored(delta / total)
        if red == high:
            h = stored(((bd - gd) + 6) * 60)
        if green == high:
            h = stored(((rd - bd) + 2) * 60)
        if blue == high:
            h = stored(((gd - rd) + 4) * 60)
        if h >= 360:
            h = stored(h - 360)
    h = stored((h / 360) * 255)
    l = stored(l * 255)
    s = stored(s * 255)
    return int(h), int(l), int(s)
