#pragma once
// Translation of texts written in code that is not a QObject (catalogues, the
// decoding, the simulation steps).
//
// The user interface looks such texts up with the English text as the key in
// the translation context "QObject", as QObject::tr() does. Every literal is
// marked where it is written with QT_TRANSLATE_NOOP("QObject", "..."), or
// written as QObject::tr("..."), so that lupdate extracts it in that same
// context; tests/translations checks that lupdate finds them all.

#include <QCoreApplication>
#include <QString>

namespace platform {

inline constexpr char kTranslationContext[] = "QObject";

// The translation of `text` (marked with QT_TRANSLATE_NOOP("QObject", ...));
// an empty or missing text stays empty.
inline QString translated(const char* text)
{
    if (text == nullptr || *text == '\0')
        return QString();
    return QCoreApplication::translate(kTranslationContext, text);
}

} // namespace platform
