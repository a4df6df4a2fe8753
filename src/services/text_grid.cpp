// TextGrid: cells, colours, spans, positions and the generic row sort.
#include "services/text_grid.h"

#include "services/cp932.h"
#include "services/num.h"

#include <QByteArray>

#include <algorithm>
#include <numeric>

namespace tv::services {
namespace {

const QString kEmpty;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\u3000';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// One cell as the sort compares it, computed once per cell.
struct CellKey {
    bool isNumber = false;
    double value = 0;
    QByteArray bytes; // CP932, ASCII letters folded
};

// The CP932 bytes of `text` with ASCII letters in lower case. Folding happens on the characters,
// before encoding, so the trail bytes of double-byte characters (which may look like ASCII letters)
// stay as they are. A character CP932 cannot hold sorts after every character it can hold.
QByteArray sortBytes(const QString& text) {
    QString folded = text;
    for (QChar& c : folded) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    if (std::optional<QByteArray> bytes = Cp932::encode(folded))
        return *std::move(bytes);
    QByteArray bytes;
    for (qsizetype i = 0; i < folded.size();) {
        const qsizetype len = (folded[i].isHighSurrogate() && i + 1 < folded.size()) ? 2 : 1;
        const QStringView piece = QStringView(folded).mid(i, len);
        if (std::optional<QByteArray> one = Cp932::encode(piece)) {
            bytes += *one;
        } else {
            const char32_t code = len == 2 ? QChar::surrogateToUcs4(piece[0], piece[1]) : piece[0].unicode();
            bytes += char(0xFF);
            for (int shift = 16; shift >= 0; shift -= 8)
                bytes += char((code >> shift) & 0xFF);
        }
        i += len;
    }
    return bytes;
}

CellKey makeKey(const QString& text) {
    CellKey key;
    key.isNumber = readsAsNumber(text, &key.value);
    key.bytes = sortBytes(text);
    return key;
}

int compareKeys(const CellKey& a, const CellKey& b) {
    if (a.isNumber && b.isNumber)
        return a.value < b.value ? -1 : (b.value < a.value ? 1 : 0);
    const int c = a.bytes.compare(b.bytes);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace

bool readsAsNumber(QStringView text, double* value) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    qsizetype i = begin;
    if (i < end && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < end; ++i) {
        if (isDigit(text[i]))
            digits = true;
        else if (text[i] == u'.' && !point)
            point = true;
        else
            break;
    }
    if (!digits)
        return false;
    if (i < end && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        bool exponentDigits = false;
        for (; i < end && isDigit(text[i]); ++i)
            exponentDigits = true;
        if (!exponentDigits)
            return false;
    }
    if (i != end)
        return false;
    if (value)
        *value = Num(text.mid(begin, end - begin));
    return true;
}

int compareGridCells(const QString& a, const QString& b) {
    return compareKeys(makeKey(a), makeKey(b));
}

TextGrid::TextGrid(int rows, int columns) {
    resize(rows, columns);
}

TextGrid::Row TextGrid::makeRow(const QStringList& texts) const {
    Row row;
    row.texts = texts.mid(0, m_columns);
    while (row.texts.size() < m_columns)
        row.texts.append(QString());
    row.colors.resize(m_columns);
    return row;
}

bool TextGrid::contains(int row, int column) const {
    return row >= 0 && row < rowCount() && column >= 0 && column < m_columns;
}

void TextGrid::clampPositions() {
    m_currentRow = std::clamp(m_currentRow, 0, std::max(0, rowCount() - 1));
    m_currentColumn = std::clamp(m_currentColumn, 0, std::max(0, m_columns - 1));
    m_topRow = std::clamp(m_topRow, m_fixedRows, std::max(m_fixedRows, rowCount() - 1));
}

void TextGrid::resize(int rows, int columns) {
    rows = std::max(0, rows);
    columns = std::max(0, columns);
    m_columns = columns;
    for (Row& row : m_rows) {
        row.texts.resize(columns);
        row.colors.resize(columns);
    }
    m_rows.resize(size_t(rows), makeRow({}));
    m_alignments.resize(columns, CellAlignment::Left);
    m_widths.resize(columns, kDefaultColumnWidth);
    clampPositions();
}

void TextGrid::setFixedRows(int rows) {
    m_fixedRows = std::max(0, rows);
    clampPositions();
}

void TextGrid::setFixedColumns(int columns) {
    m_fixedColumns = std::max(0, columns);
}

const QString& TextGrid::text(int row, int column) const {
    return contains(row, column) ? m_rows[size_t(row)].texts[column] : kEmpty;
}

void TextGrid::setText(int row, int column, const QString& text) {
    if (contains(row, column))
        m_rows[size_t(row)].texts[column] = text;
}

QStringList TextGrid::rowTexts(int row) const {
    return row >= 0 && row < rowCount() ? m_rows[size_t(row)].texts : QStringList();
}

void TextGrid::setRowTexts(int row, const QStringList& texts) {
    if (row < 0 || row >= rowCount())
        return;
    m_rows[size_t(row)].texts = makeRow(texts).texts;
}

std::optional<Rgb> TextGrid::backColor(int row, int column) const {
    return contains(row, column) ? m_rows[size_t(row)].colors[column] : std::nullopt;
}

void TextGrid::setBackColor(int row, int column, std::optional<Rgb> color) {
    if (contains(row, column))
        m_rows[size_t(row)].colors[column] = color;
}

CellAlignment TextGrid::alignment(int column) const {
    return column >= 0 && column < m_columns ? m_alignments[column] : CellAlignment::Left;
}

void TextGrid::setAlignment(int column, CellAlignment alignment) {
    if (column >= 0 && column < m_columns)
        m_alignments[column] = alignment;
}

int TextGrid::columnWidth(int column) const {
    return column >= 0 && column < m_columns ? m_widths[column] : 0;
}

void TextGrid::setColumnWidth(int column, int twips) {
    if (column >= 0 && column < m_columns)
        m_widths[column] = std::max(0, twips);
}

void TextGrid::addSpan(CellSpan span) {
    if (span.rowSpan >= 1 && span.columnSpan >= 1 && (span.rowSpan > 1 || span.columnSpan > 1))
        m_spans.append(span);
}

void TextGrid::setCurrent(int row, int column) {
    m_currentRow = row;
    m_currentColumn = column;
    clampPositions();
}

void TextGrid::setTopRow(int row) {
    m_topRow = row;
    clampPositions();
}

void TextGrid::insertRow(int at, const QStringList& texts) {
    at = std::clamp(at, 0, rowCount());
    m_rows.insert(m_rows.begin() + at, makeRow(texts));
    for (CellSpan& span : m_spans) {
        if (span.row >= at)
            ++span.row;
        else if (at < span.row + span.rowSpan)
            ++span.rowSpan;
    }
}

void TextGrid::removeRow(int at) {
    if (at < 0 || at >= rowCount())
        return;
    m_rows.erase(m_rows.begin() + at);
    for (CellSpan& span : m_spans) {
        if (span.row > at)
            --span.row;
        else if (at < span.row + span.rowSpan)
            --span.rowSpan;
    }
    m_spans.removeIf(
        [](const CellSpan& s) { return s.rowSpan < 1 || (s.rowSpan == 1 && s.columnSpan == 1); });
    clampPositions();
}

void TextGrid::sortRows(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    if (firstRow > lastRow)
        std::swap(firstRow, lastRow);
    if (firstColumn > lastColumn)
        std::swap(firstColumn, lastColumn);
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, rowCount() - 1);
    firstColumn = std::max(firstColumn, 0);
    lastColumn = std::min(lastColumn, m_columns - 1);
    if (lastRow - firstRow < 1 || firstColumn > lastColumn)
        return;

    const int count = lastRow - firstRow + 1;
    const int keyColumns = lastColumn - firstColumn + 1;
    std::vector<CellKey> keys(size_t(count) * size_t(keyColumns));
    for (int r = 0; r < count; ++r) {
        const Row& row = m_rows[size_t(firstRow + r)];
        for (int c = 0; c < keyColumns; ++c)
            keys[size_t(r) * keyColumns + c] = makeKey(row.texts[firstColumn + c]);
    }

    // A column that mixes numbers and texts can make the pairwise rule circular ("2" < "10" by value,
    // "10" < "1x" and "1x" < "2" as text); the stable sort then still returns every row exactly once,
    // in an order that depends on where the rows started.
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (int c = 0; c < keyColumns; ++c) {
            const int result =
                compareKeys(keys[size_t(a) * keyColumns + c], keys[size_t(b) * keyColumns + c]);
            if (result != 0)
                return result < 0;
        }
        return false;
    });

    std::vector<Row> sorted;
    sorted.reserve(size_t(count));
    for (int index : order)
        sorted.push_back(std::move(m_rows[size_t(firstRow + index)]));
    std::move(sorted.begin(), sorted.end(), m_rows.begin() + firstRow);
}

} // namespace tv::services
