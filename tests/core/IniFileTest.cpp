#include "CoreTest.h"

#include "core/Cp1251.h"
#include "core/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <tuple>

namespace {

struct LoadCase {
    const char* name;
    QString file;  // "\n" stands for CR LF
    QString saved; // what the first change writes, after setting [S] K=v
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class IniLoadSave : public CoreTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(IniLoadSave, FirstChangeRewritesInSavingFormat) {
    const LoadCase& c = GetParam();
    WriteFile(QStringLiteral("x.ini"), Cp1251Lines(c.file));
    IniFile ini(PathOf(QStringLiteral("x.ini")));
    ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    EXPECT_EQ(ReadFile(QStringLiteral("x.ini")), Cp1251Lines(c.saved)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniLoadSave,
    ::testing::Values(
        LoadCase{"empty", QString(), QStringLiteral("[S]\nK=v\n\n")},
        LoadCase{"comments, blanks and stray lines go",
                 QStringLiteral("stray=1\n; comment\n\n[A]\n  x = 1  \n;c\ny\n\n\n[S]\nK=old\n"),
                 QStringLiteral("[A]\nx=1\ny\n\n[S]\nK=v\n\n")},
        LoadCase{"names ignore case, Cyrillic too",
                 QStringLiteral("[Раздел]\nКлюч=1\n[s]\nk=old\n"),
                 QStringLiteral("[Раздел]\nКлюч=1\n\n[s]\nK=v\n\n")},
        LoadCase{"last duplicate section wins", QStringLiteral("[S]\nK=1\n[T]\n[S]\nK=2\n"),
                 QStringLiteral("[S]\nK=1\n\n[T]\n\n[S]\nK=v\n\n")},
        LoadCase{"last duplicate key wins", QStringLiteral("[S]\nK=1\nK=2\n"),
                 QStringLiteral("[S]\nK=1\nK=v\n\n")},
        LoadCase{"lone CR and LF end lines", QStringLiteral("[A]\rx=1\ny=2\r"),
                 QStringLiteral("[A]\nx=1\ny=2\n\n[S]\nK=v\n\n")},
        LoadCase{"section name trimmed", QStringLiteral("[  S  ]\nK=1\n"),
                 QStringLiteral("[S]\nK=v\n\n")},
        // Sections saved exactly so are written back from their loaded bytes; anything that only
        // looks saved must still come out in the saving format.
        LoadCase{"saved sections stay as they are",
                 QStringLiteral("[A]\nx=1\n\n[B]\nplain\n\n[S]\nK=old\n\n"),
                 QStringLiteral("[A]\nx=1\n\n[B]\nplain\n\n[S]\nK=v\n\n")},
        LoadCase{"blanks around names, values and headers",
                 QStringLiteral("[A]\nx =1\n\n[B]\ny= 2\n\n[C] \nz=3\n\n[D]\n w=4\n \n"),
                 QStringLiteral("[A]\nx=1\n\n[B]\ny=2\n\n[C]\nz=3\n\n[D]\nw=4\n\n[S]\nK=v\n\n")},
        LoadCase{"empty or comment lines inside a section",
                 QStringLiteral("[A]\nx=1\n\ny=2\n\n[B]\nz=3\n;c\n\n[C]\nw=4\n\n\n"),
                 QStringLiteral("[A]\nx=1\ny=2\n\n[B]\nz=3\n\n[C]\nw=4\n\n[S]\nK=v\n\n")},
        LoadCase{"line ends other than CR LF",
                 QStringLiteral("[A]\r\r\nx=1\n\n[B]\ny=2\n\r[C]\nz=3\n\r"),
                 QStringLiteral("[A]\nx=1\n\n[B]\ny=2\n\n[C]\nz=3\n\n[S]\nK=v\n\n")}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

class IniFileTest : public CoreTest {};

TEST_F(IniFileTest, TypedReadsFollowTheValueRules) {
    WriteFile(QStringLiteral("x.ini"),
              Cp1251Lines(QStringLiteral("[S]\nKey = Value\nHex=0x1F\nNeg=-16777201\nBad=abc\n"
                                         "Two=2\nBig=99999999999\nColor=0xFF00000F\nX0=0x\n"
                                         "Blank=\nHexBad=0xZZ\nHexLong=0x123456789\n")));
    IniFile ini(PathOf(QStringLiteral("x.ini")));
    const QString s = QStringLiteral("S");
    EXPECT_EQ(ini.ReadString(s, QStringLiteral("key"), {}), QStringLiteral("Value"));
    EXPECT_EQ(ini.ReadString(s, QStringLiteral("missing"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("none"), QStringLiteral("Key"), QStringLiteral("d")),
              QStringLiteral("d"));
    const std::pair<const char*, int> ints[] = {
        {"Hex", 31},   {"Neg", -16777201},   {"Bad", 7},    {"Two", 2},
        {"Big", 7},    {"Color", -16777201}, {"X0", 7},     {"Blank", 7},
        {"HexBad", 7}, {"HexLong", 7},       {"Missing", 7}};
    for (const auto& [key, want] : ints)
        EXPECT_EQ(ini.ReadInteger(s, QString::fromLatin1(key), 7), want) << key;
    EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("Two"), false));
    EXPECT_FALSE(ini.ReadBool(s, QStringLiteral("Bad"), false));
    EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("Bad"), true));
}

// A section the program saved is read straight from its bytes until it is needed whole; both
// ways must answer alike.
TEST_F(IniFileTest, ReadsFromSavedBytesMatchTheDecodedLines) {
    WriteFile(QStringLiteral("x.ini"),
              Cp1251Lines(QStringLiteral("[S]\nKey=1\nkey=2\nПуть=Ж\nplain\nx=y=z\n=v\n\n")));
    IniFile lazy(PathOf(QStringLiteral("x.ini")));
    IniFile whole(PathOf(QStringLiteral("x.ini")));
    QStringList lines;
    whole.ReadSectionValues(QStringLiteral("s"), lines);
    EXPECT_EQ(lines.size(), 6);
    for (const char* name : {"KEY", "путь", "plain", "x", "x=y", "", "missing"}) {
        SCOPED_TRACE(name);
        const QString n = QString::fromUtf8(name);
        EXPECT_EQ(lazy.ReadString(QStringLiteral("S"), n, QStringLiteral("d")),
                  whole.ReadString(QStringLiteral("S"), n, QStringLiteral("d")));
        EXPECT_EQ(lazy.ValueExists(QStringLiteral("S"), n),
                  whole.ValueExists(QStringLiteral("S"), n));
    }
    const QStringList names = {QStringLiteral("x"), QStringLiteral("missing"),
                               QStringLiteral("KEY")};
    EXPECT_EQ(lazy.ReadStrings(QStringLiteral("S"), names),
              (QStringList{QStringLiteral("y=z"), QString(), QStringLiteral("2")}));
    EXPECT_EQ(lazy.ReadStrings(QStringLiteral("S"), names),
              whole.ReadStrings(QStringLiteral("S"), names));
    EXPECT_EQ(lazy.ReadString(QStringLiteral("S"), QStringLiteral("key"), {}), QStringLiteral("2"));
    EXPECT_EQ(lazy.ToText(), whole.ToText());
    // Section names are found with letter case ignored, Cyrillic included; the last copy wins.
    WriteFile(QStringLiteral("y.ini"),
              Cp1251Lines(QStringLiteral("[Раздел]\nk=1\n\n[{AB-C}]\nk=2\n\n[раздел]\nk=3\n\n")));
    IniFile named(PathOf(QStringLiteral("y.ini")));
    EXPECT_EQ(named.ReadString(QStringLiteral("РАЗДЕЛ"), QStringLiteral("k"), {}),
              QStringLiteral("3"));
    EXPECT_EQ(named.ReadString(QStringLiteral("{ab-c}"), QStringLiteral("k"), {}),
              QStringLiteral("2"));
    EXPECT_FALSE(named.SectionExists(QStringLiteral("Раздел ")));
}

// The values the load notes answer exactly as a search of the sections does, on any file: the
// last line of a name in any letter case, empty, long and missing values, copies of a section,
// sections that were not saved as the program saves, and a section changed since the load.
TEST_F(IniFileTest, IndexedReadsAnswerAsSearchingReads) {
    const QStringList names = {QStringLiteral("K"), QStringLiteral("Long"), QStringLiteral("e")};
    const QByteArray files[] = {
        Cp1251Lines(QStringLiteral("[S]\nK=1\nk=2\nLONG=x=y\ne=\n\n[T]\nKK=3\nK\nLong=") +
                    QString(300, QLatin1Char('x')) +
                    QStringLiteral("\n\n[U]\nK=Ж\n\n[u]\nlong=1\n\n")),
        "[A]\nK = 1\r\n[B]\r\nLong=\xC6\r\n;K=2\r\n\r\n\r\n[A]\rK=3\r\n\r\n",
        "stray=1\r\n[ S ]\r\n e = v \r\n\r\n[T]\r\nK=1\r\n\r\n[t]\r\nLong=2\r\n\r\n",
    };
    using Read = std::tuple<QString, bool, QStringList>;
    const auto viaIndex = [&names](const IniFile& ini) {
        std::vector<Read> out;
        ini.ReadIndexed(names, [&out](const IniFile::IndexedSection& s) {
            QStringList values;
            for (int k = 0; k < 3; ++k)
                values << (s.values[k].isNull() ? QString()
                                                : cp1251::decode(s.values[k].toByteArray()));
            out.emplace_back(s.name, s.repeated, values);
        });
        return out;
    };
    const auto viaSearch = [&names](const IniFile& ini) {
        std::vector<Read> out;
        QStringList sections, seen;
        ini.ReadSections(sections);
        for (const QString& name : sections) {
            out.emplace_back(name, seen.contains(name, Qt::CaseInsensitive),
                             ini.ReadStrings(name, names));
            seen << name;
        }
        return out;
    };
    for (const QByteArray& file : files) {
        SCOPED_TRACE(file.toStdString());
        WriteFile(QStringLiteral("x.ini"), file);
        IniFile indexed(PathOf(QStringLiteral("x.ini")), names);
        const IniFile plain(PathOf(QStringLiteral("x.ini")));
        EXPECT_EQ(viaIndex(indexed), viaSearch(plain));
        EXPECT_EQ(viaIndex(plain), viaSearch(plain));
        indexed.WriteString(QStringLiteral("T"), QStringLiteral("k"), QStringLiteral("new"));
        EXPECT_EQ(viaIndex(indexed), viaSearch(indexed));
    }
}

TEST_F(IniFileTest, WritesKeepOrderAndSpellingOfTheWriter) {
    IniFile ini(PathOf(QStringLiteral("x.ini")));
    ini.WriteInteger(QStringLiteral("B"), QStringLiteral("n"), -5);
    ini.WriteBool(QStringLiteral("A"), QStringLiteral("flag"), true);
    ini.WriteString(QStringLiteral("b"), QStringLiteral("N"), QStringLiteral("x=y"));
    ini.WriteString(QStringLiteral("B"), QStringLiteral("m"), QStringLiteral("Ёж"));
    EXPECT_EQ(ReadFile(QStringLiteral("x.ini")),
              Cp1251Lines(QStringLiteral("[B]\nN=x=y\nm=Ёж\n\n[A]\nflag=1\n\n")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("B"), QStringLiteral("n"), {}), QStringLiteral("x=y"));

    ini.DeleteKey(QStringLiteral("B"), QStringLiteral("N"));
    ini.EraseSection(QStringLiteral("a"));
    EXPECT_EQ(ReadFile(QStringLiteral("x.ini")), Cp1251Lines(QStringLiteral("[B]\nm=Ёж\n\n")));

    QStringList sections, values;
    ini.ReadSections(sections);
    ini.ReadSectionValues(QStringLiteral("b"), values);
    EXPECT_EQ(sections, QStringList{QStringLiteral("B")});
    EXPECT_EQ(values, QStringList{QStringLiteral("m=Ёж")});
    ini.ReadSectionValues(QStringLiteral("none"), values);
    EXPECT_TRUE(values.isEmpty());
}

TEST_F(IniFileTest, MissingFileIsEmptyAndNotCreatedUntilAChange) {
    IniFile ini(PathOf(QStringLiteral("Data/modules.ini")));
    QStringList sections;
    ini.ReadSections(sections);
    EXPECT_TRUE(sections.isEmpty());
    EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("Data/modules.ini"))));
}

