#pragma once
// The Roman hour numerals and the twelve zodiac signs, drawn as scaled and turned strokes on the
// plot surface in fixed palette colours, whole, about the point they are given; the dials give
// only a point that lies in the plot area.

#include "shell/context.h"

namespace glyphs {

// Draws the Roman numeral of hour 1..12 centred on the dial point (x, y) (metres, y up), sized
// by txtNumberSize; writes back into x and y the point on which the numeral was placed.
// A statement that cannot be computed is skipped; a size that cannot be read draws nothing and
// leaves x and y.
void GlyphRomanNumeral(shell::Context& ctx, double& x, double& y, double baseAngle, int hour,
                       int quarter);

// The zodiac signs around the dial point (x, y) (metres, y up), turned by angleDeg degrees (90:
// upright), sized by TxtZodiacSize; styleLength is passed by the callers and not read.
// A numerical failure (only an extreme size can cause one) ends the sign at the stroke in hand
// and does not reach the caller, which goes on with its next sign.
using ZodiacGlyph = void(shell::Context& ctx, double x, double y, double angleDeg,
                         double styleLength);
ZodiacGlyph GlyphAries, GlyphTaurus, GlyphGemini, GlyphCancer, GlyphLeo, GlyphVirgo, GlyphLibra,
    GlyphScorpio, GlyphSagittarius, GlyphCapricorn, GlyphAquarius, GlyphPisces;

}  // namespace glyphs
