// The quantity formula evaluator: precedence, intermediate roundings, signs, failures and modes.
#include "services/formula.h"

#include <QTest>

using tv::services::EvaluateFormula;
using namespace Qt::StringLiterals;

class TestFormula : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void evaluate_data();
    void evaluate();
};

void TestFormula::evaluate_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");
    // Examples of the evaluator's contract
    QTest::newRow("thousands comma") << u"1,200*3"_s << 1 << u"3600.00"_s;
    QTest::newRow("division") << u"10/4"_s << 1 << u"2.50"_s;
    QTest::newRow("repeating division") << u"7/3"_s << 1 << u"2.33"_s;
    QTest::newRow("leading minus is a sign") << u"-5+3"_s << 1 << u"-2.00"_s;
    QTest::newRow("minus after slash") << u"6/-2"_s << 1 << u"-3.00"_s;
    QTest::newRow("minus after star") << u"2*-3"_s << 1 << u"-6.00"_s;
    QTest::newRow("two groups") << u"(2+3)*(4-1)"_s << 1 << u"15.00"_s;
    QTest::newRow("double parentheses") << u"((1+2))"_s << 1 << u"3.00"_s;
    QTest::newRow("open parenthesis not closed") << u"2*(3"_s << 1 << u"?"_s;
    QTest::newRow("group rounded to two decimals") << u"(10/3)*3"_s << 1 << u"9.99"_s;
    QTest::newRow("no group, no rounding") << u"10/3*3"_s << 1 << u"10.00"_s;
    QTest::newRow("count mode half up") << u"2.5"_s << 2 << u"3"_s;
    QTest::newRow("free mode whole number") << u"3"_s << 0 << u"3."_s;
    QTest::newRow("division by zero") << u"5/0"_s << 1 << u"0.00"_s;
    QTest::newRow("division by zero in a chain") << u"1+5/0"_s << 1 << u"0.00"_s;
    // Precedence and chains
    QTest::newRow("precedence chain") << u"1+2*3-4/2"_s << 1 << u"5.00"_s;
    QTest::newRow("products left to right") << u"2*3*4/8"_s << 1 << u"3.00"_s;
    QTest::newRow("negative product re-read") << u"2-3*4"_s << 1 << u"-10.00"_s;
    QTest::newRow("minus a negative product") << u"2-3*-4"_s << 1 << u"14.00"_s;
    QTest::newRow("group of a negative") << u"2-(1-4)"_s << 1 << u"5.00"_s;
    QTest::newRow("double minus is plus") << u"2--3"_s << 1 << u"5.00"_s;
    QTest::newRow("leading double minus") << u"--5"_s << 1 << u"5.00"_s;
    // Nested groups: every group is rounded before it is used
    QTest::newRow("nested groups round each") << u"((1/3)+(1/3))*3"_s << 1 << u"1.98"_s;
    QTest::newRow("group inside group") << u"(2*(1/3))*3"_s << 1 << u"1.98"_s;
    QTest::newRow("division by zero inside a group") << u"(5/0)+2"_s << 1 << u"2.00"_s;
    QTest::newRow("blanks around a group") << u"2 * ( 3 + 1 ) "_s << 1 << u"8.00"_s;
    // Text the user may type
    QTest::newRow("thousands in a sum") << u"1,000+2,000"_s << 1 << u"3000.00"_s;
    QTest::newRow("blanks inside numbers") << u"1 2*2"_s << 1 << u"24.00"_s;
    QTest::newRow("blanks around operands") << u" 3 + 4 "_s << 1 << u"7.00"_s;
    QTest::newRow("letters after a number") << u"12ab*2"_s << 1 << u"24.00"_s;
    QTest::newRow("closing parenthesis alone") << u"3)"_s << 1 << u"3.00"_s;
    QTest::newRow("closing parenthesis in a product") << u"3)*2"_s << 1 << u"6.00"_s;
    QTest::newRow("empty formula") << QString() << 1 << u"0.00"_s;
    QTest::newRow("empty operand reads as zero") << u"5+"_s << 1 << u"5.00"_s;
    // Single precision
    QTest::newRow("tenths in single precision") << u"0.1+0.2"_s << 1 << u"0.30"_s;
    QTest::newRow("sum beyond seven digits") << u"16777217+1"_s << 1 << u"16777220.00"_s;
    QTest::newRow("product overflows single") << u"1E30*1E30"_s << 1 << u"0.00"_s;
    QTest::newRow("number too large for single") << u"1E39"_s << 1 << u"0.00"_s;
    // Operands are read as doubles and only each result is stored as a float, so decimal inputs
    // keep their decimal answer (a float operand would land one hundredth lower in these three).
    QTest::newRow("double operands: 1.887 x 5 is 9.435") << u"1.887*5"_s << 1 << u"9.44"_s;
    QTest::newRow("double operands: painted weight") << u"149.15*37.3"_s << 1 << u"5563.30"_s;
    QTest::newRow("double operands: product then quotient") << u"32.6042*53.94+19/7"_s << 1
                                                            << u"1761.39"_s;
    QTest::newRow("double operands: free mode keeps 1761.385") << u"32.6042*53.94+19/7"_s << 0
                                                               << u"1761.385"_s;
    QTest::newRow("half below the decimal under both readings") << u"1.005*3"_s << 1 << u"3.02"_s;
    // Modes
    QTest::newRow("mode 0 decimals") << u"2.456"_s << 0 << u"2.456"_s;
    QTest::newRow("mode 0 half") << u"0.5"_s << 0 << u".5"_s;
    QTest::newRow("mode 0 twelve") << u"12"_s << 0 << u"12."_s;
    QTest::newRow("mode 0 zero") << u"5/0"_s << 0 << u"."_s;
    QTest::newRow("mode 1 rounding") << u"2.456"_s << 1 << u"2.46"_s;
    QTest::newRow("mode 1 half") << u"0.5"_s << 1 << u"0.50"_s;
    QTest::newRow("mode 2 rounding") << u"2.456"_s << 2 << u"2"_s;
    QTest::newRow("mode 2 half") << u"0.5"_s << 2 << u"1"_s;
    QTest::newRow("mode 2 division by zero") << u"5/0"_s << 2 << u"0"_s;
    QTest::newRow("unknown mode") << u"1+2"_s << 3 << QString();
    QTest::newRow("negative mode") << u"12"_s << -1 << QString();
    QTest::newRow("unknown mode, open parenthesis") << u"(1+2"_s << 7 << u"?"_s;
}

void TestFormula::evaluate() {
    QFETCH(QString, formula);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    QCOMPARE(EvaluateFormula(formula, mode), expected);
}

QTEST_APPLESS_MAIN(TestFormula)
#include "tst_services_formula.moc"