TEST_F(IniFileTest, EraseOfDuplicateSectionRemovesEveryCopy) {
    WriteFile(QStringLiteral("x.ini"), Cp1251Lines(QStringLiteral("[S]\nK=1\n[S]\nK=2\n")));
    IniFile ini(PathOf(QStringLiteral("x.ini")));
    ini.EraseSection(QStringLiteral("s"));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("S")));
    EXPECT_EQ(ReadFile(QStringLiteral("x.ini")), QByteArray());
}

TEST_F(IniFileTest, AnyBytesLoadAndSurviveARewrite) {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    WriteFile(QStringLiteral("x.ini"), "[S]\r\nK=" + bytes.mid(33) + "\r\n");
    IniFile ini(PathOf(QStringLiteral("x.ini")));
    ini.WriteString(QStringLiteral("T"), QStringLiteral("a"), QStringLiteral("b"));
    const QByteArray after = ReadFile(QStringLiteral("x.ini"));
    EXPECT_TRUE(after.startsWith("[S]\r\nK=" + bytes.mid(33) + "\r\n\r\n"));

    // A long line and a binary blob with NUL bytes: loading never fails.
    QByteArray junk(300000, 'x');
    junk += QByteArray("\0\0[\0]\r\n=\r\n[", 12);
    WriteFile(QStringLiteral("y.ini"), junk);
    IniFile y(PathOf(QStringLiteral("y.ini")));
    QStringList sections;
    y.ReadSections(sections);
    EXPECT_LE(sections.size(), 1);
}

