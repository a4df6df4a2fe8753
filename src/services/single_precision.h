// The program's arithmetic: numbers read from text are doubles, every stored result is a float.
//
// A number read from text with Num() keeps its double value; an operation on such numbers is
// computed in double and only its result is stored in single precision. A value that was stored
// (a running sum, a held rate or length) enters later operations as the float it is. Rounding the
// operands instead would move decimal inputs off their decimal answer: 1.887 × 5 is 9.435 and shows
// as 9.44, while the float operand 1.88699996… gives 9.4349998… and shows as 9.43.
#pragma once

namespace tv::services {

// Stores a result in single precision.
inline float StoreSingle(double value) {
    return static_cast<float>(value);
}

// Product and quotient of two numbers read from text, stored in single precision.
inline float SingleProduct(double a, double b) {
    return static_cast<float>(a * b);
}
inline float SingleQuotient(double a, double b) {
    return static_cast<float>(a / b);
}

// One step of a running sum: the stored float `sum` plus (or minus) a number read from text.
inline float SingleSum(float sum, double next) {
    return static_cast<float>(static_cast<double>(sum) + next);
}
inline float SingleDifference(float sum, double next) {
    return static_cast<float>(static_cast<double>(sum) - next);
}

} // namespace tv::services
