#include "translation.h"

#include "core/texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>
#include <QTranslator>

namespace platform {

namespace {

// Where the build puts the program's compiled translations (horolux_de.qm ...).
const QString kResourceFolder = QStringLiteral(":/i18n");

// Qt reads the layout direction from this entry of each translation: "RTL"
// turns every window around for a right-to-left language. Marked here so that
// lupdate keeps it in the .ts files, each of which answers it.
[[maybe_unused]] const char* const kLayoutDirection[] = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

// The message boxes' standard buttons are Qt's own texts, which Qt's
// translations give in most languages but not all (none in Swedish): the
// program's translations carry them too. Qt's, installed after the program's,
// are asked first where they exist.
[[maybe_unused]] const char* const kStandardButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"), QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No")};

// Composed texts are taken apart only this deep: a piece may itself be
// composed (a reason inside "The clock was not changed."), no further.
constexpr int kDeepestPiece = 2;

QString translate(const char* context, const QString& english, int depth);

// `pattern` with each %N replaced by pieces[N], in one pass, so that a piece
// that holds a % itself stays as it is.
QString fill(const QString& pattern, const QMap<int, QString>& pieces) {
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int number = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        if (pattern[i] == QLatin1Char('%') && pieces.contains(number)) {
            out += pieces[number];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

// The composed `english` in the user's language, or a null string when it
// comes from none of the patterns of `context`.
QString translateComposed(const char* context, const QString& english, int depth) {
    const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    for (const core::ComposedText& text : core::kComposedTexts) {
        if (qstrcmp(text.context, context) != 0) {
            continue;
        }
        // The pattern as an expression: its words as they are, each %N a piece.
        const QString pattern = QString::fromUtf8(text.pattern);
        QString expression = QStringLiteral("\\A");
        QList<int> numbers; // of the pieces, in the order of the pattern
        qsizetype from = 0;
        for (const QRegularExpressionMatch& mark : placeholder.globalMatch(pattern)) {
            expression +=
                QRegularExpression::escape(pattern.mid(from, mark.capturedStart() - from));
            expression += QStringLiteral("(.*)");
            numbers.append(mark.captured(1).toInt());
            from = mark.capturedEnd();
        }
        expression += QRegularExpression::escape(pattern.mid(from)) + QStringLiteral("\\z");
        const QRegularExpressionMatch match =
            QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption)
                .match(english);
        if (!match.hasMatch()) {
            continue;
        }
        QMap<int, QString> pieces;
        for (qsizetype i = 0; i < numbers.size(); ++i) {
            pieces[numbers[i]] =
                translate(context, match.captured(static_cast<int>(i + 1)), depth + 1);
        }
        return fill(QCoreApplication::translate(context, text.pattern), pieces);
    }
    return {};
}

QString translate(const char* context, const QString& english, int depth) {
    const QByteArray source = english.toUtf8();
    QString exact = QCoreApplication::translate(context, source.constData());
    if (exact != english || depth >= kDeepestPiece) {
        return exact;
    }
    const QString composed = translateComposed(context, english, depth);
    return composed.isNull() ? english : composed;
}

} // namespace

QString translated(const char* context, std::string_view english) {
    return translate(context,
                     QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())), 0);
}

QString translated(const char* context, const QString& english) {
    return translate(context, english, 0);
}

bool loadProgramTranslation(QTranslator& translator, const QLocale& locale) {
    return translator.load(locale, QStringLiteral("horolux"), QStringLiteral("_"), kResourceFolder);
}

void installTranslations(QCoreApplication& application) {
    auto* own = new QTranslator(&application);
    if (!loadProgramTranslation(*own, QLocale::system())) {
        delete own;
        return; // English, Qt's own texts included
    }
    QCoreApplication::installTranslator(own);
    // Qt's texts in the same language: Yes, No and OK in the message boxes.
    auto* qt = new QTranslator(&application);
    if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
}

} // namespace platform
