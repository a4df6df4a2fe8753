// File helpers for tests: CP932 files written and read byte for byte, a fresh data root, the text of
// a printed PDF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tv::test {

// Writes raw bytes (creating the folder).
void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

// CP932 with CR LF after each line.
QByteArray cp932Lines(const QStringList& lines);
void writeCp932Lines(const QString& path, const QStringList& lines);

// Creates the five folders of a data root under `root`.
void makeDataFolders(const QString& root);

// A data root as a complete installation leaves it for an empty project: the five folders and the
// nine working files, each empty. (A missing working file is an error the program reports.)
void makeDataRoot(const QString& root);

// The text of a PDF as pdftotext reads it, laid out as printed (a form feed after each page); empty
// when the tool fails.
QString pdfText(const QString& pdf);

} // namespace tv::test
