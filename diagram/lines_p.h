// The text of a diagram, line by line, indented inside blocks.
#pragma once

#include <QString>
#include <QStringList>

namespace diagram {

class DiagramLines {
public:
    explicit DiagramLines(int baseIndent) : indent_(baseIndent) {}

    // Adds a line; returns its number, for remove().
    qsizetype add(const QString& line)
    {
        lines_.append(QString(indent_, u' ') + line);
        return lines_.size() - 1;
    }
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
    void addUnindented(const QString& line) { lines_.append(line); }
    // Takes back the line numbered `line`.
    void remove(qsizetype line) { removed_.append(line); }
    QString text() const
    {
        QString text;
        for (qsizetype line = 0; line < lines_.size(); ++line) {
            if (!removed_.contains(line))
                text += lines_[line] + u'\n';
        }
        return text;
    }

private:
    QStringList lines_;
    QList<qsizetype> removed_;
    int indent_;
};

}  // namespace diagram
