// The totals' sources: reading the work files, the shape codes, and the secondary-member rows as
// contributions to the six tables.
#include "totals/totals_sources.h"

#include "shell/record_file.h"
#include "shell/working_files.h"
#include "totals/source_rows.h"

#include <QHash>

namespace tv::totals {

using namespace sources;

namespace {

// Kind codes of the shapes, on sheet rows and on secondary rows (empty: not a shape there).
struct ShapeCodes {
    QString sheet;
    QString secondary;
};

const QHash<QString, ShapeCodes>& shapeCodes() {
    static const QHash<QString, ShapeCodes> codes{
        {QStringLiteral("H鋼"), {QStringLiteral("01"), QStringLiteral("01")}},
        {QStringLiteral("BH鋼"), {QStringLiteral("02"), {}}},
        {QStringLiteral("SH鋼"), {QStringLiteral("03"), {}}},
        {QStringLiteral("CT鋼"), {QStringLiteral("04"), QStringLiteral("02")}},
        {QStringLiteral("鋼管(角)"), {QStringLiteral("05"), QStringLiteral("03")}},
        {QStringLiteral("鋼管(丸)"), {QStringLiteral("06"), QStringLiteral("04")}},
        {QStringLiteral("コラム"), {QStringLiteral("07"), QStringLiteral("05")}},
        {QStringLiteral("山形鋼"), {QStringLiteral("08"), QStringLiteral("06")}},
        {QStringLiteral("C形鋼"), {QStringLiteral("09"), QStringLiteral("07")}},
        {QStringLiteral("I形鋼"), {QStringLiteral("10"), QStringLiteral("08")}},
        {QStringLiteral("みぞ形鋼"), {QStringLiteral("11"), QStringLiteral("09")}},
        {QStringLiteral("丸鋼"), {QStringLiteral("12"), QStringLiteral("10")}},
        {QStringLiteral("C鋼"), {QStringLiteral("13"), QStringLiteral("11")}},
        {QStringLiteral("2C形鋼"), {QStringLiteral("14"), QStringLiteral("12")}},
        {QStringLiteral("2C鋼"), {QStringLiteral("14"), {}}},
    };
    return codes;
}

} // namespace

QString sources::sheetShapeCode(const QString& name) {
    return shapeCodes().value(name).sheet;
}
QString sources::secondaryShapeCode(const QString& name) {
    return shapeCodes().value(name).secondary;
}

namespace {

void addSecondaryMember(TotalsTables& t, const WorkRow& row) {
    const QString& category = cell(row, 1);
    if (category == kDeck) {
        t.AddSteel(QStringLiteral("15"), kDeck, cell(row, 4), QString(), cell(row, 9), QStringLiteral("m2"));
        return;
    }
    if (category == kBolt) {
        if (!cell(row, 4).isEmpty())
            t.AddBolt(cell(row, 4), cell(row, 5), cell(row, 6), cell(row, 8));
        return;
    }
    const QString& name = cell(row, 5);
    const QString& size = cell(row, 6);
    if (name.isEmpty() || size.isEmpty())
        return;
    const QString& grade = cell(row, 4);
    const QString& quantity = cell(row, 9);
    const QString code = secondaryShapeCode(name);
    if (!code.isEmpty()) {
        t.AddSteel(code, name, grade, size, quantity, QStringLiteral("m"));
        return;
    }
    if (name != kFlatBar && name != kPlate)
        return;
    if (!size.contains(kTimes)) {
        t.AddSteel(QStringLiteral("13"), kPlate, grade, withoutPL(size), quantity, QStringLiteral("m2"));
        return;
    }
    const QStringList p = size.split(kTimes);
    if (size.contains(QStringLiteral("FLB")))
        t.AddSteel(QStringLiteral("14"), kFlatBar, grade, p[0] + kTimes + piece(p, 1), quantity,
                   QStringLiteral("m"));
    else
        t.AddSteel(QStringLiteral("13"), kPlate, grade, withoutPL(p[0]), quantity, QStringLiteral("m2"));
}

// The kind code of a galvanized secondary row, grouped as the sheet rows are: plates, flat bars,
// everything else.
QString secondaryGalvanizedCode(const QString& name) {
    if (name == kPlate)
        return QStringLiteral("2");
    if (name == kFlatBar)
        return QStringLiteral("3");
    return QStringLiteral("1");
}

void addSecondarySurface(TotalsTables& t, const WorkRow& row) {
    const QString& surface = cell(row, 17);
    if (surface == kPainted) {
        t.AddCoating(QStringLiteral("さび止塗装"), QString(), cell(row, 20));
    } else if (surface == kGalvanized) {
        const QString& name = cell(row, 5);
        t.AddGalvanized(secondaryGalvanizedCode(name), name, cell(row, 6), cell(row, 9),
                        name == u"丸鋼" ? QStringLiteral("m") : QStringLiteral("m2"));
    }
}

} // namespace

WorkRowsRead readWorkRows(const shell::DataRoot& root) {
    WorkRowsRead result;
    for (const qsizetype index : {6, 7, 8}) {
        const QString path = shell::workingFilePath(root, shell::kWorkingFiles[size_t(index)]);
        QList<WorkRow>& rows = index == 8 ? result.rows.secondaryRows : result.rows.sheetRows;
        // Each line is split as it is read, so the file is never held as lines and rows at once.
        shell::FieldSplitter splitter;
        shell::LineSink sink;
        sink.begin = [&](qsizetype lines) { rows.reserve(rows.size() + lines); };
        sink.line = [&](QStringView line) {
            if (!line.isEmpty())
                rows.append(splitter.split(line));
        };
        const shell::LinesResult read = shell::readLinesInto(path, sink);
        if (!read.ok() || !read.exists) {
            result.error = read.exists ? read.error : shell::missingFileMessage(path);
            result.rows = {};
            return result;
        }
    }
    return result;
}

void addSecondaryRows(TotalsTables& t, const QList<WorkRow>& rows) {
    for (const WorkRow& row : rows)
        addSecondaryMember(t, row);
    for (const WorkRow& row : rows) {
        const QString weldClass = cell(row, 10) + cell(row, 11) + cell(row, 12);
        if (!weldClass.isEmpty())
            t.AddWeld(weldClass, cell(row, 13), cell(row, 16));
    }
    for (const WorkRow& row : rows)
        addSecondarySurface(t, row);
}

} // namespace tv::totals
