// Text helpers, bolt lengths, the CP932 codec, and what typed text stores.
#include "services/bolt_length.h"
#include "services/cp932.h"
#include "services/text.h"
#include "services/typed_text.h"

#include <QTest>

using namespace tv::services;
using namespace Qt::StringLiterals;

class TestText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void trim_data();
    void trim();
    void ansiByteLength_data();
    void ansiByteLength();
    void sanitizeKeepsLengthAndReplacesBoth();
    void halfWidthIdentifier_data();
    void halfWidthIdentifier();
    void formatThousandths_data();
    void formatThousandths();
    void boltLength_data();
    void boltLength();
    void cp932EncodesTheStoredSpecialCharacters();
    void cp932MapsLookAlikes();
    void cp932FindsWhatItCannotHold_data();
    void cp932FindsWhatItCannotHold();
    void cp932RefusesBadBytes_data();
    void cp932RefusesBadBytes();
    void refusedCharactersLeaveTheRest_data();
    void refusedCharactersLeaveTheRest();
    void typedTextNamesAnItem_data();
    void typedTextNamesAnItem();
};

void TestText::refusedCharactersLeaveTheRest_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<uint>("refused"); // 0: none
    QTest::newRow("nothing refused") << u"X1通り"_s << u"X1通り"_s << 0u;
    QTest::newRow("the separator") << u"X1･Y1"_s << u"X1Y1"_s << 0xFF65u;
    QTest::newRow("a character outside the code page, two units long") << u"A😀B😀"_s << u"AB"_s << 0x1F600u;
    QTest::newRow("the first of two refused is named") << u"é･x"_s << u"x"_s << 0xE9u;
}

void TestText::refusedCharactersLeaveTheRest() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(uint, refused);
    const StorableText storable = TakeOutRefused(typed, u"･");
    QCOMPARE(storable.text, stored);
    QCOMPARE(storable.refused.value_or(0), char32_t(refused));
    // The message names a separator as it is, a character outside the code page with its code point.
    QCOMPARE(refusedCharacterMessage(U'･'), u"「･」は使用できない文字です。"_s);
    QCOMPARE(refusedCharacterMessage(U'é'), u"「é」(U+00E9)は使用できない文字です。"_s);
}

void TestText::typedTextNamesAnItem_data() {
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("item"); // empty: none
    const QStringList diameters{u"M12"_s, u"M16"_s, u"M24"_s};
    QTest::newRow("an item as it stands") << diameters << u"M24"_s << u"M24"_s;
    QTest::newRow("full width, blanks and another case") << diameters << u"　ｍ２４ "_s << u"M24"_s;
    QTest::newRow("no item") << diameters << u"M2"_s << u""_s;
    QTest::newRow("nothing typed") << diameters << u" "_s << u""_s;
    const QStringList explained{u"T  T継手"_s, u"FL  フレア"_s};
    QTest::newRow("the code before an explanation") << explained << u"fl"_s << u"FL  フレア"_s;
    QTest::newRow("the explanation alone names nothing") << explained << u"フレア"_s << u""_s;
    QTest::newRow("the exact case first") << QStringList{u"a"_s, u"A"_s} << u"A"_s << u"A"_s;
}

void TestText::typedTextNamesAnItem() {
    QFETCH(QStringList, items);
    QFETCH(QString, typed);
    QFETCH(QString, item);
    QCOMPARE(ItemTyped(items, typed).value_or(QString()), item);
}

void TestText::halfWidthIdentifier_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("mark") << u"Ｃ２"_s << u"C2"_s;
    QTest::newRow("grade") << u"ＳＳ４００"_s << u"SS400"_s;
    QTest::newRow("size signs") << u"２００＊１００－５．５／（２）"_s << u"200*100-5.5/(2)"_s;
    QTest::newRow("floor keeps kanji") << u"１階"_s << u"1階"_s;
    QTest::newRow("separators and range stay full-width") << u"Ａ＇Ｂ：Ｃ～"_s << u"A＇B：C～"_s;
    QTest::newRow("multiplication sign and katakana stay") << u"Ｈ－２００×ｶﾅ"_s << u"H-200×ｶﾅ"_s;
}

void TestText::halfWidthIdentifier() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(tv::services::HalfWidthIdentifier(typed), stored);
    QVERIFY(tv::services::SameIdentifier(typed, stored));
    QVERIFY(!tv::services::SameIdentifier(typed, stored + u"1"_s));
}

void TestText::trim_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blanks") << u"  SS400 "_s << u"SS400"_s;
    QTest::newRow("full-width blanks") << u"\u3000鋼\u3000"_s << u"鋼"_s;
    QTest::newRow("tabs stay") << u"\tA\t"_s << u"\tA\t"_s;
    QTest::newRow("inner blanks stay") << u" a b "_s << u"a b"_s;
    QTest::newRow("only blanks") << u" \u3000 "_s << QString();
}

void TestText::trim() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Trim(text), expected);
}

void TestText::ansiByteLength_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("mixed") << u"H鋼"_s << 3;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("half-width katakana") << u"ﾌｨﾗｰ"_s << 4;
    QTest::newRow("list separator is one byte") << u"･"_s << 1;
    QTest::newRow("full-width symbols") << u"㍉×φ①"_s << 8;
}

