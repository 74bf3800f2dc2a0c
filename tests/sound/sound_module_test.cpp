#include "platform/resources.h"
#include "sound/cue.h"
#include "sound/sound_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Two bundles built with the tests: A holds sound 605, B holds sound 606.
const QString kBundleA = QStringLiteral(MARBIX_TEST_MODULE_A);
const QString kBundleB = QStringLiteral(MARBIX_TEST_MODULE_B);

// A scratch tree with an executable folder, a user data folder and two system
// data folders, which the XDG variables point at while the fixture lives.
class SoundModule : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_root.isValid());
        m_savedHome = qgetenv("XDG_DATA_HOME");
        m_savedDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_HOME", Dir("home").toUtf8());
        qputenv("XDG_DATA_DIRS", (Dir("sys1") + ':' + Dir("sys2")).toUtf8());
    }
    void TearDown() override {
        qputenv("XDG_DATA_HOME", m_savedHome);
        qputenv("XDG_DATA_DIRS", m_savedDirs);
        g_soundModule = nullptr;
    }

    QString Dir(const QString& name) const { return m_root.filePath(name); }
    QString ModuleIn(const QString& dataDir) const {
        return Dir(dataDir) + QStringLiteral("/marbix/MarbixX.rcc");
    }
    QString ModuleBesideExe() const { return Dir("exe") + QStringLiteral("/MarbixX.rcc"); }

    static void Place(const QString& bundle, const QString& path) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(bundle, path)) << qPrintable(path);
    }
    static void PlaceJunk(const QString& path) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is no bundle of sounds");
    }
    const void* Load() { return LoadSoundModuleFrom(SoundModuleCandidates(Dir("exe"))); }

    QTemporaryDir m_root;
    QByteArray m_savedHome, m_savedDirs;
};

TEST_F(SoundModule, TakesTheFirstUsableBundleInSearchOrder) {
    EXPECT_EQ(SoundModuleCandidates(Dir("exe")),
              (QStringList{ModuleBesideExe(), ModuleIn("home"), ModuleIn("sys1"), ModuleIn("sys2"),
                           QDir::cleanPath(Dir("exe") + "/../share/marbix/MarbixX.rcc")}));
    Place(kBundleA, ModuleIn("sys2"));
    EXPECT_NE(Load(), nullptr);
    EXPECT_EQ(SoundModulePath(), ModuleIn("sys2"));

    Place(kBundleB, ModuleIn("sys1"));
    EXPECT_NE(Load(), nullptr);
    EXPECT_EQ(SoundModulePath(), ModuleIn("sys1"));
    EXPECT_FALSE(LoadWave(606, true).isEmpty());

    // A broken copy in the user's folder is passed over.
    PlaceJunk(ModuleIn("home"));
    EXPECT_NE(Load(), nullptr);
    EXPECT_EQ(SoundModulePath(), ModuleIn("sys1"));

    Place(kBundleA, ModuleBesideExe());
    EXPECT_EQ(Load(), g_soundModule);
    EXPECT_NE(g_soundModule, nullptr);
    EXPECT_EQ(SoundModulePath(), ModuleBesideExe());
    EXPECT_FALSE(LoadWave(605, true).isEmpty());
}

TEST_F(SoundModule, StaysUnloadedWithoutAUsableBundle) {
    int stale = 0;
    g_soundModule = &stale;
    EXPECT_EQ(Load(), nullptr);
    EXPECT_EQ(g_soundModule, nullptr);
    EXPECT_TRUE(SoundModulePath().isEmpty());

    PlaceJunk(ModuleBesideExe());
    PlaceJunk(ModuleIn("sys1"));
    ASSERT_TRUE(QDir().mkpath(ModuleIn("sys2"))); // a folder by the module's name
    EXPECT_EQ(Load(), nullptr);
    EXPECT_EQ(g_soundModule, nullptr);
}

TEST_F(SoundModule, StartUpLoadingReadsTheDataDirectories) {
    Place(kBundleB, ModuleIn("home"));
    const QString besideExe =
        QCoreApplication::applicationDirPath() + QStringLiteral("/MarbixX.rcc");
    if (QFile::exists(besideExe)) GTEST_SKIP() << "a module lies beside the test program";
    EXPECT_NE(LoadSoundModule(), nullptr);
    EXPECT_EQ(SoundModulePath(), ModuleIn("home"));
}

} // namespace
