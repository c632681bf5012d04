#!/usr/bin/env python3
"""Draws the control's pictures as SVG files, one per resource number.

All pictures share one look: flat surfaces, 6 px rounded corners, a blue
accent for the active/selected state and a light neutral surface for the
resting state. Run it after changing a picture; it rewrites images/*.svg and
vexo_images.qrc. The SVG files are the sources compiled into the control.
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "images")

ACCENT = "#1E7BE0"
ACCENT_DARK = "#1763B5"
ACCENT_SOFT = "#E3EFFC"
SURFACE = "#F5F7FA"
SURFACE_EDGE = "#C9D1DC"
INK = "#2B333D"
MUTED = "#9AA5B4"
DISABLED_BG = "#ECEFF3"
DISABLED_INK = "#B8C0CB"
OK_GREEN = "#2EAD63"
DANGER = "#D9534F"

images = {}


def svg(w, h, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">\n{body}\n</svg>\n')


def panel(w, h, fill, stroke=None, r=6, inset=0.5):
    s = f' stroke="{stroke}" stroke-width="1"' if stroke else ""
    return (f'<rect x="{inset}" y="{inset}" width="{w - 2 * inset}" height="{h - 2 * inset}" '
            f'rx="{r}" fill="{fill}"{s}/>')


def accent_panel(w, h, r=6, dark=False):
    top, bottom = (ACCENT_DARK, "#134F91") if dark else ("#2A89EE", ACCENT_DARK)
    gid = f"g{w}x{h}{'d' if dark else ''}"
    return (f'<defs><linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            f'</linearGradient></defs>'
            f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="{r}" fill="url(#{gid})" '
            f'stroke="{ACCENT_DARK}" stroke-width="1"/>')


def light_panel(w, h, r=6):
    return panel(w, h, SURFACE, SURFACE_EDGE, r)


def tab(w, h, selected):
    # A tab: rounded on top, square at the bottom edge where it meets the page.
    r = 6
    path = (f"M0.5,{h} L0.5,{r + 0.5} Q0.5,0.5 {r + 0.5},0.5 L{w - r - 0.5},0.5 "
            f"Q{w - 0.5},0.5 {w - 0.5},{r + 0.5} L{w - 0.5},{h} Z")
    if selected:
        return (f'<path d="{path}" fill="{ACCENT}" stroke="{ACCENT_DARK}"/>'
                f'<rect x="0" y="{h - 3}" width="{w}" height="3" fill="{ACCENT_DARK}"/>')
    return (f'<path d="{path}" fill="{SURFACE}" stroke="{SURFACE_EDGE}"/>'
            f'<rect x="0" y="{h - 1}" width="{w}" height="1" fill="{SURFACE_EDGE}"/>')


def text_button(n, w, h, selected, r=6):
    images[n] = svg(w, h, accent_panel(w, h, r) if selected else light_panel(w, h, r))


# --- glyphs on a 24 x 24 grid, stroked ----------------------------------------

def glyph(paths, x, y, size, color, width=1.8):
    scale = size / 24.0
    return (f'<g transform="translate({x},{y}) scale({scale})" fill="none" stroke="{color}" '
            f'stroke-width="{width / scale:.3f}" stroke-linecap="round" '
            f'stroke-linejoin="round">{paths}</g>')


PERSON = '<circle cx="12" cy="6" r="2.6"/><path d="M7.5,20 L7.5,14 Q7.5,10.5 12,10.5 Q16.5,10.5 16.5,14 L16.5,20"/>'

GLYPHS = {
    "intrusion": '<path d="M3,17 L8,5 L21,8 L19,19 Z" stroke-dasharray="2.5 2"/>'
                 '<circle cx="13" cy="9.5" r="1.8"/><path d="M10.5,17 L10.5,14 Q10.5,12 13,12 Q15.5,12 15.5,14 L15.5,17"/>',
    "motion": '<path d="M3,12 L7,12 L9.5,6 L13.5,18 L16,12 L21,12"/>',
    "fast": '<path d="M10,7 L20,12 L10,17 Z"/><path d="M3,8 L7,8 M2,12 L7,12 M3,16 L7,16"/>',
    "wire": '<path d="M4,20 L20,4"/><path d="M9,8 L15,14"/><path d="M15,10 L15,14 L11,14"/>',
    "abandoned": '<rect x="12" y="13" width="8" height="7" rx="1"/><circle cx="6" cy="5.5" r="2.2"/>'
                 '<path d="M3,19 L3,13 Q3,9.5 6,9.5 Q9,9.5 9,13 L9,19"/>',
    "removed": '<rect x="6" y="8" width="12" height="11" rx="1.5" stroke-dasharray="2.5 2"/>'
               '<path d="M12,4 L12,14 M9,7 L12,4 L15,7"/>',
    "face": '<circle cx="12" cy="12" r="8"/><circle cx="9" cy="10.5" r="0.6"/><circle cx="15" cy="10.5" r="0.6"/>'
            '<path d="M9,15 Q12,17.5 15,15"/><path d="M3,7 L3,3 L7,3 M17,3 L21,3 L21,7 M21,17 L21,21 L17,21 M7,21 L3,21 L3,17"/>',
    "crowd": '<circle cx="12" cy="7" r="2.3"/><path d="M8.5,19 L8.5,14 Q8.5,11 12,11 Q15.5,11 15.5,14 L15.5,19"/>'
             '<circle cx="5" cy="9" r="1.8"/><path d="M2,19 L2,15 Q2,12.5 5,12.5"/>'
             '<circle cx="19" cy="9" r="1.8"/><path d="M22,19 L22,15 Q22,12.5 19,12.5"/>',
    "fight": '<path d="M13,2 L7,13 L12,13 L10,22 L18,9 L13,9 Z"/>',
    "loiter": '<path d="M5,12 A7,7 0 1 1 8,17.7"/><path d="M4,16 L8,18 L9,14"/><circle cx="12" cy="12" r="1.5"/>',
    "counting": '<circle cx="8" cy="6" r="2.3"/><path d="M4.5,18 L4.5,13 Q4.5,10 8,10 Q11.5,10 11.5,13 L11.5,18"/>'
                '<path d="M15,9 L21,9 M18,6 L18,12 M15,17 L21,17"/>',
    "density": '<circle cx="6" cy="6" r="1.3"/><circle cx="12" cy="6" r="1.3"/><circle cx="18" cy="6" r="1.3"/>'
               '<circle cx="6" cy="12" r="1.3"/><circle cx="12" cy="12" r="1.3"/><circle cx="18" cy="12" r="1.3"/>'
               '<circle cx="6" cy="18" r="1.3"/><circle cx="12" cy="18" r="1.3"/><circle cx="18" cy="18" r="1.3"/>',
    "queue": '<circle cx="5" cy="8" r="1.8"/><circle cx="12" cy="8" r="1.8"/><circle cx="19" cy="8" r="1.8"/>'
             '<path d="M2.5,17 L2.5,13.5 Q2.5,11.5 5,11.5 Q7.5,11.5 7.5,13.5 L7.5,17"/>'
             '<path d="M9.5,17 L9.5,13.5 Q9.5,11.5 12,11.5 Q14.5,11.5 14.5,13.5 L14.5,17"/>'
             '<path d="M16.5,17 L16.5,13.5 Q16.5,11.5 19,11.5 Q21.5,11.5 21.5,13.5 L21.5,17"/><path d="M2,21 L22,21"/>',
    "dwell": '<circle cx="12" cy="12" r="8.5"/><path d="M12,7 L12,12 L16,14"/>',
    "people": '<rect x="3" y="3" width="18" height="18" rx="2"/>' + '<circle cx="12" cy="9" r="2.4"/><path d="M8,18 L8,15 Q8,12.5 12,12.5 Q16,12.5 16,15 L16,18"/>',
    "vehicle": '<path d="M3,16 L3,12 L6,7 L18,7 L21,12 L21,16 Z"/><path d="M3,12 L21,12"/>'
               '<circle cx="7.5" cy="17" r="1.8"/><circle cx="16.5" cy="17" r="1.8"/>',
    "color": '<circle cx="9" cy="9" r="5"/><circle cx="15" cy="9" r="5"/><circle cx="12" cy="14.5" r="5"/>',
    "global": '<rect x="6" y="6" width="12" height="12" rx="1.5"/><path d="M3,9 L3,15 M21,9 L21,15 M9,3 L15,3 M9,21 L15,21"/>',
    "videoloss": '<rect x="3" y="7" width="13" height="10" rx="1.5"/><path d="M16,11 L21,8 L21,16 L16,13"/><path d="M3,3 L21,21"/>',
    "defocus": '<circle cx="12" cy="12" r="8" stroke-dasharray="3 2.2"/><circle cx="12" cy="12" r="3.5" stroke-dasharray="2 1.6"/>',
    "detail": '<circle cx="10.5" cy="10.5" r="6.5"/><path d="M15.5,15.5 L21,21"/><path d="M8,10.5 L13,10.5 M10.5,8 L10.5,13"/>',
    "brightness": '<circle cx="12" cy="12" r="4"/><path d="M12,2.5 L12,5 M12,19 L12,21.5 M2.5,12 L5,12 M19,12 L21.5,12 '
                  'M5.3,5.3 L7,7 M17,17 L18.7,18.7 M5.3,18.7 L7,17 M17,7 L18.7,5.3"/>',
    "sound": '<path d="M4,9.5 L7.5,9.5 L12,5.5 L12,18.5 L7.5,14.5 L4,14.5 Z"/>'
             '<path d="M15,9 Q17,12 15,15 M17.5,6.5 Q21,12 17.5,17.5"/>',
    "unknown": '<rect x="3.5" y="3.5" width="17" height="17" rx="3"/><path d="M9.5,9.5 Q9.5,7 12,7 Q14.5,7 14.5,9.3 Q14.5,11 12,12 L12,14"/>'
               '<circle cx="12" cy="17" r="0.5"/>',
}

FUNCTION_IMAGES = [
    ("intrusion", 480, 481), ("motion", 521, 523), ("fast", 470, 471), ("wire", 532, 533),
    ("abandoned", 505, 507), ("removed", 509, 511), ("face", 482, 483), ("crowd", 484, 485),
    ("fight", 289, 290), ("loiter", 476, 477), ("counting", 488, 489), ("density", 486, 487),
    ("queue", 474, 475), ("dwell", 295, 296), ("people", 468, 469), ("vehicle", 462, 463),
    ("color", 478, 479), ("global", 490, 491), ("videoloss", 492, 493), ("defocus", 529, 499),
    ("detail", 494, 495), ("brightness", 472, 473), ("sound", 513, 515),
]


def function_icon(name, selected):
    w = h = 48
    bg = accent_panel(w, h, 10) if selected else panel(w, h, ACCENT_SOFT, "#BCD6F4", 10)
    color = "#FFFFFF" if selected else ACCENT_DARK
    return svg(w, h, bg + glyph(GLYPHS[name], 10, 10, 28, color, 1.8))


for name, normal, selected in FUNCTION_IMAGES:
    images[normal] = function_icon(name, False)
    images[selected] = function_icon(name, True)
images[653] = svg(48, 48, panel(48, 48, SURFACE, SURFACE_EDGE, 10) +
                  glyph(GLYPHS["unknown"], 10, 10, 28, MUTED, 1.8))

# --- text buttons (text drawn by the button) ------------------------------------
text_button(541, 150, 36, False)
text_button(542, 150, 36, True)
text_button(539, 130, 36, False)
text_button(540, 130, 36, True)
text_button(260, 100, 36, False)
text_button(261, 100, 36, True)
text_button(677, 100, 50, False)
text_button(678, 100, 50, True)
text_button(686, 150, 50, False)
text_button(687, 150, 50, True)
images[238] = svg(100, 36, tab(100, 36, False))
images[239] = svg(100, 36, tab(100, 36, True))
images[545] = svg(100, 34, accent_panel(100, 34))
images[544] = svg(100, 34, accent_panel(100, 34, dark=True))
images[246] = svg(64, 30, light_panel(64, 30))


def switch(on):
    # A lamp at the left tells whether the analytics are running.
    w, h = 130, 36
    lamp = OK_GREEN if on else MUTED
    return svg(w, h, light_panel(w, h) +
               f'<circle cx="16" cy="18" r="5" fill="{lamp}"/>'
               f'<circle cx="16" cy="18" r="8" fill="none" stroke="{lamp}" stroke-opacity="0.35" stroke-width="2"/>')


images[249] = switch(True)
images[250] = switch(False)


def icon_text_button(w, h, glyph_name_paths, selected=False):
    # Icon at the left, text drawn by the button with a text offset.
    bg = accent_panel(w, h) if selected else light_panel(w, h)
    color = "#FFFFFF" if selected else ACCENT
    return svg(w, h, bg + glyph(glyph_name_paths, 8, (h - 18) / 2, 18, color, 1.6))


HELP = '<circle cx="12" cy="12" r="9"/><path d="M9.5,9.5 Q9.5,7 12,7 Q14.5,7 14.5,9.3 Q14.5,11 12,12 L12,13.5"/><circle cx="12" cy="17" r="0.5"/>'
PLUS = '<path d="M12,5 L12,19 M5,12 L19,12"/>'
images[229] = icon_text_button(90, 30, HELP)
images[676] = icon_text_button(130, 30, PLUS, selected=True)
RETURN = '<path d="M9,6 L4,11 L9,16"/><path d="M4,11 L15,11 Q20,11 20,16 L20,19"/>'
images[232] = icon_text_button(100, 30, RETURN)


def round_icon(paths, size, selected=False, color=None, bg=None):
    fill = bg or (ACCENT if selected else SURFACE)
    stroke = ACCENT_DARK if selected else SURFACE_EDGE
    ink = color or ("#FFFFFF" if selected else INK)
    c = size / 2
    return svg(size, size, f'<circle cx="{c}" cy="{c}" r="{c - 0.5}" fill="{fill}" stroke="{stroke}"/>' +
               glyph(paths, size * 0.2, size * 0.2, size * 0.6, ink, 1.8))


# Scene tile buttons.
STAR = '<path d="M12,3 L14.6,9 L21,9.5 L16,13.6 L17.6,20 L12,16.5 L6.4,20 L8,13.6 L3,9.5 L9.4,9 Z"/>'
images[226] = round_icon(STAR, 30, selected=True)
images[237] = round_icon(STAR, 30)
GEAR = ('<circle cx="12" cy="12" r="3.2"/><path d="M12,2.5 L12,5.5 M12,18.5 L12,21.5 M2.5,12 L5.5,12 M18.5,12 L21.5,12 '
        'M5.3,5.3 L7.4,7.4 M16.6,16.6 L18.7,18.7 M5.3,18.7 L7.4,16.6 M16.6,7.4 L18.7,5.3"/><circle cx="12" cy="12" r="6.5"/>')
images[696] = round_icon(GEAR, 30)
CROSS = '<path d="M6,6 L18,18 M18,6 L6,18"/>'
images[265] = round_icon(CROSS, 26, color=DANGER)

# Page buttons 1 to 5: the shown page in accent.
PAGES = [(218, 219, 1), (220, 221, 2), (222, 223, 3), (224, 225, 4), (460, 461, 5)]
for current, other, number in PAGES:
    for n, sel in ((current, True), (other, False)):
        fill = ACCENT if sel else SURFACE
        ink = "#FFFFFF" if sel else INK
        images[n] = svg(28, 28, f'<circle cx="14" cy="14" r="13.5" fill="{fill}" '
                        f'stroke="{ACCENT_DARK if sel else SURFACE_EDGE}"/>'
                        f'<text x="14" y="19" font-family="sans-serif" font-size="14" font-weight="bold" '
                        f'text-anchor="middle" fill="{ink}">{number}</text>')

# The same circles without a number, for pages after the fifth: the scene
# view writes the page number over them.
for n, sel in ((227, True), (228, False)):
    images[n] = svg(28, 28, f'<circle cx="14" cy="14" r="13.5" fill="{ACCENT if sel else SURFACE}" '
                    f'stroke="{ACCENT_DARK if sel else SURFACE_EDGE}"/>')

# Video pane play and stop.
PLAY = '<path d="M8,5 L19,12 L8,19 Z"/>'
STOP = '<rect x="6.5" y="6.5" width="11" height="11" rx="1.5"/>'
for n, paths, pressed in ((645, PLAY, False), (646, PLAY, True), (647, STOP, False), (648, STOP, True)):
    w, h = 48, 28
    bg = accent_panel(w, h, 14, dark=True) if pressed else light_panel(w, h, 14)
    ink = "#FFFFFF" if pressed else ACCENT
    images[n] = svg(w, h, bg + glyph(paths, 15, 5, 18, ink, 1.8).replace('fill="none"', f'fill="{ink}"'))

# PTZ lens rows: minus on the left, plus on the right; the second of each pair
# is the pressed look.
MINUS_G = '<path d="M6,12 L18,12"/>'
PLUS_G = '<path d="M6,12 L18,12 M12,6 L12,18"/>'
for normal, pressed, paths in ((662, 663, MINUS_G), (664, 665, PLUS_G), (666, 667, MINUS_G),
                               (668, 669, PLUS_G), (670, 671, MINUS_G), (672, 673, PLUS_G)):
    images[normal] = round_icon(paths, 30)
    images[pressed] = round_icon(paths, 30, selected=True)
GOTO = '<path d="M4,12 L18,12 M13,7 L18,12 L13,17"/><path d="M21,5 L21,19"/>'
images[658] = round_icon(GOTO, 30)
images[660] = round_icon(GOTO, 30, selected=True)

# Drawing tool buttons, four looks each: normal, pressed, focused, disabled.
TOOLS = {
    "pen": ('<path d="M4,18 L9,5 L19,8 L17,19 Z"/><circle cx="4" cy="18" r="1.6"/><circle cx="9" cy="5" r="1.6"/>'
            '<circle cx="19" cy="8" r="1.6"/><circle cx="17" cy="19" r="1.6"/>', (552, 568, 569, 555)),
    "rect": ('<rect x="4" y="6" width="16" height="12" rx="1"/><circle cx="4" cy="6" r="1.5"/><circle cx="20" cy="18" r="1.5"/>',
             (560, 572, 573, 563)),
    "point": ('<circle cx="12" cy="12" r="3"/><path d="M12,3 L12,7 M12,17 L12,21 M3,12 L7,12 M17,12 L21,12"/>',
              (556, 570, 571, 559)),
    "line": ('<path d="M4,19 L20,5"/><circle cx="4" cy="19" r="1.6"/><circle cx="20" cy="5" r="1.6"/>'
             '<path d="M10,9 L14,15"/><path d="M14,11 L14,15 L10.5,14"/>', (564, 574, 575, 567)),
}


def tool_image(paths, look):
    s = 32
    if look == "normal":
        bg, ink = light_panel(s, s), INK
    elif look == "pressed":
        bg, ink = accent_panel(s, s), "#FFFFFF"
    elif look == "focused":
        bg, ink = panel(s, s, ACCENT_SOFT, ACCENT), ACCENT_DARK
    else:
        bg, ink = panel(s, s, DISABLED_BG, "#DDE2E8"), DISABLED_INK
    return svg(s, s, bg + glyph(paths, 5, 5, 22, ink, 1.7))


for name, (paths, numbers) in TOOLS.items():
    for look, n in zip(("normal", "pressed", "focused", "disabled"), numbers):
        images[n] = tool_image(paths, look)
TRASH = '<path d="M5,7 L19,7 M10,7 L10,4.5 L14,4.5 L14,7 M7,7 L8,20 L16,20 L17,7 M10.5,11 L10.5,16.5 M13.5,11 L13.5,16.5"/>'
images[688] = tool_image(TRASH, "normal")
images[689] = tool_image(TRASH, "pressed")

# Scene tile background (the tile is 321 pixels wide).
images[655] = svg(321, 236,
                  '<defs><filter id="s" x="-5%" y="-5%" width="110%" height="115%">'
                  '<feDropShadow dx="0" dy="1" stdDeviation="1.2" flood-color="#1B2A3A" flood-opacity="0.18"/>'
                  '</filter></defs>'
                  f'<rect x="3" y="2" width="315" height="229" rx="8" fill="#FFFFFF" stroke="{SURFACE_EDGE}" filter="url(#s)"/>'
                  f'<path d="M3.5,40 L3.5,10 Q3.5,2.5 11,2.5 L310,2.5 Q317.5,2.5 317.5,10 L317.5,40 Z" fill="{ACCENT_SOFT}"/>'
                  f'<rect x="3.5" y="40" width="314" height="1" fill="#D5E3F3"/>')

# Idle video picture, shown while no stream plays.
grid = "".join(f'<path d="M{x},0 L{x},270" stroke="#FFFFFF" stroke-opacity="0.04"/>' for x in range(0, 480, 40))
grid += "".join(f'<path d="M0,{y} L480,{y}" stroke="#FFFFFF" stroke-opacity="0.04"/>' for y in range(0, 270, 40))
images[685] = svg(480, 270,
                  '<defs><radialGradient id="v" cx="0.5" cy="0.45" r="0.75">'
                  '<stop offset="0" stop-color="#2C3A4B"/><stop offset="1" stop-color="#141B24"/></radialGradient></defs>'
                  '<rect width="480" height="270" fill="url(#v)"/>' + grid +
                  glyph('<rect x="2" y="7" width="14" height="10" rx="2"/><path d="M16,11 L22,7.5 L22,16.5 L16,13"/>'
                        '<circle cx="9" cy="12" r="2.5"/>', 204, 99, 72, "#6D7F95", 1.2))

# PTZ direction pad: eight wedges of one ring, each drawn over the whole pad so
# that the buttons can sit on top of each other; the mask keeps each button to
# its own wedge. Directions from up, clockwise: 700..707 normal, 710..717
# pressed, 720..727 masks (magenta is outside).
PAD = 160
C = PAD / 2
R_IN, R_OUT = 30, 76


# The gap between wedges is wide enough (over 3 pixels at the inner radius)
# that the anti-aliased edges of two neighbouring masks never touch.
WEDGE_GAP_DEG = 6.0


def wedge_path(index, r_in=R_IN, r_out=R_OUT, gap_deg=WEDGE_GAP_DEG):
    centre = -90 + 45 * index
    a0 = math.radians(centre - 22.5 + gap_deg / 2)
    a1 = math.radians(centre + 22.5 - gap_deg / 2)
    p = lambda r, a: (C + r * math.cos(a), C + r * math.sin(a))
    x0, y0 = p(r_out, a0)
    x1, y1 = p(r_out, a1)
    x2, y2 = p(r_in, a1)
    x3, y3 = p(r_in, a0)
    return (f"M{x0:.2f},{y0:.2f} A{r_out},{r_out} 0 0 1 {x1:.2f},{y1:.2f} L{x2:.2f},{y2:.2f} "
            f"A{r_in},{r_in} 0 0 0 {x3:.2f},{y3:.2f} Z")


def wedge_arrow(index, color):
    """An arrow with a shaft, pointing away from the centre along the wedge's
    own direction, so that the diagonals point to their corners. A bare
    arrowhead as wide as it is long reads as pointing sideways once turned by
    45 degrees; the shaft and the slim head leave no doubt. The corners are
    worked out here rather than left to an SVG transform."""
    centre = math.radians(-90 + 45 * index)
    r = (R_IN + R_OUT) / 2
    ux, uy = math.cos(centre), math.sin(centre)  # outwards
    vx, vy = -uy, ux  # across
    x, y = C + r * ux, C + r * uy
    # (along, across) of the outline: tip, head, shaft, and back the other side.
    outline = [(7.5, 0), (1.5, 5), (1.5, 1.5), (-7.5, 1.5), (-7.5, -1.5), (1.5, -1.5), (1.5, -5)]
    points = [(x + a * ux + c * vx, y + a * uy + c * vy) for a, c in outline]
    d = "M" + " L".join(f"{px:.2f},{py:.2f}" for px, py in points) + " Z"
    return (f'<path d="{d}" fill="{color}" stroke="{color}" stroke-width="1.5" '
            f'stroke-linejoin="round"/>')


for i in range(8):
    images[700 + i] = svg(PAD, PAD, f'<path d="{wedge_path(i)}" fill="{SURFACE}" stroke="{SURFACE_EDGE}"/>' +
                          wedge_arrow(i, ACCENT))
    images[710 + i] = svg(PAD, PAD, f'<path d="{wedge_path(i)}" fill="{ACCENT}" stroke="{ACCENT_DARK}"/>' +
                          wedge_arrow(i, "#FFFFFF"))
    images[720 + i] = svg(PAD, PAD, f'<rect width="{PAD}" height="{PAD}" fill="#FF00FF"/>'
                          f'<path d="{wedge_path(i)}" fill="#000000" shape-rendering="crispEdges"/>')

os.makedirs(OUT, exist_ok=True)
for old in os.listdir(OUT):
    if old.endswith(".svg"):
        os.remove(os.path.join(OUT, old))
for n, text in sorted(images.items()):
    with open(os.path.join(OUT, f"{n}.svg"), "w", encoding="utf-8") as f:
        f.write(text)
with open(os.path.join(HERE, "vexo_images.qrc"), "w", encoding="utf-8") as f:
    f.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n<qresource prefix="/vexo">\n')
    for n in sorted(images):
        f.write(f'    <file>images/{n}.svg</file>\n')
    f.write('</qresource>\n</RCC>\n')
print(f"{len(images)} images")
