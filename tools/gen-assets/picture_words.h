// The words drawn into pictures: the toolbar's five buttons and the paused
// board. Marked here so that the language catalogues carry them under the
// context CPictureWords, from which pictures in other languages are drawn.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

inline constexpr const char* kPictureWordsContext = "CPictureWords";

// In the toolbar's order, then the paused board's word.
inline constexpr const char* kPictureWords[] = {
    QT_TRANSLATE_NOOP("CPictureWords", "Start"), QT_TRANSLATE_NOOP("CPictureWords", "Stop"),
    QT_TRANSLATE_NOOP("CPictureWords", "Undo"),  QT_TRANSLATE_NOOP("CPictureWords", "Skip"),
    QT_TRANSLATE_NOOP("CPictureWords", "Pause"), QT_TRANSLATE_NOOP("CPictureWords", "Paused..."),
};
