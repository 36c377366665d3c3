#include "CoreTest.h"

#include "core/CommaText.h"
#include "core/Cp1251.h"
#include "core/ModuleStore.h"
#include "core/Stores.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

const QString kModulesFile = QStringLiteral("Data/modules.ini");

class ModuleStoreTest : public CoreTest {};

QStringList idsOf(const ModuleList& modules) {
    QStringList ids;
    for (const Module& m : modules)
        ids.append(m.Id);
    return ids;
}

TEST_F(ModuleStoreTest, MissingOrEmptyFileHoldsOnlyThePhoneNumbers) {
    EXPECT_EQ(LoadModuleIds(ModulesIni()), QStringList{PhoneNumsId});
    EXPECT_TRUE(LoadAllModules(ModulesIni()).empty());
    WriteFile(kModulesFile, QByteArray());
    EXPECT_EQ(LoadModuleIds(ModulesIni()), QStringList{PhoneNumsId});
    EXPECT_EQ(ModuleDisplayName(ModulesIni(), PhoneNumsId), QStringLiteral("Телефонные номера"));

    const Module m = ReadTestModule(ModulesIni(), QStringLiteral("Нет такого"));
    EXPECT_EQ(m.Id, QStringLiteral("Нет такого"));
    EXPECT_FALSE(m.Standart);
    EXPECT_EQ(m.Name, QStringLiteral("Name"));
    EXPECT_TRUE(m.Data.isEmpty());
}

TEST_F(ModuleStoreTest, MissingKeysTakeDefaultsAndStandartReadsAsAnInteger) {
    WriteFile(kModulesFile, Cp1251Lines(QStringLiteral("[hex]\nStandart=0x1\nName=Шестнадцать\n"
                                                       "[hex0]\nStandart=0x0\n"
                                                       "[two]\nStandart=2\n"
                                                       "[word]\nStandart=да\n"
                                                       "[bare]\n"
                                                       "[data]\nData=two words,third\n")));
    const std::vector<std::pair<QString, bool>> standart = {
        {QStringLiteral("hex"), true},   {QStringLiteral("hex0"), false},
        {QStringLiteral("two"), true},   {QStringLiteral("word"), false},
        {QStringLiteral("bare"), false},
    };
    for (const auto& [id, expected] : standart)
        EXPECT_EQ(ReadTestModule(ModulesIni(), id).Standart, expected) << id.toStdString();
    EXPECT_EQ(ReadTestModule(ModulesIni(), QStringLiteral("hex")).Name,
              QStringLiteral("Шестнадцать"));
    EXPECT_EQ(ModuleDisplayName(ModulesIni(), QStringLiteral("bare")), QStringLiteral("Name"));
    EXPECT_EQ(
        ModuleItems(ReadTestModule(ModulesIni(), QStringLiteral("data"))),
        (QStringList{QStringLiteral("two"), QStringLiteral("words"), QStringLiteral("third")}));
    EXPECT_EQ(LoadModuleIds(ModulesIni()).last(), PhoneNumsId);
    EXPECT_EQ(LoadModuleIds(ModulesIni()).first(), QStringLiteral("hex"));
}

TEST_F(ModuleStoreTest, AllModulesAreSortedByIdIgnoringCase) {
    WriteFile(kModulesFile, Cp1251Lines(QStringLiteral("[b]\n[Б]\n[C]\n[а]\n[A]\n[в]\n[d]\n")));
    const QStringList ids = idsOf(LoadAllModules(ModulesIni()));
    ASSERT_EQ(ids.size(), 7);
    const auto before = [&](const char16_t* a, const char16_t* b) {
        return ids.indexOf(QString::fromUtf16(a)) < ids.indexOf(QString::fromUtf16(b));
    };
    EXPECT_TRUE(before(u"A", u"b"));
    EXPECT_TRUE(before(u"b", u"C"));
    EXPECT_TRUE(before(u"C", u"d"));
    EXPECT_TRUE(before(u"а", u"Б"));
    EXPECT_TRUE(before(u"Б", u"в"));
    EXPECT_EQ(LoadAllModules(ModulesIni())[0].Name, QStringLiteral("Name"));
}

