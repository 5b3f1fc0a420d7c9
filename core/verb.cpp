#include "verb.h"

#include "countdown.h"

#include <QRegularExpression>

namespace core {

namespace {

bool isControl(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

// Calls `each` with every character of `text` and the length of its UTF-16
// form; a character beyond the Basic Multilingual Plane is its surrogate pair,
// and a half of a pair alone is passed as itself, a surrogate.
template <typename Each> void forEachCharacter(QStringView text, Each each) {
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            each(QChar::surrogateToUcs4(c, text[i + 1]), i, 2);
            i += 2;
        } else {
            each(char32_t{c.unicode()}, i, 1);
            ++i;
        }
    }
}

// A control character, or half of a surrogate pair alone: not text a window shows.
bool unshowable(char32_t c) {
    return isControl(c) || QChar::isSurrogate(c);
}

} // namespace

QString quoted(const QString& argument, qsizetype longest) {
    QString shown;
    forEachCharacter(QStringView(argument).left(longest),
                     [&shown, &argument](char32_t c, qsizetype at, qsizetype units) {
                         if (unshowable(c)) {
                             shown += QLatin1Char('?');
                         } else {
                             shown += QStringView(argument).mid(at, units);
                         }
                     });
    return argument.size() > longest ? shown + QStringLiteral("...") : shown;
}

CountdownLength countdownLength(const QString& minutes) {
    // Digits with a point, as the window's minutes box reads them; a sign and
    // an exponent pass here so that the range check below answers them.
    static const QRegularExpression kNumber(
        QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    static const QRegularExpression kComma(QStringLiteral("^[+-]?[0-9]*,[0-9]+$"));
    const QString text = minutes.trimmed();
    if (text.isEmpty()) {
        return {0.0,
                {QT_TRANSLATE_NOOP("CommandLine",
                                   "No countdown length: give the minutes, such as 5 or 0.5."),
                 {}}};
    }
    // "1,5" is one and a half in many languages and fifteen hundred in others:
    // neither is guessed.
    if (kComma.match(text).hasMatch()) {
        return {0.0,
                {QT_TRANSLATE_NOOP("CommandLine", "'%1' has a decimal comma: write the "
                                                  "minutes with a point, as in 1.5."),
                 quoted(text)}};
    }
    if (!kNumber.match(text).hasMatch()) {
        return {0.0,
                {QT_TRANSLATE_NOOP("CommandLine",
                                   "'%1' is not a number of minutes (such as 5 or 0.5)."),
                 quoted(text)}};
    }
    // The length as the window's countdown takes the same text: in seconds,
    // narrowed to a Single, infinite beyond its range.
    const double seconds = Countdown::lengthSeconds(text.toStdString());
    if (seconds > kLongestCountdownSeconds) {
        return {0.0,
                {QT_TRANSLATE_NOOP("CommandLine", "%1 minutes is longer than a countdown "
                                                  "can run: 1440 minutes (24 hours) at most."),
                 quoted(text)}};
    }
    if (!(seconds > 0.0)) {
        return {0.0,
                {QT_TRANSLATE_NOOP("CommandLine",
                                   "%1 minutes: a countdown needs a length above 0 minutes."),
                 quoted(text)}};
    }
    return {seconds, {}};
}

Refusal checkVerb(const Verb& verb, qsizetype longest) {
    const QString& id = verb.identification;
    if (id.size() > longest) {
        return {QT_TRANSLATE_NOOP("CommandLine",
                                  "The I.D. is longer than the %1 characters the I.D. box holds."),
                QString::number(longest)};
    }
    bool control = false;
    forEachCharacter(id, [&control](char32_t c, qsizetype /*at*/, qsizetype /*units*/) {
        control = control || unshowable(c);
    });
    if (control) {
        return {QT_TRANSLATE_NOOP("CommandLine",
                                  "The I.D. holds a control character, such as a line break."),
                {}};
    }
    if (!verb.opensWindow() && id.trimmed().isEmpty()) {
        return {QT_TRANSLATE_NOOP("CommandLine",
                                  "No I.D.: name the window by the text in its I.D. box."),
                {}};
    }
    if (verb.kind == Verb::Kind::Countdown) {
        return countdownLength(verb.minutes).refusal;
    }
    return {};
}

bool identifies(const QString& text, const QString& identification) {
    return text.trimmed() == identification.trimmed();
}

} // namespace core
