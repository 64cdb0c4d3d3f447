#include "UiTestSupport.h"

#include "ui/wav2au/Wav2AuCommand.h"

#include <QFile>
#include <QtEndian>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

QByteArray wav8BitMono(int samples)
{
    auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le16 = [](quint16 v) {
        QByteArray b(2, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const QByteArray data(samples, '\x80');
    QByteArray fmt = le16(1) + le16(1) + le32(8012) + le32(8012) + le16(1) + le16(8);
    QByteArray body = "WAVE" + QByteArray("fmt ") + le32(16) + fmt + QByteArray("data") +
                      le32(quint32(data.size())) + data;
    return "RIFF" + le32(quint32(body.size())) + body;
}

class Wav2AuCommandTest : public ::testing::Test {
protected:
    void run() { Wav2AuCommand(fakes.services(), lastFolder, nullptr).run(); }

    InstallDir install;
    platform::FakeServices fakes;
    QString lastFolder = u"images&sounds"_s;
};

TEST_F(Wav2AuCommandTest, ConvertsAndMovesTheLastFolderTwice)
{
    install.write(u"in/voice.wav"_s, wav8BitMono(100));
    QDir().mkpath(install.file(u"out"_s));
    fakes.files.setNextFileName(install.file(u"in/voice.wav"_s));
    fakes.files.setNextFileName(install.file(u"out/voice"_s));
    run();

    ASSERT_EQ(fakes.files.calls().size(), 2);
    EXPECT_EQ(fakes.files.calls()[0].initialFolder, u"images&sounds");
    EXPECT_EQ(fakes.files.calls()[0].filter, u"Wave files (*.wav)|*.WAV");
    EXPECT_EQ(fakes.files.calls()[1].initialFolder, install.file(u"in"_s));
    EXPECT_EQ(fakes.files.calls()[1].proposedName, install.file(u"in/voice.au"_s));
    EXPECT_EQ(fakes.files.calls()[1].filter, u"Netscape AU files (*.au)|*.AU");
    const QString out = install.file(u"out/voice.au"_s);
    EXPECT_EQ(fakes.messages.informations(),
              QStringList{u"Successfully converted "_s + install.file(u"in/voice.wav"_s) +
                          u" to "_s + out});
    EXPECT_TRUE(QFile::exists(out));
    EXPECT_EQ(lastFolder, install.file(u"out"_s));
}

TEST_F(Wav2AuCommandTest, CancellingEitherDialogIsSilent)
{
    install.write(u"in/voice.wav"_s, wav8BitMono(10));
    run();
    fakes.files.setNextFileName(install.file(u"in/voice.wav"_s));
    run();
    EXPECT_EQ(fakes.files.calls().size(), 3);
    EXPECT_TRUE(fakes.messages.shown().isEmpty());
    EXPECT_FALSE(QFile::exists(install.file(u"in/voice.au"_s)));
}

TEST_F(Wav2AuCommandTest, SavingOverTheSourceIsRefusedAndKeepsIt)
{
    const QByteArray wav = wav8BitMono(10);
    install.write(u"in/voice.wav"_s, wav);
    ASSERT_TRUE(QFile::link(install.file(u"in/voice.wav"_s), install.file(u"in/voice.au"_s)));
    fakes.files.setNextFileName(install.file(u"in/voice.wav"_s));
    fakes.files.setNextFileName(install.file(u"in/voice"_s));
    run();
    EXPECT_EQ(fakes.messages.errors(),
              QStringList{u"Can't create "_s + install.file(u"in/voice.au"_s) +
                          u" (it is the sound being converted)"_s});
    QFile source(install.file(u"in/voice.wav"_s));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    EXPECT_EQ(source.readAll(), wav);
}

TEST_F(Wav2AuCommandTest, ABadSourceIsReportedBeforeTheSaveDialog)
{
    install.write(u"in/not.wav"_s, "RIFX0000WAVE");
    fakes.files.setNextFileName(install.file(u"in/not.wav"_s));
    run();
    EXPECT_EQ(fakes.files.calls().size(), 1);
    EXPECT_EQ(
        fakes.messages.errors(),
        QStringList{u"Can't read "_s + install.file(u"in/not.wav"_s) + u": not a RIFF file !"_s});

    fakes.files.setNextFileName(install.file(u"in/gone.wav"_s));
    run();
    EXPECT_EQ(fakes.messages.errors().constLast(),
              u"Can't find the file: "_s + install.file(u"in/gone.wav"_s));
}

} // namespace
} // namespace morvane::ui::test
