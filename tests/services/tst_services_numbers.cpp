// Number reading and formatting: the leading-number rule and every pattern the program prints with.
#include "services/format_number.h"
#include "services/num.h"

#include <QTest>

using tv::services::formatNumber;
using tv::services::Num;
using namespace Qt::StringLiterals;

class TestNumbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void num_data();
    void num();
    void formatFloat_data();
    void formatFloat();
    void formatDouble_data();
    void formatDouble();
};

void TestNumbers::num_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain integer") << u"12"_s << 12.0;
    QTest::newRow("leading blanks") << u"   12"_s << 12.0;
    QTest::newRow("blanks inside the number") << u"1 2 3"_s << 123.0;
    QTest::newRow("tab and line feed inside") << u"1\t2\n3"_s << 123.0;
    QTest::newRow("blank after the sign") << u"- 5"_s << -5.0;
    QTest::newRow("plus sign") << u"+7"_s << 7.0;
    QTest::newRow("decimal") << u"94.7"_s << 94.7;
    QTest::newRow("second point stops") << u"1.2.3"_s << 1.2;
    QTest::newRow("leading point") << u".5"_s << 0.5;
    QTest::newRow("lone minus") << u"-"_s << 0.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("letters first") << u"abc"_s << 0.0;
    QTest::newRow("letters after the number") << u"12ab"_s << 12.0;
    QTest::newRow("comma stops") << u"1,200"_s << 1.0;
    QTest::newRow("closing parenthesis stops") << u"3)"_s << 3.0;
    QTest::newRow("exponent D") << u"1D3"_s << 1000.0;
    QTest::newRow("exponent E negative") << u"25e-2"_s << 0.25;
    QTest::newRow("exponent without digits") << u"1E"_s << 1.0;
    QTest::newRow("full-width digit is no number") << u"１２"_s << 0.0;
    QTest::newRow("hex FF") << u"&HFF"_s << 255.0;
    QTest::newRow("hex FFFF wraps to 16 bits") << u"&HFFFF"_s << -1.0;
    QTest::newRow("hex 8000 is the smallest short") << u"&H8000"_s << -32768.0;
    QTest::newRow("hex five digits is 32 bits") << u"&H10000"_s << 65536.0;
    QTest::newRow("hex eight digits wraps to 32 bits") << u"&HFFFFFFFF"_s << -1.0;
    QTest::newRow("octal 17") << u"&O17"_s << 15.0;
    QTest::newRow("octal 177777 wraps to 16 bits") << u"&O177777"_s << -1.0;
    QTest::newRow("ampersand alone") << u"&12"_s << 0.0;
}

void TestNumbers::num() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Num(text), expected);
}

void TestNumbers::formatFloat_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    // Quantities "#####0.00"
    QTest::newRow("quantity rounds half up") << 2.675f << u"#####0.00"_s << u"2.68"_s;
    QTest::newRow("quantity of zero") << 0.0f << u"#####0.00"_s << u"0.00"_s;
    QTest::newRow("quantity negative half") << -0.125f << u"#####0.00"_s << u"-0.13"_s;
    QTest::newRow("quantity tiny negative keeps sign") << -0.001f << u"#####0.00"_s << u"-0.00"_s;
    QTest::newRow("quantity beyond pattern width") << 1234567.0f << u"#####0.00"_s << u"1234567.00"_s;
    QTest::newRow("quantity seven significant digits") << 123456789.0f << u"#####0.00"_s << u"123456800.00"_s;
    // Counts "#####0", "0", "###", "#", "####"
    QTest::newRow("count half away from zero") << 2.5f << u"#####0"_s << u"3"_s;
    QTest::newRow("count negative half") << -2.5f << u"#####0"_s << u"-3"_s;
    QTest::newRow("count of a half") << 0.5f << u"#####0"_s << u"1"_s;
    QTest::newRow("count negative below half") << -0.4f << u"#####0"_s << u"-0"_s;
    QTest::newRow("zero pattern") << 7.5f << u"0"_s << u"8"_s;
    QTest::newRow("hash pattern of zero is empty") << 0.0f << u"###"_s << QString();
    QTest::newRow("hash pattern negative below half") << -0.4f << u"###"_s << u"-"_s;
    QTest::newRow("hash pattern rounds") << 12.5f << u"####"_s << u"13"_s;
    QTest::newRow("single hash of a small value") << 0.4f << u"#"_s << QString();
    // Free format "######.#####"
    QTest::newRow("free decimals") << 2.456f << u"######.#####"_s << u"2.456"_s;
    QTest::newRow("free half has no leading zero") << 0.5f << u"######.#####"_s << u".5"_s;
    QTest::newRow("free whole keeps the point") << 12.0f << u"######.#####"_s << u"12."_s;
    QTest::newRow("free zero is a point") << 0.0f << u"######.#####"_s << u"."_s;
    QTest::newRow("free negative") << -0.25f << u"######.#####"_s << u"-.25"_s;
    // Metres "##0.000", "0.000"
    QTest::newRow("metres") << 0.0654f << u"##0.000"_s << u"0.065"_s;
    QTest::newRow("metres half") << 1.2345f << u"0.000"_s << u"1.235"_s;
    QTest::newRow("metres negative") << -12.345f << u"##0.000"_s << u"-12.345"_s;
    // Optional decimals "##0.##0", "###0.##0", "####0.##0", "###0.#0"
    QTest::newRow("three decimals padded to the last zero") << 0.2f << u"##0.##0"_s << u"0.200"_s;
    QTest::newRow("three decimals rounded") << 0.7894f << u"##0.##0"_s << u"0.789"_s;
    QTest::newRow("three decimals exact half") << 0.0125f << u"###0.##0"_s << u"0.013"_s;
    QTest::newRow("three decimals large") << 1234.5f << u"####0.##0"_s << u"1234.500"_s;
    QTest::newRow("two decimals padded") << 0.5f << u"###0.#0"_s << u"0.50"_s;
    QTest::newRow("two decimals half") << 1.205f << u"###0.#0"_s << u"1.21"_s;
    // Evaluator intermediates "###0.0######", "###0.0###"
    QTest::newRow("intermediate product third") << 1.0f / 3.0f << u"###0.0######"_s << u"0.3333333"_s;
    QTest::newRow("intermediate whole keeps one decimal") << -12.0f << u"###0.0######"_s << u"-12.0"_s;
    QTest::newRow("intermediate sum four decimals") << 1.0033333f << u"###0.0###"_s << u"1.0033"_s;
    QTest::newRow("intermediate sum of zero") << 0.0f << u"###0.0###"_s << u"0.0"_s;
    QTest::newRow("negative zero has no sign") << -0.0f << u"#####0.00"_s << u"0.00"_s;
}

void TestNumbers::formatFloat() {
    QFETCH(float, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, pattern), expected);
}

void TestNumbers::formatDouble_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("double just below the half") << 2.67499995231628 << u"#####0.00"_s << u"2.67"_s;
    QTest::newRow("double 2.675 reads as its 15 digits") << 2.675 << u"#####0.00"_s << u"2.68"_s;
    QTest::newRow("double keeps all nine digits") << 123456789.0 << u"#####0.00"_s << u"123456789.00"_s;
    QTest::newRow("double negative half") << -0.125 << u"#####0.00"_s << u"-0.13"_s;
    QTest::newRow("double zero") << 0.0 << u"###"_s << QString();
    QTest::newRow("double sum of tenths") << 0.1 + 0.2 << u"###0.##0"_s << u"0.300"_s;
}

void TestNumbers::formatDouble() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatNumber(value, pattern), expected);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_services_numbers.moc"
