// Pictures and sounds looked up by identifier.
#include "platform/resources.h"
#include "sound/sound_module.h"

#include <QFile>
#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

QByteArray FileBytes(const QString& relative) {
    QFile file(QStringLiteral(MARBIX_RES_DIR "/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(PictureLookup, FindsEveryPictureByItsIdentifierAndNoOther) {
    std::vector<int> ids = {128, 132, 171, 176, 179, 182, 183};
    for (int i = 0; i < 32; ++i) ids.push_back(400 + i), ids.push_back(500 + i);
    for (int id : ids) {
        const QImage picture = LoadPicture(id);
        ASSERT_FALSE(picture.isNull()) << id;
        EXPECT_EQ(picture, QImage(QStringLiteral(MARBIX_RES_DIR "/bmp/%1.png").arg(id))) << id;
        // Drawn for double density, the same size in the layout.
        const QImage twice = LoadPicture(id, 2);
        EXPECT_EQ(std::tuple(twice, twice.deviceIndependentSize()),
                  std::tuple(QImage(QStringLiteral(MARBIX_RES_DIR "/bmp/%1@2x.png").arg(id)),
                             QSizeF(picture.size())))
            << id;
    }
    for (int id : {-1, 0, 1, 129, 399, 432, 499, 532, 600, 136, 100000})
        EXPECT_TRUE(LoadPicture(id).isNull()) << id;
}

TEST(WaveLookup, ProgramSoundsComeFromTheProgram) {
    for (unsigned id : {136u, 137u, 138u, 140u, 141u, 147u, 149u, 150u, 151u, 153u, 154u, 175u}) {
        EXPECT_FALSE(LoadWave(id, false).isEmpty()) << id;
        EXPECT_EQ(LoadWave(id, false), FileBytes(QStringLiteral("wave/%1.wav").arg(id))) << id;
    }
    // A cue is named by its identifier's low 16 bits.
    EXPECT_EQ(LoadWave(136u + 65536u, false), LoadWave(136, false));
    for (unsigned id : {0u, 135u, 139u, 176u, 605u, 623u, 65535u})
        EXPECT_TRUE(LoadWave(id, false).isEmpty()) << id;
}

TEST(WaveLookup, ModuleSoundsOnlyWhileAModuleIsLoaded) {
    EXPECT_TRUE(LoadWave(605, true).isEmpty());
    QTemporaryFile junk;
    ASSERT_TRUE(junk.open());
    junk.write("not a sound module, just some words");
    junk.close();
    EXPECT_EQ(LoadSoundModuleFrom({"", "/nonexistent/MarbixX.snd", junk.fileName().toStdString()}),
              nullptr);
    EXPECT_TRUE(LoadWave(623, true).isEmpty());
    ASSERT_NE(LoadSoundModuleFrom({junk.fileName().toStdString(), MARBIX_MODULE_FILE}), nullptr);
    EXPECT_EQ(SoundModulePath(), MARBIX_MODULE_FILE);
    for (unsigned id = 605; id < 632; ++id) {
        const bool sound = id % 4 != 0; // kinds 1 to 3 of colours 1 to 7
        EXPECT_EQ(LoadWave(id, true),
                  sound ? FileBytes(QStringLiteral("module/%1.wav").arg(id)) : QByteArray())
            << id;
        EXPECT_EQ(LoadWave(id, true).isEmpty(), !sound) << id;
        EXPECT_TRUE(LoadWave(id, false).isEmpty()) << id;
    }
    for (unsigned id : {600u, 632u, 136u}) EXPECT_TRUE(LoadWave(id, true).isEmpty()) << id;
    EXPECT_EQ(LoadSoundModuleFrom({junk.fileName().toStdString()}), nullptr);
    EXPECT_TRUE(LoadWave(623, true).isEmpty());
}
