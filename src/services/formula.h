// The quantity formula evaluator of every quantity field: + - * / and parentheses, in single
// precision, with the program's intermediate roundings.
#pragma once

#include <QString>

namespace tv::services {

// Format modes of EvaluateFormula.
enum FormulaMode : int {
    FormulaModeFree = 0,     // "######.#####"
    FormulaModeQuantity = 1, // "#####0.00"
    FormulaModeCount = 2,    // "#####0"
};

// Evaluates `formula` and formats the result with `mode` (0, 1 or 2; any other mode gives empty text).
// Returns "?" when a "(" has no later ")". Division by zero and single-precision overflow give zero
// in the mode's format. Each parenthesised part is rounded to two decimals before it is used.
QString EvaluateFormula(const QString& formula, int mode);

} // namespace tv::services