TEST_F(ModuleStoreTest, ReplacingLeavesExactlyTheArrayWithItsThreeKeys) {
    WriteFile(kModulesFile, Cp1251Lines(QStringLiteral(
                                "; a comment\n[old]\nName=Старый\nExtra=1\n"
                                "[keep]\nStandart=1\nName=Остаётся\nData=1,2\nColor=5\n")));
    ModuleList modules = LoadAllModules(ModulesIni());
    ASSERT_EQ(idsOf(modules), (QStringList{QStringLiteral("keep"), QStringLiteral("old")}));
    modules.erase(modules.begin() + 1);
    modules.push_back(
        Module{QStringLiteral("{0A}"), false, QStringLiteral("Новый"),
               CommaText::Write({QStringLiteral("синий кит"), QStringLiteral("ёж")})});
    ReplaceAllModules(ModulesIni(), modules);
    const QByteArray expected = Cp1251Lines(QStringLiteral("[keep]\nStandart=1\nName=Остаётся\n"
                                                           "Data=1,2\n\n"
                                                           "[{0A}]\nStandart=0\nName=Новый\n"
                                                           "Data=\"синий кит\",ёж\n\n"));
    EXPECT_EQ(ReadFile(kModulesFile), expected);
    ReopenStores();
    EXPECT_EQ(LoadModuleIds(ModulesIni()),
              (QStringList{QStringLiteral("keep"), QStringLiteral("{0A}"), PhoneNumsId}));

    ReplaceAllModules(ModulesIni(), {});
    EXPECT_TRUE(ReadFile(kModulesFile).isEmpty());
    EXPECT_EQ(LoadModuleIds(ModulesIni()), QStringList{PhoneNumsId});
}

TEST_F(ModuleStoreTest, ReplacingKeepsNamesAsEnteredAndMergesIdsThatDifferInCase) {
    // Two hand-edited sections whose ids differ only in case are one section to the store.
    const ModuleList modules = {
        Module{QStringLiteral("mod"), false, QStringLiteral(" Мой "), QStringLiteral("1")},
        Module{QStringLiteral("other"), false, QStringLiteral("Другой"), QString()},
        Module{QStringLiteral("MOD"), true, QStringLiteral("Второй"), QStringLiteral("2")},
    };
    ReplaceAllModules(ModulesIni(), modules);
    EXPECT_EQ(LoadModuleIds(ModulesIni()),
              (QStringList{QStringLiteral("mod"), QStringLiteral("other"), PhoneNumsId}));
    const Module merged = ReadTestModule(ModulesIni(), QStringLiteral("mod"));
    EXPECT_EQ(merged.Name, QStringLiteral("Второй"));
    EXPECT_TRUE(merged.Standart);
    EXPECT_EQ(merged.Data, QStringLiteral("2"));

    ReplaceAllModules(ModulesIni(), {modules[0]});
    EXPECT_EQ(ReadTestModule(ModulesIni(), QStringLiteral("mod")).Name, QStringLiteral(" Мой "));
    EXPECT_EQ(ReadFile(kModulesFile),
              Cp1251Lines(QStringLiteral("[mod]\nStandart=0\nName= Мой \nData=1\n\n")));
}

