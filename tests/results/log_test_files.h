#pragma once

#include "results/results_record.h"

#include <QDateTime>
#include <QFile>
#include <QString>

#include <optional>

// Shared by the tests of the results log file.
namespace results_test {

// The moment every test record is logged at.
inline QDateTime loggedAt() {
    return QDateTime(QDate(2002, 4, 30), QTime(10, 11, 12));
}

inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The name of a record written by the appender ("A17": prefix A, record 17, time 0:00:17),
// when the line is that record whole.
inline std::optional<QString> wholeAppenderRecord(const QString& line) {
    const QString name = line.section(u' ', 0, 0);
    qsizetype digits = name.size();
    while (digits > 0 && name[digits - 1].isDigit())
        --digits;
    bool ok = false;
    const qint64 number = name.sliced(digits).toLongLong(&ok);
    if (!ok || pictolex::formatRecord(name, number, loggedAt()) != line)
        return std::nullopt;
    return name;
}

} // namespace results_test
