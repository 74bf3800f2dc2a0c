// Pictures and sounds looked up by identifier.
#include "platform/resources.h"

#include <QFile>
#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

QByteArray FileBytes(const QString& relative) {
    QFile file(QStringLiteral(MARBIX_RES_DIR "/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(PictureLookup, FindsEveryPictureByItsIdentifier) {
    std::vector<int> ids = {128, 132, 171, 176, 179, 182, 183};
    for (int colour = 0; colour < 8; ++colour)
        for (int state = 0; state < 4; ++state)
            ids.push_back(400 + 4 * colour + state), ids.push_back(500 + 4 * colour + state);
    for (int id : ids) {
        const QImage picture = LoadPicture(id);
        ASSERT_FALSE(picture.isNull()) << id;
        EXPECT_EQ(picture, QImage(QStringLiteral(MARBIX_RES_DIR "/bmp/%1.png").arg(id))) << id;
    }
    EXPECT_EQ(LoadPicture(183).size(), QSize(347, 325));
}

TEST(PictureLookup, IdentifiersWithoutAPictureFail) {
    for (int id : {-1, 0, 1, 129, 399, 432, 499, 532, 600, 136, 100000})
        EXPECT_TRUE(LoadPicture(id).isNull()) << id;
}

TEST(WaveLookup, ProgramSoundsComeFromTheProgram) {
    for (unsigned id : {136u, 137u, 138u, 140u, 141u, 147u, 149u, 150u, 151u, 153u, 154u, 175u}) {
        const QByteArray wave = LoadWave(id, false);
        EXPECT_FALSE(wave.isEmpty()) << id;
        EXPECT_EQ(wave, FileBytes(QStringLiteral("wave/%1.wav").arg(id))) << id;
    }
    // A cue is named by its identifier's low 16 bits.
    EXPECT_EQ(LoadWave(136u + 65536u, false), LoadWave(136, false));
    for (unsigned id : {0u, 135u, 139u, 176u, 605u, 623u, 65535u})
        EXPECT_TRUE(LoadWave(id, false).isEmpty()) << id;
}

TEST(WaveLookup, ModuleSoundsOnlyOnceTheModuleIsRegistered) {
    EXPECT_TRUE(LoadWave(605, true).isEmpty());
    EXPECT_FALSE(RegisterSoundModule(QString()));
    EXPECT_FALSE(RegisterSoundModule(QStringLiteral("/nonexistent/MarbixX.rcc")));
    QTemporaryFile junk;
    ASSERT_TRUE(junk.open());
    junk.write("not a resource bundle, just some words");
    junk.close();
    EXPECT_FALSE(RegisterSoundModule(junk.fileName()));
    EXPECT_TRUE(LoadWave(623, true).isEmpty());

    ASSERT_TRUE(RegisterSoundModule(QStringLiteral(MARBIX_MODULE_FILE)));
    for (unsigned colour = 1; colour <= 7; ++colour) {
        for (unsigned kind = 1; kind <= 3; ++kind) {
            const unsigned id = 600 + 4 * colour + kind;
            EXPECT_EQ(LoadWave(id, true), FileBytes(QStringLiteral("module/%1.wav").arg(id))) << id;
            EXPECT_TRUE(LoadWave(id, false).isEmpty()) << id;
        }
    }
    for (unsigned id : {600u, 604u, 608u, 632u, 136u})
        EXPECT_TRUE(LoadWave(id, true).isEmpty()) << id;
    // A second registration of the same bundle, or a bad one, keeps it.
    EXPECT_TRUE(RegisterSoundModule(QStringLiteral(MARBIX_MODULE_FILE)));
    EXPECT_FALSE(RegisterSoundModule(junk.fileName()));
    EXPECT_FALSE(LoadWave(623, true).isEmpty());
}