void TestText::ansiByteLength() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(int(AnsiByteLength(text)), expected);
}

void TestText::sanitizeKeepsLengthAndReplacesBoth() {
    const QString typed = u"C'1:A'x"_s;
    const QString clean = SanitizeField(typed);
    QCOMPARE(clean, u"C’1：A’x"_s);
    QCOMPARE(clean.size(), typed.size());
    QCOMPARE(ReplaceApostrophe(typed), u"C’1:A’x"_s);
}

void TestText::formatThousandths_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("millimetres") << 65.4f << u"0.065"_s;
    QTest::newRow("large") << 12345.0f << u"12.345"_s;
    QTest::newRow("zero") << 0.0f << u"0.000"_s;
    QTest::newRow("negative keeps sign") << -65.4f << u"-0.065"_s;
    QTest::newRow("half metre") << 500.0f << u"0.500"_s;
}

void TestText::formatThousandths() {
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatThousandths(value), expected);
}

void TestText::boltLength_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<float>("grip");
    QTest::addColumn<QString>("expected");
    QTest::newRow("high-strength M20 remainder 3 up") << u"HTB-F8T"_s << u"M20"_s << 38.0f << u"75"_s;
    QTest::newRow("other kind M20") << u"S10T"_s << u"M20"_s << 38.0f << u"70"_s;
    QTest::newRow("unknown diameter: grip alone") << u"HTB-F8T"_s << u"M30"_s << 38.0f << u"40"_s;
    QTest::newRow("diameter compared exactly") << u"HTB-F8T"_s << u"m20"_s << 38.0f << u"40"_s;
    QTest::newRow("ordinary bolt M12 remainder 2 down") << u"普通ボルト"_s << u"M12"_s << 17.0f << u"40"_s;
    QTest::newRow("M12 remainder 3 up") << u"HTB-F8T"_s << u"M12"_s << 18.0f << u"45"_s;
    QTest::newRow("M12 remainder 2 down from 47") << u"HTB-F8T"_s << u"M12"_s << 22.0f << u"45"_s;
    QTest::newRow("M12 remainder 3 up from 48") << u"HTB-F8T"_s << u"M12"_s << 23.0f << u"50"_s;
    QTest::newRow("half to even down") << u"HTB-F8T"_s << u"M12"_s << 37.5f << u"60"_s;
    QTest::newRow("half to even up") << u"HTB-F8T"_s << u"M12"_s << 38.5f << u"65"_s;
    QTest::newRow("M16 M22 M24 other kind") << u"F10T"_s << u"M24"_s << 50.0f << u"90"_s;
    QTest::newRow("empty kind") << QString() << u"M20"_s << 38.0f << QString();
    QTest::newRow("empty diameter") << u"HTB-F8T"_s << QString() << 38.0f << QString();
    QTest::newRow("zero grip") << u"HTB-F8T"_s << u"M20"_s << 0.0f << QString();
}

void TestText::boltLength() {
    QFETCH(QString, kind);
    QFETCH(QString, diameter);
    QFETCH(float, grip);
    QFETCH(QString, expected);
    QCOMPARE(BoltLength(kind, diameter, grip), expected);
}

void TestText::cp932EncodesTheStoredSpecialCharacters() {
    const auto bytes = Cp932::encode(u"㍉･’：×φ□○①～鋼"_s);
    QVERIFY(bytes);
    QCOMPARE(bytes->toHex(), QByteArray("875fa581668146817e83d381a0819b874081608d7c"));
    QCOMPARE(Cp932::decode(*bytes), std::optional<QString>(u"㍉･’：×φ□○①～鋼"_s));
}

void TestText::cp932MapsLookAlikes() {
    const QString mapped = Cp932::mapLookAlikes(u"1〜2−3‖¢£¬"_s);
    QCOMPARE(mapped, u"1～2－3∥￠￡￢"_s);
    QVERIFY(!Cp932::firstUnencodable(mapped));
}

void TestText::cp932FindsWhatItCannotHold_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("expected");
    QTest::newRow("accented letter") << u"abcé"_s << 0xE9u;
    QTest::newRow("wave dash before mapping") << u"10〜20"_s << 0x301Cu;
    QTest::newRow("character outside the BMP") << u"a😀"_s << 0x1F600u;
    QTest::newRow("first of several") << u"OK€é"_s << 0x20ACu;
}

void TestText::cp932FindsWhatItCannotHold() {
    QFETCH(QString, text);
    QFETCH(uint, expected);
    const auto bad = Cp932::firstUnencodable(text);
    QVERIFY(bad);
    QCOMPARE(uint(*bad), expected);
    QVERIFY(!Cp932::encode(text));
}

void TestText::cp932RefusesBadBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("NUL byte") << QByteArray("ab\0cd", 5);
    QTest::newRow("lead byte without trail") << QByteArray("\x82");
    QTest::newRow("invalid trail byte") << QByteArray("\x82\x0a");
    QTest::newRow("undefined byte") << QByteArray("\xff");
}

void TestText::cp932RefusesBadBytes() {
    QFETCH(QByteArray, bytes);
    QVERIFY(!Cp932::decode(bytes));
}

QTEST_APPLESS_MAIN(TestText)
#include "tst_services_text.moc"
