// Marks a text of the core as one the Qt shell shows through the language
// catalogues, under the given context. The core itself never translates: the
// mark only lets the catalogue tools find the text where it is written.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
