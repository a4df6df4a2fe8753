// What the headless commands write: text to standard output or error, messages one per line, and
// the names the command line gives the six totals tables.
#pragma once

#include <QStringList>

#include <cstdio>

namespace tv::app {

// "steel", "weld", "bolt", "coating", "galv", "joint", in the order of the tables.
const QStringList& totalsTableNames();

// Writes `text` as UTF-8.
void writeText(FILE* stream, const QString& text);

// One message per line on standard error; a line break inside a message is written as " / ".
void tellLine(const QString& message);

} // namespace tv::app
