#pragma once
// The user's language. The program's texts are English where they are
// defined (core/texts.h); they are translated here, where they reach the
// user, by the translation the application loaded for the desktop's language.
// Without one, every text stays the English it is.
#include <QString>

#include <string_view>

class QCoreApplication;
class QLocale;
class QTranslator;

namespace platform {

// `english`, one of the program's texts in `context`, in the user's language:
// its translation; or, for a text composed from one of core::kComposedTexts,
// the translated pattern with its pieces put in, each translated where it is
// itself a text of the program; else `english` as it is.
[[nodiscard]] QString translated(const char* context, std::string_view english);
[[nodiscard]] QString translated(const char* context, const QString& english);

// Loads into `translator` the program's translation for the first of the
// locale's user-interface languages that has one (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as Qt reads them). False when there is none: the program
// speaks English.
bool loadProgramTranslation(QTranslator& translator, const QLocale& locale);

// Call once, after the application exists: installs the program's translation
// for the system locale and, for the same language, Qt's own (the standard
// buttons of the message boxes).
void installTranslations(QCoreApplication& application);

} // namespace platform
