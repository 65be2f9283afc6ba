#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace pictolex {

// The lines of a results log, oldest first, without their line ends. A line ends with
// CR LF or with LF alone; a last line without an end (cut short, or written by hand) is
// kept as it stands. A byte order mark at the start of the file is passed over.
QStringList decodeLogLines(QByteArrayView bytes);

// One line's bytes as text: UTF-8 when they are valid UTF-8; otherwise Shift-JIS, the code
// page older logs were written in, when they are valid there; otherwise Windows-1252,
// which gives every byte a character.
QString decodeLogLine(QByteArrayView line);

} // namespace pictolex
