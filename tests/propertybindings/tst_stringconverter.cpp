// Reading a widget's text as a number: what is accepted, what is refused, and the message.

#include "propertybindings/intern/StringConverter.h"

#include <exception/ExceptionBase.h>

#include <QtTest>

#include <string>

using kestrix::InvalidArgumentException;
using kestrix::sdk::ui::dialogs::propertybindings::intern::StringConverter;

namespace {

// The message of the InvalidArgumentException that the conversion raises; empty when none.
template <typename Convert>
QString refusal(Convert convert)
{
    try {
        convert();
    } catch (const InvalidArgumentException& exception) {
        return QString::fromStdString(exception.message());
    }
    return QString();
}

} // namespace

class TestStringConverter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void acceptsIntegers_data();
    void acceptsIntegers();
    void refusesIntegers_data();
    void refusesIntegers();
    void shortsKeepTheirRange();
    void doubles();
    void aNumberBeforeAnIncompleteExponentIsANumber();
    void textIsCopiedAsItIs();
};

void TestStringConverter::acceptsIntegers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("explicit plus") << "+3" << 3;
    QTest::newRow("letters after the number") << "12abc" << 12;
    QTest::newRow("blank after the number") << "8 9" << 8;
    QTest::newRow("largest") << "2147483647" << 2147483647;
}

void TestStringConverter::acceptsIntegers()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(StringConverter(text.toStdString()).toInt(), expected);
}

void TestStringConverter::refusesIntegers_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("leading blank") << " 12";
    QTest::newRow("leading tab") << "\t12";
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("too large") << "2147483648";
}

void TestStringConverter::refusesIntegers()
{
    QFETCH(QString, text);
    const std::string input = text.toStdString();
    QCOMPARE(refusal([&] { StringConverter(input).toInt(); }), QStringLiteral("Cannot convert \"%1\" to int").arg(text));
}

void TestStringConverter::shortsKeepTheirRange()
{
    QCOMPARE(StringConverter("-32768").toShort(), short(-32768));
    QCOMPARE(StringConverter("123xyz").toShort(), short(123));
    QCOMPARE(refusal([] { StringConverter("70000").toShort(); }), QStringLiteral("Cannot convert \"70000\" to short"));
    QCOMPARE(refusal([] { StringConverter(" 1").toShort(); }), QStringLiteral("Cannot convert \" 1\" to short"));
}

void TestStringConverter::doubles()
{
    QCOMPARE(StringConverter("1.5e3").toDouble(), 1500.0);
    QCOMPARE(StringConverter("-0.25").toDouble(), -0.25);
    QCOMPARE(StringConverter("2.5 cm").toDouble(), 2.5);
    QCOMPARE(refusal([] { StringConverter(" 1.5").toDouble(); }), QStringLiteral("Cannot convert \" 1.5\" to double"));
    QCOMPARE(refusal([] { StringConverter("x1").toDouble(); }), QStringLiteral("Cannot convert \"x1\" to double"));
}

// "2e" is the number 2 followed by a letter, as "2x" is; only the exponent's digits make it
// part of the number.
void TestStringConverter::aNumberBeforeAnIncompleteExponentIsANumber()
{
    QCOMPARE(StringConverter("2e").toDouble(), 2.0);
    QCOMPARE(StringConverter("2.5E+").toDouble(), 2.5);
    QCOMPARE(StringConverter("-3e-x").toDouble(), -3.0);
    QCOMPARE(StringConverter("2e").toInt(), 2);
    QCOMPARE(StringConverter("4e1x").toDouble(), 40.0);
    QCOMPARE(refusal([] { StringConverter("e5").toDouble(); }), QStringLiteral("Cannot convert \"e5\" to double"));
    QCOMPARE(refusal([] { StringConverter("1e999").toDouble(); }),
             QStringLiteral("Cannot convert \"1e999\" to double"));
}

void TestStringConverter::textIsCopiedAsItIs()
{
    QCOMPARE(StringConverter("  padded \u00e9 ").toString(), std::string("  padded \u00e9 "));
    QCOMPARE(StringConverter("").toString(), std::string());
}

QTEST_APPLESS_MAIN(TestStringConverter)
#include "tst_stringconverter.moc"
