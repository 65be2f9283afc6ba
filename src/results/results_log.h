#pragma once

#include <QString>
#include <QStringList>

namespace pictolex {

// The results log: a text file of records, one a line, each ended by CR LF, oldest first.
// The program only ever appends to it; it never truncates, rewrites or deletes it, and
// reading it never changes its bytes.
class ResultsLog {
public:
    explicit ResultsLog(QString filePath);

    // results.txt in the user's data folder for the application, which is
    // $XDG_DATA_HOME/pictolex/results.txt on Linux. Empty when there is no such folder.
    static QString defaultPath();

    const QString& filePath() const { return path; }

    // Appends the line and a CR LF as one write, then syncs the file to the disk. The folder
    // is created when it is missing. When the file does not end with a line end, the line
    // starts on a new line. A lock file beside the log keeps two programs from appending at
    // once. Answers an empty text, or a sentence telling the player why it failed.
    QString append(const QString& line) const;

    // Every line of the log, oldest first; none when it does not exist yet. On failure, no
    // lines, and *error (when given) is set to a sentence telling why; else it is cleared.
    QStringList read(QString* error = nullptr) const;

private:
    QString path;
};

} // namespace pictolex
