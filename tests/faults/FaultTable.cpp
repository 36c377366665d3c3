// Every save and load the program makes, with each of its C library calls failing in turn, for
// each errno of the table. Runs with the fault library in LD_PRELOAD. After every run: the file is
// byte for byte the old one or the new one; the save said it worked exactly when the new one is in
// place and none of its calls failed for good (a failure reported after the rename is the one
// allowed difference), and a call that failed with EINTR was retried; memory holds the change
// exactly when the save worked or said it kept it, and always when the file holds it; after the
// next save without a fault memory and disk agree. Prints the table; exits 1 on any damaged file
// or untrue report.
#include "core/History.h"
#include "core/IniFile.h"
#include "core/ModuleStore.h"
#include "core/ModuleTextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <functional>

namespace {

void (*arm)(long failAt, int error);
long (*disarm)();
const char* (*callName)(long n);

// The file's bytes, with every GUID section name made one: a saved exam gets a fresh one each time.
QByteArray Read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    static const QRegularExpression guid(QStringLiteral("\\{[0-9A-F-]{36}\\}"));
    return QString::fromLatin1(f.readAll()).replace(guid, QStringLiteral("{GUID}")).toLatin1();
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

const QString kSettings = QStringLiteral("ZorvikSettings");
const QByteArray kOld = "[ZorvikSettings]\r\nTestElValue=20\r\n\r\n"
                        "[{A}]\r\nExamDate=4675614456281388373\r\nExamResult=0\r\n\r\n"
                        "[{B}]\r\nExamDate=4675614456281388374\r\nExamResult=0\r\n\r\n"
                        "[M1]\r\nStandart=0\r\nName=\xD1\xEB\xEE\xE2\xE0\r\nData=a,b\r\n\r\n";

// A kind of save: the change it makes to a store loaded from kOld, and whether a store holds it.
// Loads and the text export have kinds of their own below.
struct Kind {
    const char* name;
    std::function<void(IniFile&)> change;
    std::function<bool(const IniFile&)> holds;
};

QStringList Sections(const IniFile& ini) {
    QStringList s;
    ini.ReadSections(s);
    return s;
}

const Kind kSaves[] = {
    {"settings change",
     [](IniFile& i) { i.WriteInteger(kSettings, QStringLiteral("TestElValue"), 42); },
     [](const IniFile& i) {
         return i.ReadInteger(kSettings, QStringLiteral("TestElValue"), 0) == 42;
     }},
    {"exam saved",
     [](IniFile& i) { SaveExamSection(i, {QStringLiteral("NumsCnt=5")}, 1.5, 39000.5); },
     [](const IniFile& i) { return Sections(i).size() == 5; }},
    {"exam deleted", [](IniFile& i) { i.EraseSection(QStringLiteral("{A}")); },
     [](const IniFile& i) { return !i.SectionExists(QStringLiteral("{A}")); }},
    {"clear all",
     [](IniFile& i) {
         i.EraseSections({QStringLiteral("{A}"), QStringLiteral("{B}")});
     },
     [](const IniFile& i) { return !i.SectionExists(QStringLiteral("{B}")); }},
    {"module editor OK",
     [](IniFile& i) {
         ReplaceAllModules(i, {{QStringLiteral("M1"), false, QStringLiteral("Новое"), {}}});
     },
     [](const IniFile& i) {
         return ReadTestModule(i, QStringLiteral("M1")).Name == QStringLiteral("Новое");
     }},
};

struct Row {
    std::string kind;
    long calls = 0, tried = 0, damaged = 0, falseSuccess = 0, wrongFailure = 0, disagree = 0;
};

// The errnos of the table; EINTR only where the answer is to try again.
std::vector<int> ErrnosFor(const char* call) {
    static const QByteArrayList retried = {"read",   "write", "writev", "open",
                                           "openat", "fsync", "close"};
    std::vector<int> e{EIO, ENOSPC, EDQUOT};
    if (retried.contains(QByteArray(call)))
        e.push_back(EINTR);
    return e;
}

// Runs fn once with no fault to count its calls, then once per call and errno with that call
// failing; check gets the call's number, its errno, whether fn said it worked, and the rename's
// number (0: none).
void EachFault(Row& row, const std::function<void()>& reset, const std::function<bool()>& fn,
               const std::function<void(long, int, bool, long)>& check) {
    reset();
    fn(); // once unarmed, so that no first-use work of a library is counted
    reset();
    arm(0, 0);
    fn();
    row.calls = disarm();
    long renameAt = 0;
    for (long c = 1; c <= row.calls; ++c)
        if (std::strncmp(callName(c), "rename", 6) == 0)
            renameAt = c;
    std::vector<std::string> names;
    for (long c = 1; c <= row.calls; ++c)
        names.emplace_back(callName(c));
    for (long c = 1; c <= row.calls; ++c) {
        for (const int error : ErrnosFor(names[static_cast<size_t>(c - 1)].c_str())) {
            ++row.tried;
            reset();
            arm(c, error);
            const bool ok = fn();
            disarm();
            check(c, error, ok, renameAt);
        }
    }
}

Row Saves(const Kind& kind, const QString& path) {
    Row row{kind.name};
    Put(path, kOld);
    std::unique_ptr<IniFile> ini;
    SaveError::Change change = SaveError::Change::Kept;
    const auto reset = [&] {
        Put(path, kOld);
        ini = std::make_unique<IniFile>(path);
    };
    const auto save = [&] {
        try {
            kind.change(*ini);
            return true;
        } catch (const SaveError& e) {
            change = e.change();
            return false;
        }
    };
    reset();
    save();
    const QByteArray next = Read(path);
    EachFault(row, reset, save, [&](long c, int error, bool ok, long renameAt) {
        const QByteArray file = Read(path);
        row.damaged += file != kOld && file != next;
        // Every call of a save matters: one that failed for good fails the save.
        row.falseSuccess += ok && (file != next || error != EINTR);
        row.wrongFailure += !ok && ((file == next && c < renameAt) || error == EINTR);
        // Memory holds the change exactly when the save worked or said it kept it, and always when
        // the file took it.
        const bool holds = kind.holds(*ini);
        bool agree =
            holds == (ok || change != SaveError::Change::Dropped) && (holds || file != next);
        try {
            ini->WriteInteger(kSettings, QStringLiteral("Probe"), static_cast<int>(c));
            agree = agree && IniFile(path).ToText() == ini->ToText();
        } catch (const SaveError&) {
            agree = false;
        }
        row.disagree += !agree;
    });
    return row;
}

Row Load(const QString& path) {
    Row row{"load " + QFileInfo(path).fileName().toStdString()};
    std::unique_ptr<IniFile> ini;
    const auto reset = [&] { Put(path, kOld); };
    const auto load = [&] {
        ini = std::make_unique<IniFile>(path);
        return ini->ReadError().isEmpty();
    };
    reset();
    const QString whole = IniFile(path).ToText();
    EachFault(row, reset, load, [&](long, int error, bool ok, long) {
        row.falseSuccess += ok && ini->ToText() != whole;
        row.wrongFailure += !ok && error == EINTR;
        // A file not read whole is never written over.
        try {
            ini->WriteInteger(kSettings, QStringLiteral("Probe"), 1);
            row.disagree += !ok;
        } catch (const SaveError&) {
            row.disagree += ok;
        }
        row.damaged += !ok && Read(path) != kOld;
    });
    return row;
}

Row Export(const QString& path) {
    Row row{"text export"};
    const QByteArray old = "old\r\ntext";
    const QString text = QStringLiteral("новый\nтекст");
    const auto reset = [&] { Put(path, old); };
    const auto write = [&] {
        QString reason;
        return ModuleTextFile::Write(path, text, &reason);
    };
    reset();
    write();
    const QByteArray next = Read(path);
    EachFault(row, reset, write, [&](long c, int error, bool ok, long renameAt) {
        const QByteArray file = Read(path);
        row.damaged += file != old && file != next;
        // Every call of a save matters: one that failed for good fails the save.
        row.falseSuccess += ok && (file != next || error != EINTR);
        row.wrongFailure += !ok && ((file == next && c < renameAt) || error == EINTR);
        row.disagree += !write() || Read(path) != next;
    });
    return row;
}

} // namespace

