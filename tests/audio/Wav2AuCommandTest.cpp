#include "WavBytes.h"

#include "audio/AuHeader.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace morvane::audio {
namespace {

using namespace test;
using namespace Qt::StringLiterals;

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& args, const QString& folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QString::fromUtf8(MORVANE_CLI_PATH), QStringList{u"wav2au"_s} + args);
    EXPECT_TRUE(process.waitForFinished(-1));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class Wav2AuCommandTest : public testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(Wav2AuCommandTest, ConvertsAndReportsOnStandardOutput)
{
    QFile source(path(u"in.wav"_s));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write(pcmWav(2, 8012, 16, samples16({1000, -1000, 1000, -1000})));
    source.close();

    const CliRun run = runCli({path(u"in.wav"_s), path(u"out.au"_s)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, u"Successfully converted "_s + path(u"in.wav"_s) + u" to "_s +
                           path(u"out.au"_s) + u"\n"_s);
    QFile output(path(u"out.au"_s));
    ASSERT_TRUE(output.open(QIODevice::ReadOnly));
    EXPECT_EQ(output.readAll(), auHeader(2) + QByteArray(2, '\xFF'));
}

TEST_F(Wav2AuCommandTest, FailureGoesToStandardErrorAndLeavesTheDestinationAlone)
{
    QFile existing(path(u"out.au"_s));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();

    const CliRun run = runCli({path(u"missing.wav"_s), path(u"out.au"_s)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, u"Can't find the file: "_s + path(u"missing.wav"_s) + u"\n"_s);
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("old"));
}

TEST_F(Wav2AuCommandTest, ConvertingASoundOntoItselfFailsAndKeepsIt)
{
    const QByteArray wav = pcmWav(1, 8012, 16, samples16({1, 2, 3}));
    QFile source(path(u"x.wav"_s));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write(wav);
    source.close();

    const CliRun run = runCli({u"x.wav"_s, u"./x.wav"_s}, m_dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, u"Can't create ./x.wav (it is the sound being converted)\n"_s);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    EXPECT_EQ(source.readAll(), wav);
}

TEST_F(Wav2AuCommandTest, WrongArgumentCountIsAUsageError)
{
    EXPECT_EQ(runCli({path(u"in.wav"_s)}).exitCode, 2);
    EXPECT_EQ(runCli({u"a"_s, u"b"_s, u"c"_s}).exitCode, 2);
}

} // namespace
} // namespace morvane::audio
