#include "verb.h"

#include "countdown.h"

#include <QRegularExpression>

namespace core {

namespace {

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
           c.category() == QChar::Separator_Paragraph;
}

} // namespace

QString quoted(const QString& argument, qsizetype longest) {
    QString shown = argument.left(longest);
    for (QChar& c : shown) {
        if (isControl(c) || c.isSurrogate()) {
            c = QLatin1Char('?');
        }
    }
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
    for (const QChar c : id) {
        if (isControl(c) || c.isSurrogate()) {
            return {QT_TRANSLATE_NOOP("CommandLine",
                                      "The I.D. holds a control character, such as a line break."),
                    {}};
        }
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
