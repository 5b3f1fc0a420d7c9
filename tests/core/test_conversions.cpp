// Formats and conversions of numbers and texts.
#include "core/convert.h"
#include "core/errors.h"
#include "core/format.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

using namespace core;

namespace {
// The error number a call raised, or nothing.
template <typename F> std::optional<int> errorOf(F&& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.code();
    }
    return std::nullopt;
}
} // namespace

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void fixed2_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0.00";
        QTest::newRow("whole") << 7.0 << "7.00";
        QTest::newRow("quarter") << 7.25 << "7.25";
        QTest::newRow("single 3725.67") << double(3725.67F) << "3725.67";
        QTest::newRow("single 1.25") << double(1001.50F - 1000.25F) << "1.25";
        QTest::newRow("negative") << -85900.0 << "-85900.00";
        QTest::newRow("negative fraction") << -100.0 << "-100.00";
        QTest::newRow("tiny negative rounds to zero") << -0.004 << "0.00";
        QTest::newRow("negative zero") << -0.0 << "0.00";
        QTest::newRow("exact tie rounds away") << 0.125 << "0.13";
        QTest::newRow("negative tie away") << -0.125 << "-0.13";
        QTest::newRow("rounds up a digit") << 9.999 << "10.00";
        QTest::newRow("no grouping") << 1234567.5 << "1234567.50";
        QTest::newRow("largest single") << double(std::numeric_limits<float>::max())
                                        << "340282346638528859811704183484516925440.00";
    }
    void fixed2() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(formatFixed2(value)), text);
    }

    void twoDigitsAndHms() {
        QCOMPARE(formatTwoDigits(0), "00");
        QCOMPARE(formatTwoDigits(7), "07");
        QCOMPARE(formatTwoDigits(59), "59");
        QCOMPARE(formatTwoDigits(123), "123");
        QCOMPARE(formatTwoDigits(-1), "-01");
        QCOMPARE(formatTwoDigits(-40), "-40");
        QCOMPARE(formatTwoDigits(-32768), "-32768");
        QCOMPARE(formatTwoDigits(std::numeric_limits<Long>::min()), "-2147483648");

        const auto hms = [](double seconds) { return formatHms(seconds / kSecondsPerDay); };
        QCOMPARE(hms(0), "0:00:00");
        QCOMPARE(hms(59), "0:00:59");
        QCOMPARE(hms(3600), "1:00:00");
        QCOMPARE(hms(86399), "23:59:59");
        QCOMPARE(hms(86400), "0:00:00"); // whole days dropped
        QCOMPARE(hms(86400 * 3 + 3725), "1:02:05");
        QCOMPARE(hms(0.4), "0:00:00");
        QCOMPARE(hms(0.5), "0:00:01");
        // Every whole second, narrowed to a Single day fraction as the
        // countdown stores it, still shows that second.
        for (int s = 0; s <= 86400; ++s) {
            const Single left = static_cast<Single>(s / kSecondsPerDay);
            const std::string text = formatHms(left);
            const int shown = s % 86400;
            char expected[16];
            std::snprintf(expected, sizeof expected, "%d:%02d:%02d", shown / 3600, shown / 60 % 60,
                          shown % 60);
            if (text != expected) {
                QFAIL(qPrintable(QStringLiteral("%1 s shows %2").arg(s).arg(text.c_str())));
            }
        }
        QCOMPARE(errorOf([] { (void)formatHms(std::numeric_limits<double>::infinity()); }), 6);
        // A finite number of days too large to count in seconds.
        QCOMPARE(errorOf([] { (void)formatHms(1e306); }), 6);
        QCOMPARE(errorOf([] { (void)formatHms(1e300); }), std::nullopt); // large, still countable
    }

    void valueOfText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("word") << "abc" << 0.0;
        QTest::newRow("list entry") << ".25" << 0.25;
        QTest::newRow("list entry 1.75") << "1.75" << 1.75;
        QTest::newRow("leading blanks") << "  10" << 10.0;
        QTest::newRow("trailing words") << "10 minutes" << 10.0;
        QTest::newRow("plus sign") << "+3" << 3.0;
        QTest::newRow("negative") << "-5" << -5.0;
        QTest::newRow("exponent") << "1e37" << 1e37;
        QTest::newRow("exponent upper, signed") << "2.5E-1x" << 0.25;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("dangling point") << "4." << 4.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("inf is not a number") << "inf" << 0.0;
        QTest::newRow("nan is not a number") << "nan" << 0.0;
        QTest::newRow("hex is its zero") << "0x1A" << 0.0;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("underflow is zero") << "1e-400" << 0.0;
        QTest::newRow("many zeros") << "0.000000000000000000000000000001e30" << 1.0;
    }
    void valueOfText() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(core::valueOfText(text.toStdString()), value);
    }

    void valueOfTextSignsAndOverflow() {
        const double negZero = core::valueOfText("-0");
        QCOMPARE(negZero, 0.0);
        QVERIFY(std::signbit(negZero));
        QVERIFY(!std::signbit(core::valueOfText("0")));

        const TextValue big = scanValue("1e999");
        QVERIFY(big.overflowed);
        QVERIFY(big.value > 0);
        const TextValue bigNegative = scanValue(" -1e999 minutes");
        QVERIFY(bigNegative.overflowed);
        QVERIFY(bigNegative.value < 0);
        QCOMPARE(errorOf([] { (void)core::valueOfText("1e999"); }), 6);
        QCOMPARE(errorOf([] { (void)core::valueOfText("1.7e308"); }), std::nullopt);
    }

    void decimalPointIgnoresLocale() {
        // Qt sets the C library's locale from the user's; a German one must
        // not turn ".25" into 0 or "0.00" into "0,00".
        const char* previous = std::setlocale(LC_ALL, nullptr);
        const std::string saved = previous != nullptr ? previous : "C";
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
            std::setlocale(LC_ALL, "de_DE") == nullptr) {
            QSKIP("no German locale on this machine");
        }
        const double quarter = core::valueOfText(".25");
        const std::string text = formatFixed2(1.5);
        const double parsed = textToDouble("2.5");
        std::setlocale(LC_ALL, saved.c_str());
        QCOMPARE(quarter, 0.25);
        QCOMPARE(text, "1.50");
        QCOMPARE(parsed, 2.5);
    }

    void toSingleChecksRange() {
        QCOMPARE(toSingle(86400.0), 86400.0F);
        QCOMPARE(toSingle(-0.0), -0.0F);
        QCOMPARE(toSingle(5e36 * 60), static_cast<Single>(3e38));
        QCOMPARE(errorOf([] { (void)toSingle(1e37 * 60); }), 6);
        QCOMPARE(errorOf([] { (void)toSingle(-1e37 * 60); }), 6);
        QCOMPARE(errorOf([] { (void)toSingle(std::numeric_limits<double>::infinity()); }), 6);
        QCOMPARE(errorOf([] { (void)toSingle(std::numeric_limits<double>::quiet_NaN()); }), 6);
        // The narrowing decides the countdown's limit test.
        QCOMPARE(toSingle(1440.00001 * 60), 86400.0F);
        QCOMPARE(toSingle(1440.001 * 60), 86400.0625F);
    }

    void textToNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("longValue"); // -1: error 13 expected
        QTest::addColumn<double>("doubleValue");
        QTest::newRow("zero") << "0.00" << 0 << 0.0;
        QTest::newRow("half to even down") << "58.50" << 58 << 58.5;
        QTest::newRow("half to even up") << "59.50" << 60 << 59.5;
        QTest::newRow("3599.50") << "3599.50" << 3600 << 3599.5;
        QTest::newRow("3725.67") << "3725.67" << 3726 << 3725.67;
        QTest::newRow("blanks around") << " 12 " << 12 << 12.0;
        QTest::newRow("negative half") << "-2.5" << -2 << -2.5;
        QTest::newRow("exponent") << "1e3" << 1000 << 1000.0;
    }
    void textToNumbers() {
        QFETCH(QString, text);
        QFETCH(int, longValue);
        QFETCH(double, doubleValue);
        QCOMPARE(textToLong(text.toStdString()), longValue);
        QCOMPARE(textToDouble(text.toStdString()), doubleValue);
    }

    void conversionErrors() {
        for (const char* notNumeric : {"", " ", "abc", "00:00:12", "1.2.3", "12abc", "-", ".", "1e",
                                       "inf", "nan", "0x10", "1,5"}) {
            QCOMPARE(errorOf([&] { (void)textToLong(notNumeric); }), 13);
            QCOMPARE(errorOf([&] { (void)textToDouble(notNumeric); }), 13);
        }
        QCOMPARE(errorOf([] { (void)textToLong("2147483647"); }), std::nullopt);
        QCOMPARE(errorOf([] { (void)textToLong("2147483647.5"); }), 6);
        QCOMPARE(errorOf([] { (void)textToLong("-2147483648"); }), std::nullopt);
        QCOMPARE(errorOf([] { (void)textToLong("-2147483649"); }), 6);
        QCOMPARE(errorOf([] { (void)textToDouble("1e999"); }), 6);

        QCOMPARE(floatToLong(0.5), 0);
        QCOMPARE(floatToLong(1.5), 2);
        QCOMPARE(floatToLong(-0.5), 0);
        QCOMPARE(floatToLong(-1.5), -2);
        QCOMPARE(floatToLong(125.67), 126);
        QCOMPARE(errorOf([] { (void)floatToLong(3e9); }), 6);
        QCOMPARE(errorOf([] { (void)floatToLong(std::numeric_limits<double>::quiet_NaN()); }), 6);

        QCOMPARE(longToInteger(32767), 32767);
        QCOMPARE(longToInteger(-32768), -32768);
        QCOMPARE(errorOf([] { (void)longToInteger(32768); }), 6);
        QCOMPARE(errorOf([] { (void)longToInteger(-32769); }), 6);
    }
};

QTEST_APPLESS_MAIN(TestConversions)
#include "test_conversions.moc"