int main() {
    arm = reinterpret_cast<void (*)(long, int)>(dlsym(RTLD_DEFAULT, "zorvik_fault_arm"));
    disarm = reinterpret_cast<long (*)()>(dlsym(RTLD_DEFAULT, "zorvik_fault_disarm"));
    callName = reinterpret_cast<const char* (*)(long)>(dlsym(RTLD_DEFAULT, "zorvik_fault_call"));
    if (!arm || !disarm || !callName) {
        std::fprintf(stderr, "fault_table: run it with the fault library in LD_PRELOAD\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.ini"));
    std::vector<Row> rows;
    for (const Kind& kind : kSaves)
        rows.push_back(Saves(kind, path));
    rows.push_back(Export(dir.filePath(QStringLiteral("module.txt"))));
    for (const char* file : {"settings.ini", "result.ini", "modules.ini"})
        rows.push_back(Load(dir.filePath(QLatin1String(file))));
    std::printf("%-18s %6s %6s %8s %14s %14s %9s\n", "kind", "calls", "tried", "damaged",
                "false success", "wrong failure", "disagree");
    long bad = 0, tried = 0;
    for (const Row& r : rows) {
        std::printf("%-18s %6ld %6ld %8ld %14ld %14ld %9ld\n", r.kind.c_str(), r.calls, r.tried,
                    r.damaged, r.falseSuccess, r.wrongFailure, r.disagree);
        bad += r.damaged + r.falseSuccess + r.wrongFailure + r.disagree;
        tried += r.tried;
    }
    std::printf("%ld faults tried over %zu kinds; %ld went wrong\n", tried, rows.size(), bad);
    return bad == 0 && tried > 0 ? 0 : 1;
}
