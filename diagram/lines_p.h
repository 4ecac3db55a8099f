// The text of a diagram, line by line, indented inside blocks.
#pragma once

#include <QString>

namespace diagram {

class DiagramLines {
public:
    explicit DiagramLines(int baseIndent) : indent_(baseIndent) {}

    void add(const QString& line) { text_ += QString(indent_, u' ') + line + u'\n'; }
    // A line that opens a block: the lines after it are indented.
    void open(const QString& line)
    {
        add(line);
        indent_ += 4;
    }
    // A line that closes the innermost block.
    void close(const QString& line)
    {
        indent_ -= 4;
        add(line);
    }
    // A line at the left margin, whatever the blocks.
    void addUnindented(const QString& line) { text_ += line + u'\n'; }
    const QString& text() const { return text_; }

private:
    QString text_;
    int indent_;
};

}  // namespace diagram
