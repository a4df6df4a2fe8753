// Writes the totals workbook with libxlsxwriter into the durable writer's temporary file.
#include "totals/totals_workbook.h"

#include "services/text.h"
#include "shell/durable_file.h"
#include "totals/totals_print.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <xlsxwriter.h>

namespace tv::totals {

namespace {

using services::Rgb;
using services::TextGrid;

// Excel's paper size code of A4.
constexpr uint8_t kPaperA4 = 9;
// Column widths in characters of the default font.
constexpr int kWidthMargin = 2;
constexpr int kMinimumWidth = 4;
constexpr int kMaximumWidth = 60;
// Header texts stay well under the 255 characters a page header may hold.
constexpr int kHeaderNameLength = 60;

// The columns whose numbers are written as numeric cells: quantities, unit weights, weights, rates
// and converted lengths. Group numbers, thicknesses, diameters and lengths of bolts are keys and
// stay text.
QList<int> numberColumns(TableId id) {
    switch (id) {
    case TableId::Steel:
    case TableId::Joint:
        return {4, 6, 8};
    case TableId::Weld:
        return {3, 4, 5};
    case TableId::Bolt:
        return {4};
    case TableId::Coating:
        return {3};
    case TableId::Galv:
        return {3, 5, 7};
    }
    return {};
}

// The number format that shows a cell's number as its text shows it ("0", "0.00", "0.000"), or
// empty when the text is no plain decimal number that a format reproduces ("?", "-", "066", and
// "-0.00", which a spreadsheet shows without its sign).
QString numberFormatFor(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.([0-9]+))?$"));
    const QRegularExpressionMatch match = plain.match(text);
    if (!match.hasMatch() || (text.startsWith(u'-') && text.toDouble() == 0.0))
        return {};
    const qsizetype decimals = match.capturedLength(3);
    return decimals == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(decimals, u'0');
}

// The widest text of a column in half-width characters, with a margin.
double columnWidth(const TextGrid& table, int column) {
    int widest = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        const QStringView text = QStringView(table.text(row, column)).left(kMaximumWidth);
        widest = std::max(widest, int(services::AnsiByteLength(text)));
    }
    return std::clamp(widest + kWidthMargin, kMinimumWidth, kMaximumWidth);
}

// The text of a page header or footer, "&" kept as itself.
QByteArray headerFooterText(QString text) {
    return text.replace(u'&', QStringLiteral("&&")).toUtf8();
}

// The formats of one workbook, made once for each combination of bold, number format and colour.
class Formats {
public:
    explicit Formats(lxw_workbook* workbook) : m_workbook(workbook) {}

    lxw_format* get(bool bold, const QString& numberFormat, std::optional<Rgb> background) {
        if (!bold && numberFormat.isEmpty() && !background)
            return nullptr;
        const int colour =
            background ? (background->red << 16) | (background->green << 8) | background->blue : -1;
        const QString key = numberFormat + u'|' + QString::number(int(bold)) + u'|' + QString::number(colour);
        if (lxw_format* known = m_formats.value(key))
            return known;
        lxw_format* format = workbook_add_format(m_workbook);
        if (bold)
            format_set_bold(format);
        if (!numberFormat.isEmpty())
            format_set_num_format(format, numberFormat.toUtf8().constData());
        if (background) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, lxw_color_t(colour));
        }
        m_formats.insert(key, format);
        return format;
    }

private:
    lxw_workbook* m_workbook;
    QHash<QString, lxw_format*> m_formats;
};

// Adds the sheet of one table; the first failed call's error, or LXW_NO_ERROR.
lxw_error addSheet(lxw_workbook* workbook, Formats& formats, const TextGrid& table, TableId id,
                   const QString& projectName) {
    const QString caption = tableCaption(id);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, caption.toUtf8().constData());
    if (!sheet)
        return LXW_ERROR_PARAMETER_VALIDATION;
    lxw_error failed = LXW_NO_ERROR;
    const auto keep = [&failed](lxw_error error) {
        if (failed == LXW_NO_ERROR)
            failed = error;
    };
    const QList<int> numbers = numberColumns(id);
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            const QString& text = table.text(row, column);
            const QString numberFormat =
                row > 0 && numbers.contains(column) ? numberFormatFor(text) : QString();
            lxw_format* format = formats.get(row == 0, numberFormat, table.backColor(row, column));
            if (!numberFormat.isEmpty())
                keep(worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), text.toDouble(),
                                            format));
            else if (!text.isEmpty())
                keep(worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column),
                                            text.toUtf8().constData(), format));
            else if (format)
                keep(worksheet_write_blank(sheet, lxw_row_t(row), lxw_col_t(column), format));
        }
    }
    for (int column = 0; column < table.columnCount(); ++column)
        keep(worksheet_set_column(sheet, lxw_col_t(column), lxw_col_t(column), columnWidth(table, column),
                                  nullptr));

    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, kPaperA4);
    worksheet_fit_to_pages(sheet, 1, 0); // every column on the width of the page
    worksheet_gridlines(sheet, LXW_SHOW_ALL_GRIDLINES);
    keep(worksheet_repeat_rows(sheet, 0, 0));
    QByteArray header = "&C" + headerFooterText(caption + QStringLiteral("集計表"));
    if (!projectName.isEmpty())
        header.prepend("&L" + headerFooterText(projectName.left(kHeaderNameLength)));
    keep(worksheet_set_header(sheet, header.constData()));
    keep(worksheet_set_footer(sheet, "&C&P / &N"));
    return failed;
}

// Writes the workbook to `file`; 0, or the error number of the failure.
int writeWorkbook(const TotalsTables& tables, const QString& projectName, const QString& file) {
    const QByteArray fileName = QFile::encodeName(file);
    // The library's own temporary files go beside the workbook, on the disk that receives it.
    QByteArray folder = QFile::encodeName(QFileInfo(file).absolutePath());
    lxw_workbook_options options{};
    options.tmpdir = folder.data();
    lxw_workbook* workbook = workbook_new_opt(fileName.constData(), &options);
    if (!workbook)
        return ENOMEM;
    Formats formats(workbook);
    lxw_error failed = LXW_NO_ERROR;
    for (int i = 0; i < kTableCount && failed == LXW_NO_ERROR; ++i)
        failed = addSheet(workbook, formats, tables.table(TableId(i)), TableId(i), projectName);
    errno = 0;
    const lxw_error closed = workbook_close(workbook);
    const int closeError = errno;
    if (closed != LXW_NO_ERROR)
        return closeError != 0 ? closeError : EIO;
    return failed == LXW_NO_ERROR ? 0 : EINVAL;
}

// Whether `file` is a whole zip package: a local file header at its start and the end record of the
// central directory at its end (the library writes no archive comment).
bool isWholePackage(const QString& file) {
    QFile package(file);
    if (!package.open(QIODevice::ReadOnly) || package.size() < 26)
        return false;
    const QByteArray start = package.read(4);
    if (!package.seek(package.size() - 22))
        return false;
    return start == QByteArray("PK\x03\x04", 4) && package.read(4) == QByteArray("PK\x05\x06", 4);
}

} // namespace

services::Status writeTotalsWorkbook(const TotalsTables& tables, const QString& projectName,
                                     const QString& path) {
    const QString temporary = shell::temporaryPathFor(path);
    return shell::replaceFileFrom(
        path, [&](const QString& file) { return writeWorkbook(tables, projectName, file); },
        [&] { return isWholePackage(temporary); });
}

} // namespace tv::totals
