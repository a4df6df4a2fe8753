// Reads back what the tests need of a written workbook: its package entries through `unzip -p`,
// their XML through QXmlStreamReader.
#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace tv::test {

struct WorkbookCell {
    bool number = false;  // a numeric cell; otherwise a text cell
    QString value;        // the number as stored, or the text
    QString numberFormat; // the format code of the cell's style ("General" when none)
    bool bold = false;
};

struct WorkbookSheet {
    QString name;
    QMap<std::pair<int, int>, WorkbookCell> cells; // by (row, column), from 0
    QMap<int, double> widths;                      // by column, from 0
    QString pane;                                  // "<state> <ySplit>" of the sheet view's pane
    QString paperSize, orientation, header, footer;
};

struct Workbook {
    QList<WorkbookSheet> sheets;
    QStringList printTitles; // the defined names _xlnm.Print_Titles
};

// One entry of the package, empty when it is missing.
inline QByteArray packageEntry(const QString& package, const QString& entry) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), package, entry});
    unzip.waitForFinished(30000);
    return unzip.exitCode() == 0 ? unzip.readAllStandardOutput() : QByteArray();
}

// "C12" as (row 11, column 2).
inline std::pair<int, int> cellPosition(const QString& reference) {
    static const QRegularExpression pattern(QStringLiteral("^([A-Z]+)([0-9]+)$"));
    const QRegularExpressionMatch match = pattern.match(reference);
    int column = 0;
    for (const QChar letter : match.captured(1))
        column = column * 26 + (letter.unicode() - u'A' + 1);
    return {match.captured(2).toInt() - 1, column - 1};
}

inline Workbook readWorkbook(const QString& package) {
    Workbook book;
    QStringList strings;
    QXmlStreamReader shared(packageEntry(package, QStringLiteral("xl/sharedStrings.xml")));
    while (!shared.atEnd()) {
        shared.readNext();
        if (shared.isStartElement() && shared.name() == u"si")
            strings.append(QString());
        else if (shared.isStartElement() && shared.name() == u"t" && !strings.isEmpty())
            strings.last() += shared.readElementText();
    }

    // Styles: the number format and boldness of each cell style.
    QHash<int, QString> formatCodes{
        {0, QStringLiteral("General")}, {1, QStringLiteral("0")}, {2, QStringLiteral("0.00")}};
    QList<bool> boldFonts;
    QList<std::pair<QString, bool>> styles;
    QXmlStreamReader xml(packageEntry(package, QStringLiteral("xl/styles.xml")));
    QString section;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto attribute = [&](const char* name) {
            return xml.attributes().value(QLatin1StringView(name)).toString();
        };
        if (xml.name() == u"fonts" || xml.name() == u"cellXfs" || xml.name() == u"cellStyleXfs")
            section = xml.name().toString();
        else if (xml.name() == u"numFmt")
            formatCodes.insert(attribute("numFmtId").toInt(), attribute("formatCode"));
        else if (xml.name() == u"font" && section == u"fonts")
            boldFonts.append(false);
        else if (xml.name() == u"b" && section == u"fonts")
            boldFonts.last() = true;
        else if (xml.name() == u"xf" && section == u"cellXfs")
            styles.append(std::make_pair(formatCodes.value(attribute("numFmtId").toInt()),
                                         boldFonts.value(attribute("fontId").toInt())));
    }

    xml.clear();
    xml.addData(packageEntry(package, QStringLiteral("xl/workbook.xml")));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"sheet") {
            WorkbookSheet sheet;
            sheet.name = xml.attributes().value(QLatin1StringView("name")).toString();
            book.sheets.append(sheet);
        } else if (xml.isStartElement() && xml.name() == u"definedName" &&
                   xml.attributes().value(QLatin1StringView("name")) == u"_xlnm.Print_Titles")
            book.printTitles.append(xml.readElementText());
    }

    for (qsizetype i = 0; i < book.sheets.size(); ++i) {
        WorkbookSheet& sheet = book.sheets[i];
        xml.clear();
        xml.addData(packageEntry(package, QStringLiteral("xl/worksheets/sheet%1.xml").arg(i + 1)));
        WorkbookCell* cell = nullptr;
        QString type; // of the current cell: "s" shared text, empty or "n" a number
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == u"c") {
                cell = &sheet.cells[cellPosition(a.value(QLatin1StringView("r")).toString())];
                const std::pair<QString, bool> style =
                    styles.value(a.value(QLatin1StringView("s")).toInt(), {QStringLiteral("General"), false});
                cell->numberFormat = style.first;
                cell->bold = style.second;
                type = a.value(QLatin1StringView("t")).toString();
            } else if (xml.name() == u"v" && cell) {
                const QString v = xml.readElementText();
                cell->number = type.isEmpty() || type == u"n";
                cell->value = type == u"s" ? strings.value(v.toInt()) : v;
            } else if (xml.name() == u"col") {
                for (int c = a.value(QLatin1StringView("min")).toInt();
                     c <= a.value(QLatin1StringView("max")).toInt(); ++c)
                    sheet.widths.insert(c - 1, a.value(QLatin1StringView("width")).toDouble());
            } else if (xml.name() == u"pane") {
                sheet.pane = a.value(QLatin1StringView("state")).toString() + u' ' +
                             a.value(QLatin1StringView("ySplit")).toString();
            } else if (xml.name() == u"pageSetup") {
                sheet.paperSize = a.value(QLatin1StringView("paperSize")).toString();
                sheet.orientation = a.value(QLatin1StringView("orientation")).toString();
            } else if (xml.name() == u"oddHeader") {
                sheet.header = xml.readElementText();
            } else if (xml.name() == u"oddFooter") {
                sheet.footer = xml.readElementText();
            }
        }
    }
    return book;
}

} // namespace tv::test