TEST_F(IniFileTest, TextTheCodePageCannotHoldIsRefusedAndTheNextChangeSaves) {
    // Each character in each place a write can put it: the refused change leaves memory and file
    // as they were, the message names the whole character, and the next clean change saves.
    const QString foreign[] = {QStringLiteral("ä"), QStringLiteral("қ"), QStringLiteral("☎"),
                               QStringLiteral("\U0001F600")};
    const QString s = QStringLiteral("S");
    for (const QString& c : foreign) {
        const std::tuple<QString, QString, QString> places[] = {
            {s, QStringLiteral("L"), QStringLiteral("a") + c},
            {s, c, QStringLiteral("v")},
            {QStringLiteral("T") + c, QStringLiteral("K"), QStringLiteral("v")}};
        for (const auto& [section, key, value] : places) {
            const QString file = QStringLiteral("x.ini");
            QFile::remove(PathOf(file));
            IniFile ini(PathOf(file));
            ini.WriteString(s, QStringLiteral("K"), QStringLiteral("ok"));
            try {
                ini.WriteString(section, key, value);
                ADD_FAILURE() << "expected a refused save";
            } catch (const SaveError& e) {
                EXPECT_EQ(e.path(), PathOf(file));
                EXPECT_TRUE(e.userMessage().contains(QStringLiteral("'") + c + QStringLiteral("'")))
                    << e.userMessage().toStdString();
                EXPECT_TRUE(e.userMessage().contains(QStringLiteral("Изменение не сохранено.")));
            }
            EXPECT_EQ(ini.ToText(), QStringLiteral("[S]\r\nK=ok\r\n\r\n"));
            ini.WriteString(s, QStringLiteral("N"), QStringLiteral("2"));
            EXPECT_EQ(ReadFile(file), Cp1251Lines(QStringLiteral("[S]\nK=ok\nN=2\n\n")));
        }
    }
}

