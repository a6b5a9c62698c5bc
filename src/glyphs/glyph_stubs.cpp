#include "glyphs/glyphs.h"

// Placeholders until the glyphs are drawn: they keep the callers linking.
namespace glyphs {

void GlyphRomanNumeral(shell::Context&, double&, double&, double, int, int) {}
void GlyphAries(shell::Context&, double, double, double, double) {}
void GlyphTaurus(shell::Context&, double, double, double, double) {}
void GlyphGemini(shell::Context&, double, double, double, double) {}
void GlyphCancer(shell::Context&, double, double, double, double) {}
void GlyphLeo(shell::Context&, double, double, double, double) {}
void GlyphVirgo(shell::Context&, double, double, double, double) {}
void GlyphLibra(shell::Context&, double, double, double, double) {}
void GlyphScorpio(shell::Context&, double, double, double, double) {}
void GlyphSagittarius(shell::Context&, double, double, double, double) {}
void GlyphCapricorn(shell::Context&, double, double, double, double) {}
void GlyphAquarius(shell::Context&, double, double, double, double) {}
void GlyphPisces(shell::Context&, double, double, double, double) {}

}  // namespace glyphs
