#include "ui/dialogs/VersionInfo.h"
#include "BuiltProgram.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// A block around any payload, with a right checksum, so that the entry parser itself is tested.
QByteArray Wrap(const QByteArray& payload) {
    QByteArray out = VersionBlock::Marker();
    auto put32 = [&](quint32 n) {
        for (int i = 0; i < 4; ++i)
            out.append(static_cast<char>((n >> (8 * i)) & 0xFF));
    };
    put32(static_cast<quint32>(payload.size()));
    put32(VersionBlock::Checksum(payload.constData(), payload.size()));
    return out + payload;
}

// A version block in the layout the build embeds, from (path, value) pairs.
QByteArray MakeBlock(const std::vector<std::pair<QByteArray, QByteArray>>& entries) {
    QByteArray payload;
    auto put16 = [&](qsizetype n) {
        payload.append(static_cast<char>(n & 0xFF));
        payload.append(static_cast<char>((n >> 8) & 0xFF));
    };
    for (const auto& [path, value] : entries) {
        put16(path.size());
        payload.append(path);
        put16(value.size());
        payload.append(value);
    }
    return Wrap(payload);
}

QByteArray Str(const char* text) {
    return QByteArray(text) + '\0';
}

const QByteArray kRussian("\x19\x04\xE3\x04", 4);