TEST_F(IniFileTest, FailedSaveKeepsChangeAndNextGoodSaveWritesEverything) {
    // The folder is replaced by a file, so no save can succeed whoever runs the test.
    const QString dir = PathOf(QStringLiteral("gone"));
    WriteFile(QStringLiteral("gone"), "not a folder");
    IniFile ini(dir + QStringLiteral("/settings.ini"));
    EXPECT_THROW(ini.WriteString(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("1")),
                 SaveError);
    EXPECT_THROW(ini.WriteString(QStringLiteral("S"), QStringLiteral("B"), QStringLiteral("2")),
                 SaveError);
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("A"), {}), QStringLiteral("1"));

    ASSERT_TRUE(QFile::remove(dir));
    ASSERT_TRUE(QDir().mkpath(dir));
    ini.WriteString(QStringLiteral("S"), QStringLiteral("C"), QStringLiteral("3"));
    QFile f(dir + QStringLiteral("/settings.ini"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), Cp1251Lines(QStringLiteral("[S]\nA=1\nB=2\nC=3\n\n")));
}

// A save replaces the content, not what the user made of the file: a link stays a link to the
// same file, the old file's permissions stay, a new file follows the umask, and nothing is left
// beside it.
TEST_F(IniFileTest, SavesKeepLinksAndPermissionsAndLeaveNothingBeside) {
    const auto mode = [this](const char* name) {
        struct stat st {};
        ::stat(QFile::encodeName(PathOf(QLatin1String(name))).constData(), &st);
        return st.st_mode & 0777;
    };
    const QString link = PathOf(QStringLiteral("link.ini"));
    WriteFile(QStringLiteral("real.ini"), "[S]\r\nA=1\r\n\r\n");
    ::chmod(QFile::encodeName(PathOf(QStringLiteral("real.ini"))).constData(), 0600);
    ASSERT_TRUE(QFile::link(PathOf(QStringLiteral("real.ini")), link));
    IniFile(link).WriteString(QStringLiteral("S"), QStringLiteral("B"), QStringLiteral("2"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadFile(QStringLiteral("real.ini")), "[S]\r\nA=1\r\nB=2\r\n\r\n");
    EXPECT_EQ(mode("real.ini"), 0600u);

    const mode_t before = ::umask(027);
    IniFile(PathOf(QStringLiteral("new.ini")))
        .WriteString(QStringLiteral("S"), QStringLiteral("A"), QStringLiteral("1"));
    ::umask(before);
    EXPECT_EQ(mode("new.ini"), 0640u);
    EXPECT_EQ(QDir(Dir()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
              (QStringList{QStringLiteral("link.ini"), QStringLiteral("new.ini"),
                           QStringLiteral("real.ini")}));
}

TEST(Cp1251, EveryByteRoundTripsAndLettersMapToUnicode) {
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    const QString text = cp1251::decode(all);
    QByteArray back;
    ASSERT_TRUE(cp1251::encode(text, &back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(cp1251::decode(QByteArray("\xC0\xFF\xA8\xB8\xB9")), QStringLiteral("АяЁё№"));
    QString bad;
    EXPECT_FALSE(cp1251::canEncode(QStringLiteral("aЖ€✓"), &bad));
    EXPECT_EQ(bad, QStringLiteral("✓"));
    EXPECT_FALSE(cp1251::canEncode(QStringLiteral("a\U0001F600"), &bad));
    EXPECT_EQ(bad, QStringLiteral("\U0001F600"));
}

TEST(Cp1251, StorableTextReplacesOrDropsWholeCharacters) {
    const struct {
        QString in;
        QChar replacement;
        QString out;
    } cases[] = {
        {QStringLiteral("Ёж №5"), QLatin1Char('?'), QStringLiteral("Ёж №5")},
        {QStringLiteral("Müller қ☎"), QLatin1Char('?'), QStringLiteral("M?ller ??")},
        {QStringLiteral("a\U0001F600b"), QLatin1Char('?'), QStringLiteral("a?b")},
        {QStringLiteral("a\U0001F600bä"), QChar(), QStringLiteral("ab")},
        // A lone half of a pair is no character either.
        {QString(QChar(0xD83D)) + QStringLiteral("x"), QLatin1Char('?'), QStringLiteral("?x")},
    };
    for (const auto& c : cases) {
        bool changed = true;
        EXPECT_EQ(cp1251::storable(c.in, c.replacement, &changed), c.out);
        EXPECT_EQ(changed, c.in != c.out);
    }
}

} // namespace
