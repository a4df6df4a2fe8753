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

// The steel table's kind codes of the section shapes, one per member kind, in the order the table
// groups them; plates, flat bars and decks follow (source_rows.h). A name that one source does not
// offer is marked so: it is no shape there.
struct ShapeCode {
    QString code;
    bool onSecondary; // a shape name of the secondary sheet too
};

const QHash<QString, ShapeCode>& shapeCodes() {
    static const QHash<QString, ShapeCode> codes{
        {QStringLiteral("H鋼"), {QStringLiteral("01"), true}},      // rolled H sections
        {QStringLiteral("BH鋼"), {QStringLiteral("02"), false}},    // built-up H sections
        {QStringLiteral("SH鋼"), {QStringLiteral("03"), false}},    // welded light H sections
        {QStringLiteral("CT鋼"), {QStringLiteral("04"), true}},     // cut tees
        {QStringLiteral("鋼管(角)"), {QStringLiteral("05"), true}}, // square tubes
        {QStringLiteral("鋼管(丸)"), {QStringLiteral("06"), true}}, // round tubes
        {QStringLiteral("コラム"), {QStringLiteral("07"), true}},   // cold-formed column tubes
        {QStringLiteral("山形鋼"), {QStringLiteral("08"), true}},   // angles
        {QStringLiteral("C形鋼"), {QStringLiteral("09"), true}},    // lipped channels
        {QStringLiteral("C鋼"), {QStringLiteral("09"), true}},      // the same, shown as C形鋼
        {QStringLiteral("I形鋼"), {QStringLiteral("10"), true}},    // I sections
        {QStringLiteral("みぞ形鋼"), {QStringLiteral("11"), true}}, // channels
        {QStringLiteral("丸鋼"), {QStringLiteral("12"), true}},     // round bars
        {QStringLiteral("2C形鋼"), {QStringLiteral("13"), true}},   // double lipped channels
        {QStringLiteral("2C鋼"), {QStringLiteral("13"), false}},    // the same, shown as 2C形鋼
    };
    return codes;
}

} // namespace

QString sources::sheetShapeCode(const QString& name) {
    return shapeCodes().value(name).code;
}
QString sources::secondaryShapeCode(const QString& name) {
    const ShapeCode found = shapeCodes().value(name);
    return found.onSecondary ? found.code : QString();
}

namespace {

// A plate or flat bar of the secondary sheet as the steel and galvanizing tables name it: a flat bar
// keeps its thickness and width, a plate its thickness alone, without the "PL-" of the sheet.
struct SecondaryPlate {
    bool flatBar;
    QString size;
};

SecondaryPlate secondaryPlate(const QString& size) {
    if (!size.contains(kTimes))
        return {false, withoutPL(size)};
    const QStringList p = size.split(kTimes);
    if (size.contains(QStringLiteral("FLB")))
        return {true, p[0] + kTimes + piece(p, 1)};
    return {false, withoutPL(p[0])};
}

bool isPlateName(const QString& name) {
    return name == kFlatBar || name == kPlate;
}

void addSecondaryMember(TotalsTables& t, const WorkRow& row) {
    const QString& category = cell(row, 1);
    if (category == kDeck) {
        t.AddSteel(kDeckCode, kDeck, cell(row, 4), QString(), cell(row, 9), kSquareMetres);
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
        t.AddSteel(code, name, grade, size, quantity, kMetres);
        return;
    }
    if (!isPlateName(name))
        return;
    const SecondaryPlate plate = secondaryPlate(size);
    if (plate.flatBar)
        t.AddSteel(kFlatBarCode, kFlatBar, grade, plate.size, quantity, kMetres);
    else
        t.AddSteel(kPlateCode, kPlate, grade, plate.size, quantity, kSquareMetres);
}

// A galvanized secondary row, named, sized and measured as the sheet rows are: decks by area under
// "床版", plates by area under their thickness, flat bars and every other member by length.
void addSecondaryGalvanized(TotalsTables& t, const WorkRow& row) {
    const QString& quantity = cell(row, 9);
    if (cell(row, 1) == kDeck) {
        t.AddGalvanized(kGalvDeckCode, kDeck, QString(), quantity, kSquareMetres);
        return;
    }
    const QString& name = cell(row, 5);
    const QString& size = cell(row, 6);
    if (isPlateName(name)) {
        const SecondaryPlate plate =
            size.isEmpty() ? SecondaryPlate{name == kFlatBar, {}} : secondaryPlate(size);
        if (plate.flatBar)
            t.AddGalvanized(kGalvFlatBarCode, kFlatBar, plate.size, quantity, kMetres);
        else
            t.AddGalvanized(kGalvPlateCode, kPlate, plate.size, quantity, kSquareMetres);
        return;
    }
    t.AddGalvanized(kGalvShapeCode, name, size, quantity, kMetres);
}

void addSecondarySurface(TotalsTables& t, const WorkRow& row) {
    const QString& surface = cell(row, 17);
    if (surface == kPainted)
        t.AddCoating(QStringLiteral("さび止塗装"), QString(), cell(row, 20));
    else if (surface == kGalvanized)
        addSecondaryGalvanized(t, row);
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