class VersionFile : public ::testing::Test {
protected:
    QString Write(const QByteArray& bytes) {
        const QString path = m_dir.filePath(QStringLiteral("program%1").arg(m_files++));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
    int m_files = 0;
};

TEST(VersionInfo, TheBuiltProgramCarriesItsVersion) {
    ASSERT_FALSE(BuiltProgram().isEmpty()) << "the built program's path is unknown";
    VersionInfo info(BuiltProgram());
    EXPECT_EQ(info.CompanyName(), QStringLiteral("Zorvik"));
    EXPECT_EQ(info.FileDescription(), QString());
    EXPECT_EQ(info.FileVersion(), QStringLiteral("1.1.0.74"));
    EXPECT_EQ(info.InternalName(), QStringLiteral("Zorvik"));
    EXPECT_EQ(info.LegalCopyright(), QStringLiteral("© 2026 Zorvik. Все права защищены."));
    EXPECT_EQ(info.LegalTradeMark(), QString());
    EXPECT_EQ(info.OriginalFileName(), QStringLiteral("zorvik"));
    EXPECT_EQ(info.ProductName(), QStringLiteral("Zorvik"));
    EXPECT_EQ(info.ProductVersion(), QStringLiteral("1.1"));
    EXPECT_EQ(info.Comments(), QString());
}

// This test program links the reader but not the block: the reader must not find itself.
TEST(VersionInfo, AProgramWithoutABlockHasNoVersion) {
    VersionInfo own;
    VersionInfo missing(QStringLiteral("/nonexistent/zorvik"));
    for (int i = 0; i < kVersionTypeCount; ++i) {
        EXPECT_TRUE(own.GetVersionString(static_cast<VersionField>(i)).isEmpty()) << i;
        EXPECT_TRUE(missing.GetVersionString(static_cast<VersionField>(i)).isEmpty()) << i;
    }
}

TEST_F(VersionFile, TheTranslationNamesTheStringBlock) {
    struct Case {
        const char* name;
        QByteArray block;
        QString fileVersion;
    };
    const Case cases[] = {
        {"russian",
         MakeBlock({{"\\VarFileInfo\\Translation", kRussian},
                    {"\\StringFileInfo\\041904E3\\FileVersion", Str("2.0")}}),
         QStringLiteral("2.0")},
        {"other language, letter case of keys ignored",
         MakeBlock({{"\\VarFileInfo\\Translation", QByteArray("\x09\x04\xB0\x04", 4)},
                    {"\\StringFileInfo\\041904E3\\FileVersion", Str("wrong")},
                    {"\\stringfileinfo\\040904b0\\fileversion", Str("3.1")}}),
         QStringLiteral("3.1")},
        {"no translation", MakeBlock({{"\\StringFileInfo\\041904E3\\FileVersion", Str("2.0")}}),
         QString()},
        {"short translation",
         MakeBlock({{"\\VarFileInfo\\Translation", QByteArray("\x19\x04", 2)},
                    {"\\StringFileInfo\\041904E3\\FileVersion", Str("2.0")}}),
         QString()},
        {"string ends at its zero",
         MakeBlock({{"\\VarFileInfo\\Translation", kRussian},
                    {"\\StringFileInfo\\041904E3\\FileVersion", QByteArray("4.5\0junk", 8)}}),
         QStringLiteral("4.5")},
        {"string without a zero",
         MakeBlock({{"\\VarFileInfo\\Translation", kRussian},
                    {"\\StringFileInfo\\041904E3\\FileVersion", QByteArray("4.6")}}),
         QStringLiteral("4.6")},
        {"empty block", MakeBlock({}), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VersionInfo info(Write(QByteArray(1000, 'x') + c.block + QByteArray(1000, '\0')));
        EXPECT_EQ(info.FileVersion(), c.fileVersion);
    }
}

TEST_F(VersionFile, StringsAreCodePage1251) {
    VersionInfo info(Write(
        MakeBlock({{"\\VarFileInfo\\Translation", kRussian},
                   {"\\StringFileInfo\\041904E3\\Comments", Str("\xCF\xF0\xE8\xE2\xE5\xF2")}})));
    EXPECT_EQ(info.Comments(), QStringLiteral("Привет"));
}

TEST(VersionBlockParse, ACutOrBrokenBlockIsNoBlock) {
    const QByteArray good =
        MakeBlock({{"\\VarFileInfo\\Translation", kRussian},
                   {"\\StringFileInfo\\041904E3\\FileVersion", Str("1.2.3.4")}});
    ASSERT_TRUE(VersionBlock::Find(good));
    // Every cut short of the whole block, at the end of the file.
    for (qsizetype n = 0; n < good.size(); ++n)
        EXPECT_FALSE(VersionBlock::Find(good.left(n))) << n;
    // Every byte after the marker set to each extreme value: parsing stays within the bytes.
    const qsizetype markerSize = VersionBlock::Marker().size();
    for (qsizetype i = markerSize; i < good.size(); ++i)
        for (const char v : {'\0', '\x7F', '\xFF'}) {
            QByteArray bad = good;
            bad[i] = v;
            VersionBlock::Find(bad); // must not crash or read past the end
        }
    // A payload size beyond the bound.
    QByteArray huge = good;
    huge[markerSize + 3] = '\x7F';
    EXPECT_FALSE(VersionBlock::Find(huge + QByteArray(1000, '\0')));
}

TEST(VersionBlockParse, EntriesThatOverrunTheirPayloadAreNoBlock) {
    const QByteArray payloads[] = {
        QByteArray("\x05\x00"
                   "ab",
                   4), // path longer than the payload
        QByteArray("\x01\x00"
                   "a"
                   "\x09\x00"
                   "xy",
                   7), // value longer than the payload
        QByteArray("\x01\x00"
                   "a"
                   "\x00",
                   4), // value length cut in half
        QByteArray("\x00\x00"
                   "\x00\x00",
                   4),         // an entry without a path
        QByteArray("\x01", 1), // path length cut in half
    };
    for (const QByteArray& payload : payloads) {
        SCOPED_TRACE(payload.toHex().toStdString());
        // Followed by more bytes, which the entries must not reach into.
        EXPECT_FALSE(VersionBlock::Find(Wrap(payload) + QByteArray(64, '\x01')));
    }
    EXPECT_TRUE(VersionBlock::Find(Wrap(QByteArray("\x01\x00"
                                                   "a"
                                                   "\x02\x00"
                                                   "xy",
                                                   7))));
}

TEST(VersionBlockParse, ABrokenMarkerBeforeAWholeBlockIsSkipped) {
    const QByteArray good = MakeBlock({{"\\VarFileInfo\\Translation", kRussian}});
    const QByteArray broken = VersionBlock::Marker() + QByteArray("\xFF\xFF\xFF\xFF", 4);
    const auto block = VersionBlock::Find(broken + good);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->Query(QStringLiteral("\\VarFileInfo\\Translation")), kRussian);
}

// The properties go through the virtual reader, so a derived reader can supply the strings.
class FixedVersion : public VersionInfo {
public:
    FixedVersion() : VersionInfo(QString()) {}
    QString GetVersionString(VersionField kind) const override {
        return kind == VersionField::LegalTradeMark ? QStringLiteral("TM") : QString();
    }
};

TEST(VersionInfo, PropertiesAskTheVirtualReader) {
    FixedVersion info;
    EXPECT_EQ(info.LegalTradeMark(), QStringLiteral("TM"));
    EXPECT_EQ(info.property("LegalTradeMark").toString(), QStringLiteral("TM"));
    EXPECT_EQ(VersionKeyName(VersionField::LegalTradeMark), QStringLiteral("LegalTrademarks"));
    EXPECT_EQ(VersionKeyName(VersionField::OriginalFileName), QStringLiteral("OriginalFilename"));
}

} // namespace
