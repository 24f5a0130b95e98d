#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The real program, copied into scratch folders and started as separate processes on the tests'
// own platform.
class SingleInstanceProcessTest : public ::testing::Test {
  protected:
    static QString CopyProgramInto(const QTemporaryDir& folder) {
        const QString copy =
            folder.filePath(QFileInfo(QStringLiteral(QUILLOT_EXECUTABLE)).fileName());
        EXPECT_TRUE(QFile::copy(QStringLiteral(QUILLOT_EXECUTABLE), copy));
        QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return copy;
    }

    // The copy prints "first-paint" once its window is painted, after its start-up.
    void Start(QProcess& process, const QString& program) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QGuiApplication::platformName());
        environment.insert(QStringLiteral("QUILLOT_REPORT_FIRST_PAINT"), QStringLiteral("1"));
        process.setProcessEnvironment(environment);
        process.start(program, {});
        ASSERT_TRUE(process.waitForStarted(10000)) << program.toStdString();
    }

    // Waits until the copy's start-up, which writes the default GM.ini and reads it, is over.
    static bool WaitForStartup(QProcess& process) {
        QByteArray output;
        return QTest::qWaitFor(
            [&] {
                output += process.readAllStandardOutput();
                return output.startsWith("first-paint");
            },
            20000);
    }

    static void Stop(QProcess& process) {
        process.kill();
        process.waitForFinished(10000);
    }
};

TEST_F(SingleInstanceProcessTest, OneCopyPerExecutablePathAnotherFolderRunsBeside) {
    QTemporaryDir here;
    QTemporaryDir elsewhere;
    const QString program = CopyProgramInto(here);
    const QString otherProgram = CopyProgramInto(elsewhere);
    const QString ini = here.filePath(QStringLiteral("GM.ini"));

    QProcess first;
    Start(first, program);
    ASSERT_TRUE(WaitForStartup(first));
    ASSERT_TRUE(QFile::exists(ini)) << "the first copy writes its default GM.ini";
    // Gone again: a second copy that touched any file would write it anew.
    ASSERT_TRUE(QFile::remove(ini));

    QProcess second;
    Start(second, program);
    ASSERT_TRUE(second.waitForFinished(10000)) << "a second start from the same path ends";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(second.readAllStandardError().isEmpty());
    EXPECT_FALSE(QFile::exists(ini)) << "the second copy touched no file";
    EXPECT_EQ(first.state(), QProcess::Running);

    QProcess beside;
    Start(beside, otherProgram);
    EXPECT_TRUE(WaitForStartup(beside));
    EXPECT_TRUE(QFile::exists(elsewhere.filePath(QStringLiteral("GM.ini"))));
    EXPECT_FALSE(beside.waitForFinished(1000)) << "a copy in another folder keeps running";
    EXPECT_EQ(first.state(), QProcess::Running);

    Stop(beside);
    Stop(first);
}

}  // namespace
