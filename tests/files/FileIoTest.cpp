// Whole-file reading and the safe replacing of a file.
#include "files/FileIo.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using tslq::test::ReadBytes;
using tslq::test::WriteBytes;

namespace {

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit
{
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST(FileIo, FailedWriteLeavesThePreviousFileAndNoLeftovers)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.qx");
    ASSERT_TRUE(WriteBytes(path.toStdString(), "previous content"));
    {
        FileSizeLimit limit(1024);
        QString error;
        EXPECT_FALSE(SaveFileBytes(path, std::string(64 * 1024, 'x'), &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(ReadBytes(path.toStdString()), "previous content");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"radio.qx"});

    EXPECT_TRUE(SaveFileBytes(path, "new content"));
    EXPECT_EQ(ReadBytes(path.toStdString()), "new content");
}

TEST(FileIo, RefusedTargets)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(SaveFileBytes(dir.filePath("missing/radio.qx"), "x", &error));
    EXPECT_FALSE(SaveFileBytes(dir.path(), "x", &error)); // a folder
    EXPECT_FALSE(ReadFileBytes(dir.filePath("missing.qx"), &error));
    EXPECT_FALSE(ReadFileBytes(dir.path(), &error));
    EXPECT_EQ(error, "is a folder");
}

TEST(FileIo, ReadsBinaryBytesAndRefusesEndlessInput)
{
    QTemporaryDir dir;
    const std::string bytes("a\0b\r\n\xff", 6);
    ASSERT_TRUE(SaveFileBytes(dir.filePath("b.qx"), bytes));
    EXPECT_EQ(ReadFileBytes(dir.filePath("b.qx")), bytes);
    QString error;
    EXPECT_FALSE(ReadFileBytes("/dev/zero", &error));
    EXPECT_EQ(error, "file too long");
}

} // namespace
