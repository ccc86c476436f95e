#pragma once
// A small reader of rich text files (RTF) into a QTextDocument: paragraphs and their
// alignment, indents, spacing and tab stops, bold, italic, underline, font sizes, colours of the
// colour table, cp1252 characters (\'xx) and Unicode escapes (\uN with \ucN). Font tables,
// pictures, document information and every other destination are skipped, as are unknown control
// words: nothing of the markup is ever shown as text.

#include <QByteArray>

class QTextDocument;

namespace tessella::app {

class RtfReader {
  public:
    // Replaces the content of document with the text of rtf. Malformed input (unbalanced
    // braces, a truncated escape) is read as far as it makes sense; it never fails.
    static void Read(const QByteArray& rtf, QTextDocument& document);
};

}  // namespace tessella::app
