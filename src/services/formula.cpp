// Text-rewriting evaluation: the intermediate texts and their roundings are part of every stored
// quantity, so the evaluator works on text exactly step by step instead of parsing to a tree.
#include "services/formula.h"

#include "services/format_number.h"
#include "services/num.h"
#include "services/single_precision.h"
#include "services/text.h"

#include <cmath>
#include <QList>
#include <QStringList>

#include <optional>

namespace tv::services {
namespace {

std::optional<QString> modePattern(int mode) {
    switch (mode) {
    case FormulaModeFree:
        return QStringLiteral("######.#####");
    case FormulaModeQuantity:
        return QStringLiteral("#####0.00");
    case FormulaModeCount:
        return QStringLiteral("#####0");
    default:
        return std::nullopt;
    }
}

QString formatMode(float value, int mode) {
    const auto pattern = modePattern(mode);
    return pattern ? formatNumber(value, *pattern) : QString();
}

// An operand as read from text: a double, kept so until the result of its operation is stored.
// nullopt when it does not fit single precision, the evaluator's overflow.
std::optional<double> readOperand(QStringView text) {
    const double v = Num(text);
    if (!std::isfinite(StoreSingle(v)))
        return std::nullopt;
    return v;
}

struct Operator {
    qsizetype position;
    QChar symbol;
};

QList<Operator> findOperators(const QString& text) {
    QList<Operator> ops;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'*' || c == u'/' || c == u'+') {
            ops.append({i, c});
        } else if (c == u'-') {
            const bool isSign = i == 0 || text[i - 1] == u'*' || text[i - 1] == u'/';
            if (!isSign)
                ops.append({i, c});
        }
    }
    return ops;
}

// Calculates a text without parentheses and formats the result with `mode`.
QString calculateFlat(QString text, int mode) {
    const QString zero = formatMode(0.0f, mode);
    text.remove(u',');
    for (;;) {
        text.replace(QStringLiteral("--"), QStringLiteral("+"));
        const QList<Operator> ops = findOperators(text);
        if (ops.isEmpty()) {
            const auto v = readOperand(text);
            return v ? formatMode(StoreSingle(*v), mode) : zero;
        }
        QStringList operands;
        qsizetype start = 0;
        for (const Operator& op : ops) {
            operands.append(text.mid(start, op.position - start));
            start = op.position + 1;
        }
        operands.append(text.mid(start));

        qsizetype k = -1;
        for (qsizetype i = 0; i < ops.size(); ++i) {
            if (ops[i].symbol == u'*' || ops[i].symbol == u'/') {
                k = i;
                break;
            }
        }
        if (k >= 0) {
            const auto a = readOperand(operands[k]);
            const auto b = readOperand(operands[k + 1]);
            if (!a || !b)
                return zero;
            float result;
            if (ops[k].symbol == u'*') {
                result = SingleProduct(*a, *b);
            } else {
                if (*b == 0.0)
                    return zero;
                result = SingleQuotient(*a, *b);
            }
            if (!std::isfinite(result))
                return zero;
            QString rebuilt;
            for (qsizetype i = 0; i < k; ++i)
                rebuilt += operands[i] + ops[i].symbol;
            rebuilt += Trim(formatNumber(result, u"###0.0######"));
            for (qsizetype i = k + 1; i < ops.size(); ++i)
                rebuilt += ops[i].symbol + operands[i + 1];
            text = rebuilt;
            continue;
        }

        const auto first = readOperand(operands[0]);
        if (!first)
            return zero;
        float sum = StoreSingle(*first);
        for (qsizetype i = 0; i < ops.size(); ++i) {
            const auto next = readOperand(operands[i + 1]);
            if (!next)
                return zero;
            sum = ops[i].symbol == u'+' ? SingleSum(sum, *next) : SingleDifference(sum, *next);
            if (!std::isfinite(sum))
                return zero;
        }
        const float rounded = StoreSingle(Num(formatNumber(sum, u"###0.0###")));
        return formatMode(rounded, mode);
    }
}

} // namespace

QString EvaluateFormula(const QString& formula, int mode) {
    if (!formula.contains(u'('))
        return calculateFlat(formula, mode);
    QString working = formula;
    while (working.contains(u'(')) {
        const qsizetype open = working.lastIndexOf(u'(');
        const qsizetype close = working.indexOf(u')', open);
        if (close < 0)
            return QStringLiteral("?");
        const QString left = working.left(open);
        const QString right = working.mid(close + 1);
        const QString inner = working.mid(open + 1, close - open - 1);
        working = Trim(left) + calculateFlat(inner, FormulaModeQuantity) + Trim(right);
    }
    return calculateFlat(working, mode);
}

} // namespace tv::services
