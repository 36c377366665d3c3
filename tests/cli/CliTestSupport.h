#pragma once

#include "core/BitsText.h"
#include "core/Cp1251.h"
#include "core/DateTimeText.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

#include <ostream>

// Readable values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace clitest {

inline QString S(const char* utf8) {
    return QString::fromUtf8(utf8);
}
inline QStringList Words(std::initializer_list<const char*> utf8) {
    QStringList out;
    for (const char* w : utf8)
        out.append(QString::fromUtf8(w));
    return out;
}

// A section as the program writes it: name, ExamDate and ExamResult as bits text, then the lines
// given, each "Key=value".
inline QString Section(const QString& name, double date, double result,
                       const QStringList& lines = {}) {
    QString out = QLatin1Char('[') + name + QStringLiteral("]\r\nExamDate=") +
                  FloatToBitsText(date) + QStringLiteral("\r\nExamResult=") +
                  FloatToBitsText(result) + QStringLiteral("\r\n");
    for (const QString& l : lines)
        out += l + QStringLiteral("\r\n");
    return out + QStringLiteral("\r\n");
}

// Writes result.ini text in code page 1251 into dir and returns its path.
inline QString WriteHistory(const QTemporaryDir& dir, const QByteArray& bytes,
                            const QString& name = QStringLiteral("result.ini")) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

inline QByteArray Cp(const QString& text) {
    QByteArray out;
    EXPECT_TRUE(cp1251::encode(text, &out)) << text.toStdString();
    return out;
}

// A strict RFC 4180 reader: CR LF ends a record, a quoted field may hold anything with its quotes
// doubled. Malformed input fails the test rather than being guessed at.
inline std::vector<QStringList> ReadCsv(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i] == QLatin1Char('"')) {
            ++i;
            for (;;) {
                if (i >= n) {
                    ADD_FAILURE() << "unterminated quoted field";
                    return rows;
                }
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            while (i < n && text[i] != QLatin1Char(',') && text[i] != QLatin1Char('\r')) {
                EXPECT_NE(text[i], QLatin1Char('"')) << "quote inside an unquoted field";
                EXPECT_GE(text[i].unicode(), 0x20) << "control character outside quotes";
                field += text[i++];
            }
        }
        row.append(field);
        field.clear();
        if (i < n && text[i] == QLatin1Char(',')) {
            ++i;
            continue;
        }
        if (i + 1 < n + 1 && text.mid(i, 2) == QLatin1String("\r\n")) {
            rows.push_back(row);
            row.clear();
            i += 2;
            continue;
        }
        ADD_FAILURE() << "field not followed by a comma or CR LF at " << i;
        return rows;
    }
    EXPECT_TRUE(row.isEmpty()) << "last record without CR LF";
    return rows;
}

// The stored text of a CSV text field: the one guard apostrophe dropped.
inline QString Unguard(const QString& field) {
    return field.startsWith(QLatin1Char('\'')) ? field.mid(1) : field;
}

// True when the bytes are well-formed UTF-8.
inline bool IsUtf8(const QByteArray& bytes) {
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

} // namespace clitest