TEST_F(ModuleStoreTest, FailedReplaceLeavesStoreAndFileAsTheyWere) {
    WriteFile(kModulesFile, Cp1251Lines(QStringLiteral("[a]\nStandart=1\nName=А\nData=1\n\n")));
    const QByteArray before = ReadFile(kModulesFile);
    ModuleList modules = LoadAllModules(ModulesIni());
    modules[0].Name = QStringLiteral("Имя с 漢");
    modules.push_back(Module{QStringLiteral("b"), false, QStringLiteral("Б"), QString()});
    EXPECT_THROW(ReplaceAllModules(ModulesIni(), modules), SaveError);
    EXPECT_EQ(ReadFile(kModulesFile), before);
    EXPECT_EQ(LoadModuleIds(ModulesIni()), (QStringList{QStringLiteral("a"), PhoneNumsId}));
    EXPECT_EQ(ReadTestModule(ModulesIni(), QStringLiteral("a")).Name, QStringLiteral("А"));

    // A folder where the file should be makes the save itself fail.
    QFile::remove(PathOf(kModulesFile));
    ASSERT_TRUE(QDir().mkpath(PathOf(kModulesFile)));
    modules[0].Name = QStringLiteral("Другое");
    EXPECT_THROW(ReplaceAllModules(ModulesIni(), modules), SaveError);
    EXPECT_EQ(ReadTestModule(ModulesIni(), QStringLiteral("a")).Name, QStringLiteral("А"));
}

TEST_F(ModuleStoreTest, FirstSaveMakesAMissingDataFolder) {
    ASSERT_FALSE(QDir(PathOf(QStringLiteral("Data"))).exists());
    ReplaceAllModules(ModulesIni(),
                      {Module{QStringLiteral("m"), false, QStringLiteral("М"), QString()}});
    EXPECT_EQ(ReadFile(kModulesFile),
              Cp1251Lines(QStringLiteral("[m]\nStandart=0\nName=М\nData=\n\n")));
}

TEST_F(ModuleStoreTest, LineBreaksInAValueCannotSplitTheSection) {
    ReplaceAllModules(ModulesIni(), {Module{QStringLiteral("m"), false,
                                            QStringLiteral("два\r\n[x]"), QString()}});
    ReopenStores();
    EXPECT_EQ(LoadModuleIds(ModulesIni()), (QStringList{QStringLiteral("m"), PhoneNumsId}));
    EXPECT_EQ(ReadTestModule(ModulesIni(), QStringLiteral("m")).Name, QStringLiteral("два  [x]"));
}

TEST_F(ModuleStoreTest, NewIdsAreFreshGuidsInRegistryForm) {
    const QString a = NewModuleId();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-"
                                          "[0-9A-F]{12}\\}$"))
            .match(a)
            .hasMatch())
        << a.toStdString();
    EXPECT_NE(a, NewModuleId());
}

TEST_F(ModuleStoreTest, ShippedFileHoldsTheStandardModulesInSavingFormat) {
    InstallShippedData();
    const QByteArray bytes = ReadFile(kModulesFile);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count("\r"), bytes.count("\r\n"));

    QStringList twoDigits, threeDigits;
    for (int i = 0; i < 100; ++i)
        twoDigits.append(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    for (int i = 0; i < 1000; ++i)
        threeDigits.append(QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')));
    const Module m1 = ReadTestModule(ModulesIni(), StandardModule2Digits);
    const Module m2 = ReadTestModule(ModulesIni(), StandardModule3Digits);
    EXPECT_EQ(ModuleItems(m1), twoDigits);
    EXPECT_EQ(ModuleItems(m2), threeDigits);
    EXPECT_EQ(m1.Name, QStringLiteral("Двухзначные числа (00-99)"));
    EXPECT_EQ(m2.Name, QStringLiteral("Трехзначные числа (000-999)"));

    const ModuleList all = LoadAllModules(ModulesIni());
    ASSERT_GE(all.size(), 3u);
    for (const Module& m : all) {
        EXPECT_TRUE(m.Standart) << m.Id.toStdString();
        const QStringList items = ModuleItems(m);
        EXPECT_GE(items.size(), 100) << m.Id.toStdString();
        EXPECT_EQ(items.size(), QSet<QString>(items.begin(), items.end()).size())
            << "repeated items in " << m.Id.toStdString();
    }
    // Saving what was loaded gives the same bytes: the file is in the saving format.
    ReplaceAllModules(ModulesIni(), all);
    EXPECT_EQ(ReadFile(kModulesFile), bytes);
}

} // namespace
